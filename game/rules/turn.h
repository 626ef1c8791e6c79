// One loop turn of the rules from its inputs alone, for a game played again.
#pragma once

#include "game/rules/game.h"

#include <cstdint>

namespace crv {

/// What the rules do in one loop turn of the game program, given what they read in it: the
/// turn's key-downs in their order, then its frameTime, the poll of the held arrows (which
/// asks the game's effects) and the tick. Drawing, which happens between the keys and the
/// frame time in the game program, reads the game and changes nothing of it.
void playTurn(Game& game, const std::int32_t* keys, int keyCount, float frameTime);

} // namespace crv
