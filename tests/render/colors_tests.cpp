// Brightness correction and the colours of marked and hidden cells.
#include "game/render/colors.h"

#include <gtest/gtest.h>

namespace {

constexpr float near = 0.0005f;

TEST(ColorsTest, BrightnessCorrectionFollowsTheGamma) {
    const struct {
        float component;
        float gamma;
        float expected;
    } cases[] = {
        {0.1f, 0.7f, 0.0373f}, {0.6f, 0.7f, 0.482f}, {0.6f, 1.0f, 0.6f}, {0.25f, 1.0f, 0.25f},
        {0.6f, 1.3f, 0.675f},  {0.0f, 0.7f, 0.0f},   {0.0f, 1.3f, 0.0f}, {1.0f, 0.7f, 1.0f},
        {0.6f, 0.0f, 0.6f},    {0.0f, -0.3f, 0.0f}, // no slider position gives these
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(crv::correctBrightness(c.component, c.gamma), c.expected, near)
            << c.component << " at gamma " << c.gamma;
    }
    EXPECT_EQ(crv::correctBrightness(0.45f, 1.0f), 0.45f);
}

TEST(ColorsTest, MarkedCellFlashesWhiteThenFadesToBlack) {
    const crv::Color base{0.6f, 0.45f, 0.05f};
    const struct {
        float progress;
        crv::Color expected;
    } cases[] = {
        {0.0f, {0.6f, 0.45f, 0.05f}}, {0.5f, {0.8f, 0.725f, 0.525f}},
        {1.0f, {1.0f, 1.0f, 1.0f}},   {1.5f, {0.8f, 0.725f, 0.525f}},
        {2.0f, {0.6f, 0.45f, 0.05f}}, {2.5f, {0.3f, 0.225f, 0.025f}},
        {3.0f, {0.0f, 0.0f, 0.0f}},
    };
    for (const auto& c : cases) {
        const crv::Color got = crv::markedCellColor(base, c.progress);
        EXPECT_NEAR(got.red, c.expected.red, near) << c.progress;
        EXPECT_NEAR(got.green, c.expected.green, near) << c.progress;
        EXPECT_NEAR(got.blue, c.expected.blue, near) << c.progress;
    }
    // A component above 1 after correction is capped while flashing, not while fading.
    const crv::Color bright{1.2f, 0.0f, 0.0f};
    EXPECT_EQ(crv::markedCellColor(bright, 0.0f).red, 1.0f);
    EXPECT_NEAR(crv::markedCellColor(bright, 2.5f).red, 0.6f, near);
}

TEST(ColorsTest, HiddenWaveDependsOnTheCellAndWrapsItsPhase) {
    const crv::Color corner = crv::hiddenBlockColor(0, 10.0f);
    const crv::Color inner = crv::hiddenBlockColor(12, 10.0f);
    EXPECT_NE(corner.red, inner.red);
    EXPECT_NE(corner.green, inner.green);
    EXPECT_NE(corner.blue, inner.blue);
    for (const crv::Color& c : {corner, inner, crv::hiddenBlockColor(100, 200.0f)}) {
        for (float v : {c.red, c.green, c.blue}) {
            EXPECT_GE(v, 0.17f);
            EXPECT_LE(v, 0.33f);
        }
    }
    const crv::Color atZero = crv::hiddenBlockColor(0, 0.0f);
    EXPECT_NEAR(atZero.red, 0.25f, near);
    EXPECT_NEAR(atZero.green, 0.33f, near);
    EXPECT_NEAR(atZero.blue, 0.25f, near);

    EXPECT_NEAR(crv::advanceHiddenPhase(1.0f, 2.0f), 1.03f, 1e-6f);
    EXPECT_NEAR(crv::advanceHiddenPhase(255.99f, 1.0f), 0.005f, 1e-4f);
    EXPECT_EQ(crv::advanceHiddenPhase(256.0f, 0.0f), 256.0f); // only beyond the limit
}

} // namespace
