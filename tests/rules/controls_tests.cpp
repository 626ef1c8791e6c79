// Keys, held arrows, move tests and cooldowns.
#include "rules_fixture.h"

using namespace crv;

namespace {

class ControlsTest : public RulesTest {
  protected:
    /// Spawns the first piece and leaves it at the entry.
    void spawn() { turn(); }
};

TEST_F(ControlsTest, TapShorterThanATurnStillMovesOneColumn) {
    spawn();
    tap(KeyLeft);
    turn();
    EXPECT_EQ(game.fallingPiece.column, 3);
    EXPECT_EQ(game.keyDown[KeyLeft], 0);
    EXPECT_EQ(game.playfield.at(3, 0), game.fallingPiece.colors[0]);
    EXPECT_EQ(game.playfield.at(5, 0), 0);
    EXPECT_EQ(effects.sounds, std::vector<crv::SoundCue>{crv::MoveCue});
}

TEST_F(ControlsTest, EdgesRefuseMovesSilently) {
    spawn();
    game.fallingPiece.column = 0;
    tap(KeyLeft);
    turn();
    EXPECT_EQ(game.fallingPiece.column, 0);
    game.fallingPiece.column = 8;
    tap(KeyRight);
    turn();
    EXPECT_EQ(game.fallingPiece.column, 8);
    EXPECT_TRUE(effects.sounds.empty());
}

TEST_F(ControlsTest, FirstCooldownsLastSixAndFourteenTicks) {
    struct Case {
        int key;
        int secondActionTurn;
    };
    for (const Case& c : {Case{KeyLeft, 7}, Case{KeyUp, 15}}) {
        restart();
        spawn();
        press(c.key);
        std::vector<int> actionTurns;
        for (int turnNumber = 1; turnNumber <= 20; ++turnNumber) {
            const std::size_t before = effects.sounds.size();
            turn();
            if (effects.sounds.size() > before) {
                actionTurns.push_back(turnNumber);
            }
        }
        ASSERT_GE(actionTurns.size(), 2u) << "key " << c.key;
        EXPECT_EQ(actionTurns[0], 1) << "key " << c.key;
        EXPECT_EQ(actionTurns[1], c.secondActionTurn) << "key " << c.key;
    }
}

} // namespace

namespace {

TEST_F(ControlsTest, RightAfterLeftWaitsForTheCooldownAndAShortTapIsLost) {
    spawn();
    tap(KeyLeft);
    press(KeyRight);
    turn(); // left moves; right is refused by the cooldown
    EXPECT_EQ(game.fallingPiece.column, 3);
    turns(5);
    EXPECT_EQ(game.fallingPiece.column, 3);
    turn(); // the cooldown ran out in the previous tick; the held right key moves now
    EXPECT_EQ(game.fallingPiece.column, 4);

    restart();
    spawn();
    tap(KeyLeft);
    tap(KeyRight);
    turn();
    turns(10);
    EXPECT_EQ(game.fallingPiece.column, 3);
    EXPECT_EQ(game.keyDown[KeyRight], 0);
}

TEST_F(ControlsTest, LookAheadReachesIntoTheNextRowBeyondThreeQuarters) {
    struct Case {
        float fallProgress;
        int expected;
    };
    for (const Case& c : {Case{0.8f, 0}, Case{0.75f, 1}, Case{0.5f, 1}}) {
        restart();
        spawn();
        game.playfield.at(3, 2) = 6; // beside-and-below on the left
        game.playfield.at(6, 2) = 6; // the same on the right
        game.fallingPiece.fallProgress = c.fallProgress;
        EXPECT_EQ(canMoveLeft(game), c.expected) << c.fallProgress;
        EXPECT_EQ(canMoveRight(game), c.expected) << c.fallProgress;
    }
}

TEST_F(ControlsTest, SideCellsBlockAndTheBottomRowsTestOnlyThemselves) {
    spawn();
    game.playfield.at(3, 1) = 2;
    EXPECT_EQ(canMoveLeft(game), 0);
    EXPECT_EQ(canMoveRight(game), 1);
    // On rows 16 and 17 the look-ahead has no row to reach into.
    game.fallingPiece.row = 16;
    game.fallingPiece.fallProgress = 0.9f;
    EXPECT_EQ(canMoveLeft(game), 1);
    EXPECT_EQ(canMoveRight(game), 1);
}

TEST_F(ControlsTest, TurnMovesColorsClockwiseAndIsNeverRefused) {
    game.fallingPiece.colors[0] = 1; // top-left
    game.fallingPiece.colors[1] = 2; // top-right
    game.fallingPiece.colors[2] = 3; // bottom-left
    game.fallingPiece.colors[3] = 4; // bottom-right
    rotateClockwise(game);
    const std::int32_t expected[4] = {3, 1, 4, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(game.fallingPiece.colors[i], expected[i]) << i;
    }
    EXPECT_EQ(canRotate(game), 1);
}

TEST_F(ControlsTest, KeysMoveBetweenStates) {
    struct Case {
        int state;
        int key;
        int expectedState;
        int expectedSaved;
    };
    const int saved = 99; // what savedState held before the key
    const Case cases[] = {
        {Playing, KeyEscape, ConfirmQuit, Playing},
        {Removing, KeyEscape, ConfirmQuit, Removing},
        {ConfirmQuit, KeyEscape, saved, saved},
        {ConfirmQuit, KeyN, saved, saved},
        {ConfirmQuit, KeyY, Quitting, saved},
        {ConfirmQuit, KeyP, ConfirmQuit, saved},
        {Paused, KeyEscape, Paused, saved},
        {Paused, KeyP, saved, saved},
        {Playing, KeyP, Paused, Playing},
        {Removing, KeyP, Paused, Removing},
        {GameOver, KeyEscape, GameOver, saved},
        {GameOver, KeyP, GameOver, saved},
        {Playing, KeyY, Playing, saved},
        {Playing, KeyN, Playing, saved},
        {Playing, 65, Playing, saved},
    };
    for (const Case& c : cases) {
        game.gameState = c.state;
        game.savedState = saved;
        handleGameKey(game, c.key);
        EXPECT_EQ(game.gameState, c.expectedState) << "state " << c.state << " key " << c.key;
        EXPECT_EQ(game.savedState, c.expectedSaved) << "state " << c.state << " key " << c.key;
    }
}

TEST_F(ControlsTest, TogglesWorkInEveryStateAndSoundOffSilencesCues) {
    for (int state : {Playing, Paused, ConfirmQuit, GameOver}) {
        game.gameState = state;
        const int fps = game.showFps;
        handleGameKey(game, KeyF);
        EXPECT_EQ(game.showFps, 1 - fps) << state;
    }
    game.gameState = Playing;
    spawn();
    handleGameKey(game, KeyS);
    EXPECT_EQ(game.soundOn, 0);
    tap(KeyLeft);
    turn();
    EXPECT_EQ(game.fallingPiece.column, 3);
    EXPECT_TRUE(effects.sounds.empty());
    handleGameKey(game, KeyS);
    EXPECT_EQ(game.soundOn, 1);
}

TEST_F(ControlsTest, DownHeldWhilePausedDropsOneRowPerTickAfterThePause) {
    spawn();
    tap(KeyP);
    press(KeyDown);
    turns(50); // 50 x 0.2 = 10 rows of progress, and the piece stands still
    EXPECT_EQ(game.fallingPiece.row, 0);
    EXPECT_GT(game.fallingPiece.fallProgress, 9.9f);
    release(KeyDown);
    tap(KeyP);
    for (int row = 1; row <= 5; ++row) {
        turn();
        EXPECT_EQ(game.fallingPiece.row, row);
    }
}

} // namespace
