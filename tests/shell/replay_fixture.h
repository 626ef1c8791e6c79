// A clock under the test's hand for the shell's frame times, and replays made in memory.
#pragma once

#include "common/replay.h"
#include "game/rules/turn.h"
#include "game/shell/game_window.h"

#include <cstdint>
#include <initializer_list>

namespace crv::testing {

/// Counter ticks a second of the test clock: 100 a sixtieth.
constexpr std::int64_t testClockFrequency = 6000;
constexpr std::uint64_t ticksPerSixtieth = 100;

/// The test clock: each reading moves it on by `step`, or with `varied` by a fixed cycle of
/// steps that has zero steps, short and long ones, and every 250th reading a stall.
struct TestClock {
    std::uint64_t now = 12345; // also the seed of a game started on it
    std::uint64_t step = 0;
    bool varied = false;
    std::uint32_t readings = 0;

    /// The clock for a game window; it reads this test clock, which must outlive the window.
    GameClock gameClock() { return {readTestClock, this, testClockFrequency}; }

    static std::uint64_t readTestClock(void* state) {
        static constexpr std::uint64_t cycle[] = {100, 0, 100, 37, 250, 100, 0, 163, 100, 1, 149};
        TestClock& clock = *static_cast<TestClock*>(state);
        ++clock.readings;
        if (!clock.varied) {
            clock.now += clock.step;
        } else if (clock.readings % 250 == 0) {
            clock.now += 90 * ticksPerSixtieth; // a stall of 1.5 s
        } else {
            clock.now += cycle[clock.readings % (sizeof cycle / sizeof cycle[0])];
        }
        return clock.now;
    }
};

/// One turn of a replay made in memory.
struct TurnSpec {
    float frameTime;
    std::uint8_t held;
    std::initializer_list<std::int32_t> keys;
};

inline void recordTurns(ReplayRecord& record, std::initializer_list<TurnSpec> turns,
                        int repeat = 1) {
    for (int i = 0; i < repeat; ++i) {
        for (const TurnSpec& spec : turns) {
            ReplayTurn turn;
            turn.frameTime = spec.frameTime;
            turn.held = spec.held;
            for (std::int32_t key : spec.keys) {
                turn.keys[turn.keyCount++] = key;
            }
            recordTurn(record, turn);
        }
    }
}

} // namespace crv::testing
