// One loop turn of the rules: its keys as they arrive, then its finishing call.
#pragma once

#include "game/rules/game.h"

#include <cstdint>

namespace crv {

/// The arrows the poll found held in a turn, one bit each, as a replay keeps them.
enum HeldArrow : std::uint8_t {
    HeldLeft = 1,
    HeldUp = 2,
    HeldRight = 4,
    HeldDown = 8,
};

/// The held bit of an arrow's virtual-key code, 0 for any other key.
std::uint8_t heldBitOf(int virtualKey);

/// The end of every loop turn, live, watched or simulated: the turn's frameTime, the poll of
/// the held arrows (which asks the game's effects) and the tick. The turn's key-downs went to
/// handleGameKey before it, as they arrived; drawing, between the keys and the frame time in
/// the game program, reads the game and changes nothing of it.
void finishTurn(Game& game, float frameTime);

/// A whole turn from its inputs alone, for a game played again: the key-downs in their order,
/// then finishTurn.
void playTurn(Game& game, const std::int32_t* keys, int keyCount, float frameTime);

} // namespace crv
