// The texts over the picture: frame rate, score column, and the message of a paused, quitting
// or lost game.
#pragma once

#include "game/rules/game.h"

namespace crv {

struct Scene;

/// The rate when shown, the score, the best score and the preview's label.
void drawHud(const Scene& scene, const Game& game, float framesPerSecond);

/// "Game Over!" with the final score pulsing, the quit question or the pause notice.
void drawStateMessage(const Scene& scene, const Game& game);

} // namespace crv
