// The texts of the heads-up display, built in fixed buffers.
#include "game/render/hud_text.h"

#include <climits>
#include <cstdio>

namespace crv {

int truncatedScore(float value) {
    // Out-of-range conversions are undefined; a score can never legitimately get there.
    if (!(value > static_cast<float>(INT_MIN))) {
        return value != value ? 0 : INT_MIN;
    }
    if (!(value < static_cast<float>(INT_MAX))) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

void formatScoreField(char (&text)[hudTextSize], float value) {
    std::snprintf(text, sizeof text, "%11d", truncatedScore(value));
}

void formatRate(char (&text)[hudTextSize], float framesPerSecond) {
    std::snprintf(text, sizeof text, "FPS:%d", truncatedScore(framesPerSecond + 0.5f));
}

void formatFinalScore(char (&text)[hudTextSize], float score) {
    std::snprintf(text, sizeof text, "Final Score:%d", truncatedScore(score));
}

HudColumn hudColumn(int screenWidth) {
    if (screenWidth == 1280) {
        return {1.307278f, 1.2605895f};
    }
    return {1.4f, 1.35f};
}

} // namespace crv
