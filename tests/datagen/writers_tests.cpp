// The TGA, WAV and PNG writers: headers, byte order and row order on small known inputs.
#include "data_files.h"

#include "tools/datagen/png_writer.h"
#include "tools/datagen/tga_writer.h"
#include "tools/datagen/wav_writer.h"

#include <gtest/gtest.h>

using crv::datagen::Color;
using crv::datagen::Image;

namespace {

/// 3 x 2 pixels, each a different colour, the last one half transparent.
Image smallImage() {
    Image image(3, 2);
    image.at(0, 0) = {1, 0, 0, 1};
    image.at(1, 0) = {0, 1, 0, 1};
    image.at(2, 0) = {0, 0, 1, 1};
    image.at(0, 1) = {1, 1, 1, 1};
    image.at(1, 1) = {0, 0, 0, 1};
    image.at(2, 1) = {0.2f, 0.4f, 0.6f, 0.5f};
    return image;
}

} // namespace

TEST(TgaWriter, HeaderAndBottomUpBgrRows) {
    const auto bytes = crv::datagen::encodeTga(smallImage());
    ASSERT_EQ(bytes.size(), 18u + 3 * 2 * 3);
    const std::uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 24, 0};
    EXPECT_TRUE(std::equal(header, header + 18, bytes.begin()));
    // The file's first row is the picture's bottom row, each pixel blue, green, red.
    const std::vector<std::uint8_t> pixels(bytes.begin() + 18, bytes.end());
    const std::vector<std::uint8_t> expected = {255, 255, 255, 0, 0,   0, 153, 102, 51,
                                                0,   0,   255, 0, 255, 0, 255, 0,   0};
    EXPECT_EQ(pixels, expected);
}

TEST(TgaWriter, LargeSizesUseBothHeaderBytes) {
    const auto bytes = crv::datagen::encodeTga(Image(1024, 768));
    EXPECT_EQ(bytes[12] | bytes[13] << 8, 1024);
    EXPECT_EQ(bytes[14] | bytes[15] << 8, 768);
    EXPECT_EQ(bytes.size(), 18u + 1024 * 768 * 3);
}

TEST(WavWriter, MonoSixteenBitPcmWithRoundedClampedSamples) {
    const std::vector<float> samples = {0.0f, 1.0f, -1.0f, 0.5f, 2.0f, -3.0f, -0.25f};
    const auto wav = datatest::parseWav(crv::datagen::encodeWav(samples, 22050));
    ASSERT_TRUE(wav.valid);
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.sampleRate, 22050);
    EXPECT_EQ(wav.bitsPerSample, 16);
    const std::vector<std::int16_t> expected = {0, 32767, -32767, 16384, 32767, -32767, -8192};
    EXPECT_EQ(wav.samples, expected);
}

TEST(PngWriter, LibpngReadsBackEveryPixel) {
    const Image image = smallImage();
    struct Case {
        crv::datagen::PngChannels channels;
        bool alpha;
    };
    for (const Case& c : {Case{crv::datagen::PngChannels::Rgb, false},
                          Case{crv::datagen::PngChannels::Rgba, true}}) {
        const auto png = datatest::decodePng(crv::datagen::encodePng(image, c.channels));
        ASSERT_TRUE(png.valid);
        EXPECT_EQ(png.width, 3);
        EXPECT_EQ(png.height, 2);
        EXPECT_EQ(png.hasAlpha, c.alpha);
        const std::vector<std::uint8_t> expected = {
            255, 0, 0,   255, 0,   255, 0,   255,
            0,   0, 255, 255, 255, 255, 255, 255,
            0,   0, 0,   255, 51,  102, 153, c.alpha ? std::uint8_t(128) : std::uint8_t(255)};
        EXPECT_EQ(png.rgba, expected);
    }
}
