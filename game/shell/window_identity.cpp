// The game window's identity on the desktop: the front end's window class, app id and icon.
#include "game/shell/window_identity.h"

#include "data/assets.h"
#include "game/render/tga.h"

#include <cstdlib>

namespace crv {

namespace {

constexpr int iconPixels = gameIconFile.width * gameIconFile.height;

} // namespace

void nameGameWindows() {
    // SDL 2.26 reads these two from the environment only, not as hints, when SDL_Init runs.
    setenv("SDL_VIDEO_X11_WMCLASS", windowClass, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", applicationId, 0);
    SDL_SetHint(SDL_HINT_APP_NAME, productName); // the screen-saver inhibitor's and sound's name
}

bool readWindowIcon(std::uint8_t* pixels) {
    if (!readTga(gameIconFile.name, pixels, gameIconFile.width, gameIconFile.height)) {
        return false;
    }
    for (int i = 0; i < iconPixels; ++i) {
        std::uint8_t* pixel = pixels + i * 4;
        if (pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0) {
            pixel[3] = 0;
        }
    }
    return true;
}

void setWindowIcon(SDL_Window* window) {
    static std::uint8_t pixels[iconPixels * 4];
    if (!readWindowIcon(pixels)) {
        return;
    }
    SDL_Surface* icon =
        SDL_CreateRGBSurfaceWithFormatFrom(pixels, gameIconFile.width, gameIconFile.height, 32,
                                           gameIconFile.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (icon != nullptr) {
        SDL_SetWindowIcon(window, icon); // SDL keeps a copy
        SDL_FreeSurface(icon);
    }
}

} // namespace crv
