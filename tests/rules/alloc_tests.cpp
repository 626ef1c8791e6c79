// No tick allocates: a long scripted game runs with zero heap allocations after start-up.
#include "rules_fixture.h"

#include "tests/counted_allocations.h"

namespace {

/// Effects that record nothing, so that only the rules could allocate.
class CountingEffects final : public crv::GameEffects {
  public:
    bool isKeyHeld(int virtualKey) override { return held[virtualKey]; }
    void playSound(crv::SoundCue) override { ++sounds; }
    void destroyWindow() override { ++destroys; }

    bool held[256] = {};
    long sounds = 0;
    long destroys = 0;
};

TEST(AllocationTest, AWholeScriptedGameAllocatesNothing) {
    crv::Game game;
    CountingEffects effects;
    game.effects = &effects;
    game.soundOn = 1;
    resetGame(game);

    const long before = allocationCount.load();
    // Steer with a fixed rhythm of keys until the game ends by itself.
    int turnNumber = 0;
    for (; turnNumber < 20000 && game.gameState != crv::Closed; ++turnNumber) {
        const int phase = turnNumber % 120;
        const int lane = turnNumber / 120 % 7;
        effects.held[crv::KeyLeft] = phase < 6 * lane && lane < 4;
        effects.held[crv::KeyRight] = phase < 6 * (lane - 3) && lane >= 4;
        effects.held[crv::KeyUp] = phase == 50;
        effects.held[crv::KeyDown] = phase > 100;
        if (turnNumber % 997 == 500) {
            crv::handleGameKey(game, crv::KeyP);
            crv::handleGameKey(game, crv::KeyP);
        }
        game.frameTime = 1.0f + static_cast<float>(turnNumber % 3) * 0.5f;
        crv::pollControls(game);
        crv::gameTick(game);
    }
    const long after = allocationCount.load();

    EXPECT_EQ(after - before, 0);
    EXPECT_EQ(game.gameState, crv::Closed) << "the game should end by itself";
    EXPECT_GT(turnNumber, 2000);
    EXPECT_GT(effects.sounds, 100);
}

} // namespace
