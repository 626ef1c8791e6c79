// Frame time from performance-counter readings: the time base of every clock in the game.
#include "game/shell/frame_timer.h"

#include "game/rules/game.h"

namespace crv {

std::uint64_t ticksSince(std::uint64_t last, std::uint64_t reading) {
    // A nanosecond counter's low 32 bits wrap every 4.3 s, which a stall outlasts.
    return reading > last ? reading - last : 0;
}

void measureFrame(FrameTimer& timer, std::uint64_t reading, float& frameTime,
                  float& framesPerSecond) {
    const std::uint64_t ticks = ticksSince(timer.lastReading, reading);
    if (timer.frequency > 0) {
        const float frequency = static_cast<float>(timer.frequency);
        if (ticks > 0) {
            framesPerSecond = frequency / static_cast<float>(ticks);
        }
        frameTime = sixtiethsPerSecond * static_cast<float>(ticks) / frequency;
    } else {
        frameTime = 1.0f;
    }
    timer.lastReading = reading;
    if (!timer.measured) {
        frameTime = 1.0f;
        timer.measured = true;
    }
}

} // namespace crv
