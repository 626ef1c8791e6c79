// The texts of the heads-up display, built in fixed buffers.
#pragma once

namespace crv {

/// Room for any HUD line: a label of up to 16 characters and a number.
constexpr int hudTextSize = 32;

/// A score's integer part, truncated toward zero and kept inside the int range.
int truncatedScore(float value);

/// The score right-aligned in 11 characters: 0 is ten spaces and "0". Longer numbers widen
/// the field instead of running off its start.
void formatScoreField(char (&text)[hudTextSize], float value);

/// "FPS:" and the rate rounded to the nearest integer.
void formatRate(char (&text)[hudTextSize], float framesPerSecond);

/// "Final Score:" and the score's integer part, with no space.
void formatFinalScore(char (&text)[hudTextSize], float score);

/// Where the score column stands; the 1280 x 1024 view is narrower, so it moves left there.
struct HudColumn {
    float labelX;
    float valueX;
};

HudColumn hudColumn(int screenWidth);

} // namespace crv
