// The picture's clocks: the swing of the playfield, the preview's spin, the game-over pulse.
#include "game/render/motion.h"

#include <cmath>

namespace crv {

namespace {

constexpr double halfTurn = 3.14159265; // as the game has always used it

float degreesAt(float clock, double halfPeriod, float amplitude) {
    return static_cast<float>(std::sin(clock * halfTurn / halfPeriod) * amplitude);
}

} // namespace

SwingAngles swingAngles(float swingClock, const float amplitude[3]) {
    return {degreesAt(swingClock, 256.0, amplitude[0]), degreesAt(swingClock, 512.0, amplitude[1]),
            degreesAt(swingClock, 768.0, amplitude[2])};
}

float advanceWrapped(float value, float step, float limit) {
    value += step;
    if (value > limit) {
        value -= limit;
    }
    return value;
}

float gameOverPulse(float time) {
    return static_cast<float>(1.0 + 0.25 * std::sin(time * halfTurn / 64.0));
}

} // namespace crv
