// A hidden window with a GL context under SDL's offscreen driver, and pixel read-back.
#pragma once

#include "game/render/view.h"
#include "game/shell/gl_window.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace crv::testing {

struct Rgb {
    int red;
    int green;
    int blue;
};

/// Each test gets its own context of the given size, the view set as the game sets it.
class GlTest : public ::testing::Test {
  protected:
    static constexpr int width = 320;
    static constexpr int height = 240;

    void SetUp() override { open(width, height); }

    void open(int w, int h) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        setGlWindowAttributes(24);
        window = SDL_CreateWindow("test", 0, 0, w, h, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        context = SDL_GL_CreateContext(window);
        ASSERT_NE(context, nullptr) << SDL_GetError();
        viewWidth = w;
        viewHeight = h;
        resizeView(w, h);
    }

    void TearDown() override {
        if (context != nullptr) {
            SDL_GL_DeleteContext(context);
        }
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_Quit();
    }

    /// The back buffer, rows from the bottom, 3 bytes a pixel.
    std::vector<std::uint8_t> readPixels() {
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(viewWidth) * viewHeight * 3);
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, viewWidth, viewHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    /// One pixel, x from the left, y from the top.
    Rgb pixelAt(const std::vector<std::uint8_t>& pixels, int x, int y) const {
        const std::size_t at = (static_cast<std::size_t>(viewHeight - 1 - y) * viewWidth + x) * 3;
        return {pixels[at], pixels[at + 1], pixels[at + 2]};
    }

    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    int viewWidth = 0;
    int viewHeight = 0;
};

} // namespace crv::testing
