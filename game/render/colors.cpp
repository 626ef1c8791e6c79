// Colour tables of the picture and the colours of marked and hidden cells.
#include "game/render/colors.h"

#include <cmath>

namespace crv {

namespace {

// The value the game has always used; the wave and the swing are tuned to it, not to pi.
constexpr double halfTurn = 3.14159265;

float capped(float value) {
    return value > 1.0f ? 1.0f : value;
}

} // namespace

int colorIndexOf(int value) {
    const int index = value < 0 ? -value : value;
    return index < cellColorCount ? index : 0;
}

float correctBrightness(float component, float gamma) {
    // The slider gives 0.7 to 1.3; a damaged settings file must not give infinite colours.
    if (!(gamma > 0.0f)) {
        gamma = 1.0f;
    }
    return static_cast<float>(std::pow(static_cast<double>(component), 1.0 / gamma));
}

Color markedCellColor(Color base, float p) {
    if (p <= 1.0f) {
        const float keep = 1.0f - p;
        return {capped(base.red * keep + p), capped(base.green * keep + p),
                capped(base.blue * keep + p)};
    }
    if (p <= 2.0f) {
        const float a = p - 1.0f;
        const float white = 1.0f - a;
        return {capped(base.red * a + white), capped(base.green * a + white),
                capped(base.blue * a + white)};
    }
    const float fade = 3.0f - p;
    return {base.red * fade, base.green * fade, base.blue * fade};
}

float advanceHiddenPhase(float phase, float frameTime) {
    phase += frameTime * 0.015f;
    if (phase > 256.0f) {
        phase -= 256.0f;
    }
    return phase;
}

Color hiddenBlockColor(int cellProduct, float phase) {
    const double n = cellProduct;
    const double p = phase;
    return {static_cast<float>(0.25 + 0.08 * std::sin((n + p) * halfTurn / 128.0)),
            static_cast<float>(0.25 + 0.08 * std::cos((n + 2.0 * p) * halfTurn / 128.0)),
            static_cast<float>(0.25 + 0.08 * std::sin((n + p) * halfTurn / 64.0))};
}

} // namespace crv
