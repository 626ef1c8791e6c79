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

TEST(FrameTimerTest, AStallOfAnyLengthIsOneLargeStep) {
    // SDL's counter runs at 1 GHz here, where 32 bits of ticks last 4.295 s.
    struct Case {
        std::uint64_t ticks;
        float frameTime;
    };
    const Case cases[] = {
        {4300000000ull, 258.0f},
        {10000000000ull, 600.0f},
        {100000000000ull, 6000.0f},
        {0x100000000ull + 16666667ull, 258.698f}, // just past the 32-bit wrap
    };
    for (const Case& c : cases) {
        crv::FrameTimer timer;
        timer.frequency = 1000000000;
        float frameTime = 0.0f;
        float framesPerSecond = 0.0f;
        const std::uint64_t start = 0xFFFFFFF0ull; // each stall crosses 2^32
        crv::measureFrame(timer, start, frameTime, framesPerSecond);
        crv::measureFrame(timer, start + c.ticks, frameTime, framesPerSecond);
        EXPECT_NEAR(frameTime, c.frameTime, c.frameTime * 1e-5f) << c.ticks;
        EXPECT_NEAR(framesPerSecond, 1e9f / static_cast<float>(c.ticks), 1e-6f) << c.ticks;
    }
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
