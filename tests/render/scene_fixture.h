// A GL context in a fresh working directory, with the game's images written as needed.
#pragma once

#include "common/settings.h"
#include "game/render/frame.h"
#include "game/render/scene.h"
#include "gl_context.h"
#include "tga_fixture.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace crv::testing {

class SceneTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        char pattern[] = "/tmp/crvrender-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        ASSERT_EQ(getcwd(previousDirectory, sizeof previousDirectory), previousDirectory);
        ASSERT_EQ(chdir(directory.c_str()), 0);
    }

    void TearDown() override {
        EXPECT_EQ(chdir(previousDirectory), 0);
        std::system(("rm -rf " + directory).c_str());
        GlTest::TearDown();
    }

    /// Block textures, panel and background with patterns that show every texel's place.
    void writePatternImages() {
        for (int k = 1; k <= 6; ++k) {
            writeTga("crvtex" + std::to_string(k) + ".tga", 32, 32, [k](int x, int y) {
                const bool light = ((x / 4) + (y / 4)) % 2 == 0;
                return Texel{static_cast<std::uint8_t>(light ? 255 : 40 * k),
                             static_cast<std::uint8_t>(x * 8), static_cast<std::uint8_t>(y * 8)};
            });
        }
        writeTga("glback.tga", 256, 256, [](int x, int y) {
            return Texel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                         static_cast<std::uint8_t>((x ^ y) & 0xff)};
        });
        writeTga("bgpic.tga", 1024, 768, [](int x, int y) {
            return Texel{static_cast<std::uint8_t>(x / 4), static_cast<std::uint8_t>(y / 3),
                         static_cast<std::uint8_t>(((x / 16 + y / 16) % 2) * 90)};
        });
    }

    /// A picture set up now, in this directory, from this record as the game reads it,
    /// drawing the playfield of `gameMode`.
    std::unique_ptr<Picture> makePicture(const Settings& settings, std::int32_t gameMode) {
        auto picture = std::make_unique<Picture>();
        setUpPicture(*picture, deriveGameSettings(settings), gameMode);
        return picture;
    }

    /// As above, drawing the record's own mode, as a live game does.
    std::unique_ptr<Picture> makePicture(const Settings& settings) {
        return makePicture(settings, settings.gameMode);
    }

    /// Draws one frame from the view's base matrix and reads it back.
    std::vector<std::uint8_t> drawAndRead(Picture& picture) {
        resizeView(viewWidth, viewHeight);
        drawFrame(picture, game, 60.0f);
        return readPixels();
    }

    Game game;
    std::string directory;
    char previousDirectory[4096] = {};
};

/// The game's settings without a file, with the swing and both textures off.
inline Settings plainSettings() {
    Settings settings = gameDefaultSettings;
    settings.gameMode = 0;
    settings.texturedPlayfield = 0;
    settings.texturedBlocks = 0;
    return settings;
}

} // namespace crv::testing
