// One loop turn of the rules from its inputs alone, for a game played again.
#include "game/rules/turn.h"

#include "game/rules/controls.h"
#include "game/rules/tick.h"

namespace crv {

void playTurn(Game& game, const std::int32_t* keys, int keyCount, float frameTime) {
    for (int i = 0; i < keyCount; ++i) {
        handleGameKey(game, keys[i]);
    }
    game.frameTime = frameTime;
    pollControls(game);
    gameTick(game);
}

} // namespace crv
