// The state machine of one game: the work of each tick in each phase.
#pragma once

#include "game/rules/game.h"

namespace crv {

/// One tick, once per loop turn after the poll: fall and land, animate and remove groups,
/// run the game-over clock, end the game, and keep the best score.
void gameTick(Game& game);

} // namespace crv
