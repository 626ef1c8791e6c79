// One frame of the game picture.
#pragma once

#include "game/rules/game.h"

namespace crv {

/// Draws the whole picture of the current state into the back buffer; reads, never writes.
void drawFrame(const Game& game, float framesPerSecond);

} // namespace crv
