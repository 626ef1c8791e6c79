// The TGA reader and the tile cutter, on bytes in memory and on small files.
#include "game/render/tga.h"
#include "tga_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes header() {
    return Bytes(crv::tgaHeaderSize, 0);
}

TEST(TgaTest, FileRowsComeOutBottomUpAsOpaqueRgba) {
    // File rows: B0 G0 R0, B1 G1 R1 / B2 G2 R2, B3 G3 R3.
    Bytes file = header();
    for (std::uint8_t b : {10, 11, 12, 20, 21, 22, 30, 31, 32, 40, 41, 42}) {
        file.push_back(b);
    }
    Bytes pixels(16, 7);
    crv::convertTga(file.data(), file.size(), pixels.data(), 2, 2);
    const Bytes expected = {32, 31, 30, 255, 42, 41, 40, 255, 12, 11, 10, 255, 22, 21, 20, 255};
    EXPECT_EQ(pixels, expected);
}

TEST(TgaTest, HeaderFieldsAreNotReadAndAShortFileGivesBlack) {
    // An image ID length and a colour map would move the pixels in a real TGA; not here.
    Bytes file = header();
    file[0] = 5;
    file[1] = 1;
    for (std::uint8_t b : {1, 2, 3, 4, 5}) { // one whole pixel and two stray bytes
        file.push_back(b);
    }
    Bytes pixels(16, 7);
    crv::convertTga(file.data(), file.size(), pixels.data(), 2, 2);
    const Bytes expected = {0, 0, 0, 255, 0, 0, 0, 255, 3, 2, 1, 255, 0, 0, 0, 255};
    EXPECT_EQ(pixels, expected);

    Bytes nothing;
    crv::convertTga(nothing.data(), 0, pixels.data(), 2, 2);
    EXPECT_EQ(pixels, Bytes({0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255}));
}

TEST(TgaTest, ReadsAFileAndLeavesTheBufferAloneWhenItIsMissing) {
    const std::string name = ::testing::TempDir() + "crv_tga_test.tga";
    crv::testing::writeTga(name, 3, 2, [](int x, int y) {
        return crv::testing::Texel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 200};
    });
    Bytes pixels(3 * 2 * 4, 9);
    ASSERT_TRUE(crv::readTga(name.c_str(), pixels.data(), 3, 2));
    const Bytes expected = {0, 0, 200, 255, 1, 0, 200, 255, 2, 0, 200, 255,
                            0, 1, 200, 255, 1, 1, 200, 255, 2, 1, 200, 255};
    EXPECT_EQ(pixels, expected);
    std::remove(name.c_str());

    Bytes untouched(16, 9);
    EXPECT_FALSE(crv::readTga(name.c_str(), untouched.data(), 2, 2));
    EXPECT_EQ(untouched, Bytes(16, 9));
}

TEST(TgaTest, CopySubImageCutsTileFiveOutOfThePicture) {
    // Each pixel holds its own column and row (mod 256) in its first two bytes.
    const int width = 1024;
    const int height = 768;
    Bytes picture(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &picture[(static_cast<std::size_t>(y) * width + x) * 4];
            p[0] = static_cast<std::uint8_t>(x / 256);
            p[1] = static_cast<std::uint8_t>(y / 256);
            p[2] = static_cast<std::uint8_t>(x % 256);
            p[3] = static_cast<std::uint8_t>(y % 256);
        }
    }
    Bytes tile(256 * 256 * 4);
    const int k = 5;
    crv::copySubImage(picture.data(), tile.data(), 256, 256, 262144 * (k / 4) + 256 * (k % 4),
                      1024);
    for (int y = 0; y < 256; y += 51) {
        for (int x = 0; x < 256; x += 51) {
            const std::uint8_t* p = &tile[(static_cast<std::size_t>(y) * 256 + x) * 4];
            EXPECT_EQ(p[0], 1);
            EXPECT_EQ(p[1], 1);
            EXPECT_EQ(p[2], x);
            EXPECT_EQ(p[3], y);
        }
    }
}

} // namespace
