// The picture's clocks: the swing of the playfield, the preview's spin, the game-over pulse.
#pragma once

namespace crv {

/// One full cycle of all three swing rotations (periods 512, 1024 and 1536 sixtieths).
constexpr float swingCycle = 3072.0f;

/// The three swing rotations in degrees, applied in the order z, y, x.
struct SwingAngles {
    float aboutZ;
    float aboutY;
    float aboutX;
};

/// The rotations at this swing clock for amplitudes about z, y and x.
SwingAngles swingAngles(float swingClock, const float amplitude[3]);

/// Adds step; a value then beyond limit loses limit once, so remainders carry over.
float advanceWrapped(float value, float step, float limit);

/// The game-over texts' scale, 0.75 to 1.25 with a period of 128 sixtieths.
float gameOverPulse(float time);

} // namespace crv
