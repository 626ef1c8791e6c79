// Scene set-up at window creation: the drawing state and the first next piece.
#pragma once

#include "game/rules/game.h"

namespace crv {

/// Prepares the drawing and draws the first next piece, before the generator is seeded,
/// so the first piece is the same in every run.
void setUpScene(Game& game);

} // namespace crv
