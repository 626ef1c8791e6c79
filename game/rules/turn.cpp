// One loop turn of the rules: its keys as they arrive, then its finishing call.
#include "game/rules/turn.h"

#include "game/rules/controls.h"
#include "game/rules/tick.h"

namespace crv {

void finishTurn(Game& game, float frameTime) {
    game.frameTime = frameTime;
    pollControls(game);
    gameTick(game);
}

void playTurn(Game& game, const std::int32_t* keys, int keyCount, float frameTime) {
    for (int i = 0; i < keyCount; ++i) {
        handleGameKey(game, keys[i]);
    }
    finishTurn(game, frameTime);
}

} // namespace crv
