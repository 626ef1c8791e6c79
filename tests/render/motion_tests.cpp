// The swing angles, the wrapping clocks and the game-over pulse.
#include "game/render/motion.h"

#include <gtest/gtest.h>

namespace {

TEST(MotionTest, ClocksWrapOnceBeyondTheirLimit) {
    const struct {
        float value;
        float step;
        float limit;
        float expected;
    } cases[] = {
        {3071.5f, 1.0f, 3072.0f, 0.5f}, {3071.0f, 1.0f, 3072.0f, 3072.0f},
        {3072.0f, 1.0f, 3072.0f, 1.0f}, {10.0f, 5000.0f, 3072.0f, 1938.0f},
        {359.75f, 0.5f, 360.0f, 0.25f}, {0.0f, 0.0f, 360.0f, 0.0f},
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(crv::advanceWrapped(c.value, c.step, c.limit), c.expected)
            << c.value << " + " << c.step;
    }
}

TEST(MotionTest, SwingAnglesRunAtTheirOwnPeriods) {
    const float amplitude[3] = {90.0f, 45.0f, 30.0f};
    const crv::SwingAngles quarter = crv::swingAngles(128.0f, amplitude);
    EXPECT_NEAR(quarter.aboutZ, 90.0f, 1e-3f);              // a quarter of 512
    EXPECT_NEAR(quarter.aboutY, 45.0f * 0.7071068f, 1e-3f); // an eighth of 1024
    EXPECT_NEAR(quarter.aboutX, 30.0f * 0.5f, 1e-3f);       // a twelfth of 1536
    const crv::SwingAngles cycle = crv::swingAngles(crv::swingCycle, amplitude);
    EXPECT_NEAR(cycle.aboutZ, 0.0f, 1e-3f);
    EXPECT_NEAR(cycle.aboutY, 0.0f, 1e-3f);
    EXPECT_NEAR(cycle.aboutX, 0.0f, 1e-3f);

    const float still[3] = {0.0f, 0.0f, 0.0f};
    const crv::SwingAngles none = crv::swingAngles(700.0f, still);
    EXPECT_EQ(none.aboutZ, 0.0f);
    EXPECT_EQ(none.aboutY, 0.0f);
    EXPECT_EQ(none.aboutX, 0.0f);
}

TEST(MotionTest, GameOverLinesPulseAQuarterPeriodApart) {
    EXPECT_NEAR(crv::gameOverPulse(0.0f), 1.0f, 1e-6f);
    EXPECT_NEAR(crv::gameOverPulse(32.0f), 1.25f, 1e-6f);
    EXPECT_NEAR(crv::gameOverPulse(64.0f), 1.0f, 1e-6f);
    EXPECT_NEAR(crv::gameOverPulse(96.0f), 0.75f, 1e-6f);
}

} // namespace
