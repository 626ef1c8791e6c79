// Frame time from counter readings.
#include "game/shell/frame_timer.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameTimerTest, MeasuresTurnsInSixtiethsOfASecond) {
    crv::FrameTimer timer;
    timer.frequency = 6000000;
    float frameTime = 0.0f;
    float framesPerSecond = 0.0f;

    // The first measurement spans from 0 and is taken as exactly one sixtieth.
    crv::measureFrame(timer, 987654321, frameTime, framesPerSecond);
    EXPECT_EQ(frameTime, 1.0f);

    struct Case {
        std::uint64_t ticks;
        float frameTime;
        float framesPerSecond;
    };
    const Case cases[] = {
        {100000, 1.0f, 60.0f},
        {200000, 2.0f, 30.0f},
        {6000000, 60.0f, 1.0f},
    };
    std::uint64_t reading = 987654321;
    for (const Case& c : cases) {
        reading += c.ticks;
        crv::measureFrame(timer, reading, frameTime, framesPerSecond);
        EXPECT_FLOAT_EQ(frameTime, c.frameTime) << c.ticks;
        EXPECT_FLOAT_EQ(framesPerSecond, c.framesPerSecond) << c.ticks;
        EXPECT_EQ(timer.lastReading, reading);
    }
}

TEST(FrameTimerTest, TicksAreTakenOnTheLowThirtyTwoBits) {
    crv::FrameTimer timer;
    timer.frequency = 6000000;
    float frameTime = 0.0f;
    float framesPerSecond = 0.0f;
    crv::measureFrame(timer, 0xFFFFFFFFull - 49999, frameTime, framesPerSecond);
    // The reading crosses 2^32: 100000 ticks all the same.
    crv::measureFrame(timer, 0x100000000ull + 50000, frameTime, framesPerSecond);
    EXPECT_FLOAT_EQ(frameTime, 1.0f);
    EXPECT_FLOAT_EQ(framesPerSecond, 60.0f);
}

TEST(FrameTimerTest, ACounterWithoutFrequencyGivesOneSixtieth) {
    crv::FrameTimer timer;
    float frameTime = 0.0f;
    float framesPerSecond = 0.0f;
    crv::measureFrame(timer, 10, frameTime, framesPerSecond);
    crv::measureFrame(timer, 500, frameTime, framesPerSecond);
    EXPECT_EQ(frameTime, 1.0f);
    EXPECT_EQ(framesPerSecond, 0.0f);
}

} // namespace
