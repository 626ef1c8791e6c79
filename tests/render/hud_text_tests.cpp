// The HUD's texts and the font's glyph layout.
#include "game/render/font.h"
#include "game/render/hud_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HudTextTest, ScoresAreRightAlignedInElevenCharacters) {
    const struct {
        float value;
        const char* expected;
    } cases[] = {
        {0.0f, "          0"},     {12345.0f, "      12345"}, {1234.7f, "       1234"},
        {10000.0f, "      10000"}, {9.99f, "          9"},    {2147483520.0f, " 2147483520"},
        {1e20f, " 2147483647"}, // far beyond any real score: kept in range, not undefined
    };
    for (const auto& c : cases) {
        char text[crv::hudTextSize];
        crv::formatScoreField(text, c.value);
        EXPECT_EQ(std::string(text), c.expected) << c.value;
    }
}

TEST(HudTextTest, RateAndFinalScore) {
    char text[crv::hudTextSize];
    const struct {
        float rate;
        const char* expected;
    } rates[] = {{60.0f, "FPS:60"}, {59.5f, "FPS:60"}, {59.4f, "FPS:59"}, {0.0f, "FPS:0"}};
    for (const auto& c : rates) {
        crv::formatRate(text, c.rate);
        EXPECT_EQ(std::string(text), c.expected) << c.rate;
    }
    crv::formatFinalScore(text, 1234.9f);
    EXPECT_EQ(std::string(text), "Final Score:1234");
    crv::formatFinalScore(text, 0.0f);
    EXPECT_EQ(std::string(text), "Final Score:0");
}

TEST(HudTextTest, OnlyTheWidest1280ModeMovesTheScoreColumn) {
    EXPECT_FLOAT_EQ(crv::hudColumn(1280).valueX, 1.2605895f);
    EXPECT_FLOAT_EQ(crv::hudColumn(1280).labelX, 1.307278f);
    for (int width : {512, 640, 800, 1024}) {
        EXPECT_FLOAT_EQ(crv::hudColumn(width).valueX, 1.35f) << width;
        EXPECT_FLOAT_EQ(crv::hudColumn(width).labelX, 1.4f) << width;
    }
}

TEST(FontTest, GlyphsAndTheirTextureCoordinates) {
    const crv::FontLayout layout; // the game's: 12 x 17 cells in 256 x 128
    const struct {
        char character;
        int glyph;
        float s0, s1, t0, t1;
    } cases[] = {
        {'a', 0, 0.0f, 11.0f / 256, 0.0f, 16.0f / 128},
        {'1', 52, 120.0f / 256, 131.0f / 256, 34.0f / 128, 50.0f / 128},
        {'0', 61, 228.0f / 256, 239.0f / 256, 34.0f / 128, 50.0f / 128},
        {' ', 94, 120.0f / 256, 131.0f / 256, 68.0f / 128, 84.0f / 128},
        {'A', 26, 60.0f / 256, 71.0f / 256, 17.0f / 128, 33.0f / 128},
        {'?', 93, 108.0f / 256, 119.0f / 256, 68.0f / 128, 84.0f / 128},
    };
    for (const auto& c : cases) {
        const int glyph = crv::glyphNumber(c.character, 7);
        EXPECT_EQ(glyph, c.glyph) << c.character;
        const crv::GlyphCoords coords = crv::glyphCoords(layout, glyph);
        EXPECT_FLOAT_EQ(coords.s0, c.s0) << c.character;
        EXPECT_FLOAT_EQ(coords.s1, c.s1) << c.character;
        EXPECT_FLOAT_EQ(coords.t0, c.t0) << c.character;
        EXPECT_FLOAT_EQ(coords.t1, c.t1) << c.character;
    }
    // Every printable character has a glyph of its own; anything else keeps the current one.
    for (int c = 0x20; c <= 0x7e; ++c) {
        EXPECT_NE(crv::glyphNumber(static_cast<char>(c), -1), -1) << c;
    }
    EXPECT_EQ(crv::glyphNumber('\t', 17), 17);
    EXPECT_EQ(crv::glyphNumber(static_cast<char>(0xe9), 17), 17);
}

} // namespace
