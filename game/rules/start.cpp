// The start of a game: what the rules do before the first loop turn, in the game's order.
#include "game/rules/start.h"

#include "game/rules/random.h"

namespace crv {

void startGame(Game& game, const GameStart& start) {
    for (std::int32_t& color : game.nextPiece) {
        color = randomColor(game);
    }
    game.bestScore = start.bestScore;
    resetGame(game);
    game.soundOn = start.soundOn;
    seedRandom(game.random, start.seed);
}

} // namespace crv
