// Frame time from performance-counter readings: the time base of every clock in the game.
#include "game/shell/frame_timer.h"

namespace crv {

void measureFrame(FrameTimer& timer, std::uint64_t reading, float& frameTime,
                  float& framesPerSecond) {
    // Ticks are taken on the low 32 bits, so a counter that wraps there still measures.
    const std::uint32_t ticks =
        static_cast<std::uint32_t>(reading) - static_cast<std::uint32_t>(timer.lastReading);
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
