// The state machine: removal steps and chains, game over, pause and quit, best score.
#include "rules_fixture.h"

using namespace crv;

namespace {

class TickTest : public RulesTest {
  protected:
    /// Lands a piece on a prepared grid so that a three-link chain follows:
    /// colour 1 goes first, whose removal completes a row of 2, whose removal completes 3s.
    void prepareThreeLinkChain() {
        setBottomRows({".....33...", "...3322211"});
        game.nextPiece[0] = 4;
        game.nextPiece[1] = 1;
        game.nextPiece[2] = 2;
        game.nextPiece[3] = 1;
        turn();
        game.fallingPiece.column = 8;
        while (game.gameState == Playing) {
            turn();
        }
    }

    /// Lands a piece that completes a group of four, so a removal step starts.
    void startRemoval() {
        setBottomRows({"11........"});
        game.nextPiece[0] = 2;
        game.nextPiece[1] = 3;
        game.nextPiece[2] = 1;
        game.nextPiece[3] = 1;
        turn();
        game.fallingPiece.column = 2;
        while (game.gameState == Playing) {
            turn();
        }
    }

    /// Ends the game at the next spawn.
    void endGame() {
        for (int row = 2; row < rowCount; ++row) {
            game.playfield.at(4, row) = 1 + row % 2 * 4;
        }
        turn();
    }
};

TEST_F(TickTest, ThreeLinkChainScoresFiftySeventyFiveAndHundredTwelveAndAHalf) {
    prepareThreeLinkChain();
    ASSERT_EQ(game.gameState, Removing);
    std::vector<float> removals;
    while (game.gameState == Removing) {
        const float before = game.score;
        turn();
        if (game.score != before) {
            removals.push_back(game.score - before);
        }
    }
    // Four cells in each link.
    EXPECT_EQ(removals, (std::vector<float>{200.0f, 300.0f, 450.0f}));
    EXPECT_EQ(game.scoreMultiplier, 2.25f);
    int whooshes = 0;
    for (const crv::SoundCue sound : effects.sounds) {
        whooshes += sound == crv::WhooshCue;
    }
    EXPECT_EQ(whooshes, 3);
    EXPECT_EQ(game.playfield.at(8, 17), 4); // the only cell left
}

TEST_F(TickTest, RemovalStepTakesThirtyEightTicksAndWhooshesAtItsStart) {
    startRemoval();
    ASSERT_EQ(game.gameState, Removing);
    EXPECT_EQ(effects.sounds.back(), crv::WhooshCue); // in the landing tick itself
    int ticks = 1;                                    // the landing tick ran the clock once
    while (game.gameState == Removing) {
        turn();
        ++ticks;
    }
    EXPECT_EQ(ticks, 38);
    EXPECT_EQ(game.gameState, Playing);
}

TEST_F(TickTest, WhooshWaitsForTheFirstTickWithAPositiveFrameTime) {
    startRemoval();
    // Start a fresh removal step by hand with a stalled clock.
    game.removalProgress = 0.0f;
    game.whooshPending = 1;
    effects.sounds.clear();
    turns(3, 0.0f);
    EXPECT_TRUE(effects.sounds.empty());
    EXPECT_EQ(game.whooshPending, 1);
    turn(0.5f);
    EXPECT_EQ(effects.sounds, std::vector<crv::SoundCue>{crv::WhooshCue});
    EXPECT_EQ(game.whooshPending, 0);
}

TEST_F(TickTest, AStallPlaysAndRemovesInOneTick) {
    startRemoval();
    game.removalProgress = 0.0f;
    game.whooshPending = 1;
    effects.sounds.clear();
    const float before = game.score;
    turn(100.0f);
    EXPECT_EQ(effects.sounds, std::vector<crv::SoundCue>{crv::WhooshCue});
    EXPECT_EQ(game.score - before, 200.0f);
    EXPECT_EQ(game.gameState, Playing);
}

TEST_F(TickTest, GameOverEndsJustAfter256AndDestroysTheWindowOnce) {
    endGame();
    ASSERT_EQ(game.gameState, GameOver);
    EXPECT_EQ(game.gameOverTime, 1.0f); // the ending tick already counts
    turn(255.0f);
    EXPECT_EQ(game.gameOverTime, 256.0f);
    EXPECT_EQ(game.gameState, GameOver);
    turn(0.25f);
    EXPECT_EQ(game.gameState, Quitting);
    EXPECT_EQ(effects.destroyCount, 0);
    turn();
    EXPECT_EQ(game.gameState, Closed);
    turns(3);
    EXPECT_EQ(effects.destroyCount, 1);
}

TEST_F(TickTest, GameOverDisplayLasts257TicksAtSixtyPerSecond) {
    endGame();
    int ticks = 1;
    while (game.gameState == GameOver) {
        turn();
        ++ticks;
    }
    EXPECT_EQ(ticks, 257);
}

TEST_F(TickTest, EscapeThenNReturnsToTheRemovalWhereItStood) {
    startRemoval();
    turns(10);
    const Game before = game;
    tap(KeyEscape);
    turns(20);
    EXPECT_EQ(game.gameState, ConfirmQuit);
    tap(KeyN);
    EXPECT_EQ(game.gameState, Removing);
    EXPECT_EQ(game.removalProgress, before.removalProgress);
    EXPECT_EQ(game.score, before.score);
    for (int i = 0; i < cellCount; ++i) {
        EXPECT_EQ(game.playfield.cells[i], before.playfield.cells[i]) << i;
    }
}

TEST_F(TickTest, YDuringARemovalQuitsAtOnceWithTheScoreOfThatMoment) {
    startRemoval();
    const float score = game.score;
    tap(KeyEscape);
    tap(KeyY);
    turn(); // the tick of the same loop turn acts on Quitting
    EXPECT_EQ(game.gameState, Closed);
    EXPECT_EQ(effects.destroyCount, 1);
    EXPECT_EQ(game.score, score);
}

TEST_F(TickTest, PauseFreezesTheGameButNotTheBestScore) {
    turn();
    game.bestScore = 5.0f;
    tap(KeyP);
    const FallingPiece piece = game.fallingPiece;
    game.score = 7.5f;
    turns(100);
    EXPECT_EQ(game.bestScore, 7.5f);
    EXPECT_EQ(game.fallingPiece.fallProgress, piece.fallProgress);
    EXPECT_EQ(game.swingAmplitude[0], 0.001f);
}

TEST_F(TickTest, ResetEmptiesTheGridAndStartsPlayingButKeepsTheScore) {
    game.playfield.at(3, 3) = 4;
    game.gameState = GameOver;
    game.score = 12.0f;
    game.keyDown[KeyLeft] = 1;
    game.swingAmplitude[1] = 3.0f;
    resetGame(game);
    EXPECT_EQ(game.playfield.at(3, 3), 0);
    EXPECT_EQ(game.gameState, Playing);
    EXPECT_EQ(game.score, 12.0f);
    EXPECT_EQ(game.keyDown[KeyLeft], 0);
    EXPECT_EQ(game.swingAmplitude[1], 0.0f);
}

TEST_F(TickTest, SwingGrowsWhileFallingUpToItsCaps) {
    turns(10);
    EXPECT_FLOAT_EQ(game.swingAmplitude[0], 0.01f);
    EXPECT_FLOAT_EQ(game.swingAmplitude[1], 0.005f);
    game.swingAmplitude[0] = 89.9999f;
    game.swingAmplitude[1] = 44.9999f;
    game.swingAmplitude[2] = 44.9999f;
    turn(10.0f);
    EXPECT_EQ(game.swingAmplitude[0], 90.0f);
    EXPECT_EQ(game.swingAmplitude[1], 45.0f);
    EXPECT_EQ(game.swingAmplitude[2], 45.0f);
}

} // namespace
