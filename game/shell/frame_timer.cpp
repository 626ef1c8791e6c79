// Frame time from performance-counter readings: the time base of every clock in the game.
#include "game/shell/frame_timer.h"

namespace crv {

void measureFrame(FrameTimer& timer, std::uint64_t reading, float& frameTime,
                  float& framesPerSecond) {
    // All 64 bits: a nanosecond counter's low 32 bits wrap every 4.3 s, which a stall outlasts.
    // A reading behind the last one, which a steady counter never gives, counts as no time.
    const std::uint64_t ticks = reading > timer.lastReading ? reading - timer.lastReading : 0;
    if (timer.frequency > 0) {
        const float frequency = static_cast<float>(timer.frequency);
        if (ticks > 0) {
            framesPerSecond = frequency / static_cast<float>(ticks);
        }
        frameTime = 60.0f * static_cast<float>(ticks) / frequency;
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
