// The start of a game: what the rules do before the first loop turn, in the game's order.
#pragma once

#include "game/rules/game.h"

#include <cstdint>

namespace crv {

/// What a game starts from besides the rules themselves.
struct GameStart {
    float bestScore;      // the top row of the mode's table
    std::int32_t soundOn; // the settings' sound switch
    std::uint32_t seed;   // given to the generator once the first next piece is drawn
};

/// Draws the first next piece from the generator's initial state, so it is the same in every
/// run; sets the best score and the sound switch; resets the game; and only then seeds the
/// generator.
void startGame(Game& game, const GameStart& start);

} // namespace crv
