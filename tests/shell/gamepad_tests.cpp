// Gamepads in the running shell: SDL's virtual pads pressed, held and plugged in while playing.
#include "pad_fixture.h"

#include "game/rules/game.h"
#include "game/shell/live_game.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using crv::testing::PadTest;

constexpr Sint16 farLeft = -26000; // 80% of full deflection
constexpr Sint16 farRight = 26000;
constexpr Sint16 farDown = 26000;
constexpr Sint16 slightLeft = -8000; // 25%, inside the dead zone

bool turned(const crv::Game& game) {
    return game.fallingPiece.colors[0] != 1;
}

TEST_F(PadTest, EachPressActsOnceAsItsKey) {
    SDL_Joystick* pad = plugPad();
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    settle();
    ASSERT_EQ(openPads(), 1) << "a pad present at start is opened";

    const struct {
        const char* name;
        int button; // or -1 for a stick flick
        Sint16 stickX;
        int columnMove;
        bool turns;
        std::int32_t state;
    } cases[] = {
        {"D-pad left", SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, -1, false, crv::Playing},
        {"D-pad right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, 1, false, crv::Playing},
        {"D-pad up", SDL_CONTROLLER_BUTTON_DPAD_UP, 0, 0, true, crv::Playing},
        {"A", SDL_CONTROLLER_BUTTON_A, 0, 0, true, crv::Playing},
        {"B outside the question", SDL_CONTROLLER_BUTTON_B, 0, 0, false, crv::Playing},
        {"Start", SDL_CONTROLLER_BUTTON_START, 0, 0, false, crv::Paused},
        {"Back", SDL_CONTROLLER_BUTTON_BACK, 0, 0, false, crv::ConfirmQuit},
        {"stick far left", -1, farLeft, -1, false, crv::Playing},
        {"stick far right", -1, farRight, 1, false, crv::Playing},
        {"stick slightly left", -1, slightLeft, 0, false, crv::Playing},
    };
    for (const auto& c : cases) {
        freshPiece();
        if (c.button >= 0) {
            tap(pad, static_cast<SDL_GameControllerButton>(c.button));
        } else {
            flick(pad, SDL_CONTROLLER_AXIS_LEFTX, c.stickX);
        }
        settle();
        const crv::Game& game = shell->game;
        EXPECT_EQ(game.fallingPiece.column, 4 + c.columnMove) << c.name;
        EXPECT_EQ(turned(game), c.turns) << c.name;
        EXPECT_EQ(game.gameState, c.state) << c.name;
    }
}

TEST_F(PadTest, HeldDirectionsKeepActingThroughThePoll) {
    SDL_Joystick* pad = plugPad();
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    settle();

    const struct {
        const char* name;
        int button; // or -1 for the stick
        SDL_GameControllerAxis axis;
        Sint16 value;
        bool slidesToTheWall; // else drops
    } cases[] = {
        {"D-pad left", SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_AXIS_LEFTX, 0, true},
        {"stick left", -1, SDL_CONTROLLER_AXIS_LEFTX, farLeft, true},
        {"D-pad down", SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_AXIS_LEFTY, 0, false},
        {"stick down", -1, SDL_CONTROLLER_AXIS_LEFTY, farDown, false},
    };
    for (const auto& c : cases) {
        freshPiece();
        if (c.button >= 0) {
            SDL_JoystickSetVirtualButton(pad, c.button, 1);
        } else {
            SDL_JoystickSetVirtualAxis(pad, c.axis, c.value);
        }
        const crv::FallingPiece& piece = shell->game.fallingPiece;
        // Four moves take about 16 sixtieths; five rows at the held drop's 0.23 rows a
        // sixtieth about 22, where the plain fall covers barely one row in 40.
        if (c.slidesToTheWall) {
            EXPECT_TRUE(playUntil(40.0f, [&] { return piece.column == 0; })) << c.name;
        } else {
            EXPECT_TRUE(playUntil(40.0f, [&] { return piece.row >= 5; })) << c.name;
        }
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0);
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0);
        SDL_JoystickSetVirtualAxis(pad, c.axis, 0);
        settle();
    }
}

TEST_F(PadTest, TheStickActsOnlyOutsideItsDeadZoneAndLetsGoBelowIt) {
    SDL_Joystick* pad = plugPad();
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    settle();
    freshPiece();
    const crv::FallingPiece& piece = shell->game.fallingPiece;

    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, slightLeft);
    EXPECT_FALSE(playUntil(20.0f, [&] { return piece.column != 4; })) << "inside the dead zone";

    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, farLeft);
    EXPECT_TRUE(playUntil(20.0f, [&] { return piece.column == 3; }));
    // Eased back to 35%: still held, since the stick lets go only below 30%.
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -11500);
    EXPECT_TRUE(playUntil(20.0f, [&] { return piece.column == 1; }));
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, slightLeft);
    settle();
    const int column = piece.column;
    EXPECT_FALSE(playUntil(20.0f, [&] { return piece.column != column; })) << "let go";
}

TEST_F(PadTest, AStickInMotionDoesNotHoldBackThePressesBehindIt) {
    SDL_Joystick* pad = plugPad();
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    settle();
    // A real stick reports every small change, hundreds a second, on every axis.
    for (int i = 0; i < 300; ++i) {
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX, static_cast<Sint16>(i * 100));
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(-i * 10));
        SDL_PumpEvents();
    }
    tap(pad, SDL_CONTROLLER_BUTTON_START);
    for (int turn = 0; turn < 10 && shell->game.gameState != crv::Paused; ++turn) {
        crv::runWindowTurn(shell->window, *shell);
    }
    EXPECT_EQ(shell->game.gameState, crv::Paused);
}

TEST_F(PadTest, PadsPluggedInWhilePlayingActTogetherAndGoWhenPulled) {
    SDL_Joystick* first = plugPad();
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    settle();
    freshPiece();
    play(30.0f);

    SDL_Joystick* second = plugPad();
    settle();
    ASSERT_EQ(openPads(), 2);
    tap(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    settle();
    EXPECT_EQ(shell->game.fallingPiece.column, 5);

    // The second pad holds left while the first rests: the game sees left held.
    SDL_JoystickSetVirtualButton(second, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    EXPECT_TRUE(playUntil(60.0f, [&] { return shell->game.fallingPiece.column == 0; }));

    unplugPad(second);
    settle();
    EXPECT_EQ(openPads(), 1);
    EXPECT_FALSE(crv::isGamepadHeld(shell->window.gamepads, crv::KeyLeft))
        << "a pulled pad holds nothing";
    freshPiece();
    tap(first, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    settle();
    EXPECT_EQ(shell->game.fallingPiece.column, 3);

    plugPad();
    settle();
    EXPECT_EQ(openPads(), 2) << "the pulled pad's place is free again";
}

TEST_F(PadTest, InTheQuitQuestionBSaysNoAndASaysYes) {
    SDL_Joystick* pad = plugPad();
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    settle();

    tap(pad, SDL_CONTROLLER_BUTTON_BACK);
    settle();
    ASSERT_EQ(shell->game.gameState, crv::ConfirmQuit);
    tap(pad, SDL_CONTROLLER_BUTTON_B);
    settle();
    EXPECT_EQ(shell->game.gameState, crv::Playing);

    tap(pad, SDL_CONTROLLER_BUTTON_BACK);
    settle();
    ASSERT_EQ(shell->game.gameState, crv::ConfirmQuit);
    tap(pad, SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(playUntil(60.0f, [&] { return !shell->window.open; }));
    EXPECT_EQ(shell->game.gameState, crv::Closed);
    EXPECT_TRUE(handedBack());
}

} // namespace
