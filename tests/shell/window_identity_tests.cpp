// The game window's icon as the game reads it from its TGA.
#include "game/shell/window_identity.h"

#include "data/assets.h"
#include "tests/common/temp_dir_fixture.h"
#include "tests/render/tga_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class WindowIconTest : public TempDirTest {
  protected:
    /// Red, green, blue and alpha of the read icon at (x, y), y = 0 at the top.
    std::string pixelAt(int x, int y) const {
        const std::uint8_t* p = pixels + (y * crv::gameIconFile.width + x) * 4;
        return std::to_string(p[0]) + " " + std::to_string(p[1]) + " " + std::to_string(p[2]) +
               " " + std::to_string(p[3]);
    }

    std::uint8_t pixels[crv::gameIconFile.width * crv::gameIconFile.height * 4] = {};
};

TEST_F(WindowIconTest, ExactBlackIsTheGroundEverythingElseStaysOpaque) {
    crv::testing::writeTga(
        crv::gameIconFile.name, crv::gameIconFile.width, crv::gameIconFile.height,
        [](int x, int y) -> crv::testing::Texel {
            if (x < 8) {
                return {0, 0, 0};
            }
            if (x < 16) {
                return {0, 0, 1}; // the darkest colour of the piece
            }
            return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 200};
        });
    ASSERT_TRUE(crv::readWindowIcon(pixels));
    EXPECT_EQ(pixelAt(3, 0), "0 0 0 0");
    EXPECT_EQ(pixelAt(7, 63), "0 0 0 0");
    EXPECT_EQ(pixelAt(8, 5), "0 0 1 255");
    EXPECT_EQ(pixelAt(40, 2), "40 2 200 255"); // the top row stays on top
    EXPECT_EQ(pixelAt(63, 63), "63 63 200 255");
}

TEST_F(WindowIconTest, AMissingFileGivesNoIconAShortOneAGroundForWhatItLacks) {
    EXPECT_FALSE(crv::readWindowIcon(pixels));

    // The header and the bottom row's first two pixels, white.
    std::string bytes(18, '\0');
    bytes[2] = 2;
    bytes[16] = 24;
    bytes += std::string(6, '\xff');
    std::ofstream(crv::gameIconFile.name, std::ios::binary) << bytes;
    ASSERT_TRUE(crv::readWindowIcon(pixels));
    EXPECT_EQ(pixelAt(1, 63), "255 255 255 255");
    EXPECT_EQ(pixelAt(2, 63), "0 0 0 0");
    EXPECT_EQ(pixelAt(0, 0), "0 0 0 0");
}

} // namespace
