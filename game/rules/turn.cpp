// One loop turn of the rules: its keys as they arrive, then its finishing call.
#include "game/rules/turn.h"

#include "game/rules/controls.h"
#include "game/rules/tick.h"

namespace crv {

// The bits follow the arrows' codes, which run left, up, right, down.
static_assert(KeyUp == KeyLeft + 1 && KeyRight == KeyLeft + 2 && KeyDown == KeyLeft + 3);

std::uint8_t heldBitOf(int virtualKey) {
    if (virtualKey < KeyLeft || virtualKey > KeyDown) {
        return 0;
    }
    return static_cast<std::uint8_t>(1u << (virtualKey - KeyLeft));
}

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
