// Frame time from performance-counter readings: the time base of every clock in the game.
#pragma once

#include <cstdint>

namespace crv {

struct FrameTimer {
    std::int64_t frequency = 0;    // counter ticks per second, read once at start
    std::uint64_t lastReading = 0; // 0 before the first turn
    bool measured = false;         // the first measurement spans from 0 and is meaningless
};

/// Counter ticks from the reading `last` to `reading`: all 64 bits, and none for a reading
/// behind the last one, which a steady counter never gives.
std::uint64_t ticksSince(std::uint64_t last, std::uint64_t reading);

/// Measures one loop turn from a counter reading: frameTime in sixtieths of a second
/// (exactly 1 on the first turn, and whenever the counter has no frequency) and the
/// instantaneous frames per second. Any stall gives one large frameTime, without an upper bound.
void measureFrame(FrameTimer& timer, std::uint64_t reading, float& frameTime,
                  float& framesPerSecond);

} // namespace crv
