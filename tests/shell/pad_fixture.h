// The shell in its own working directory, with SDL's virtual pads to plug in, press and pull.
#pragma once

#include "game/rules/game.h"
#include "game/shell/live_game.h"
#include "key_events.h"
#include "replay_fixture.h"
#include "tests/common/temp_dir_fixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace crv::testing {

class PadTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        // An offscreen window never has the focus, and SDL drops pad input of a game without it.
        setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
        std::ofstream script("corvanth"); // a front end that only says it was started
        script << "#!/bin/sh\ntouch started\n";
        script.close();
        chmod("corvanth", 0755);
        shell = std::make_unique<LiveGame>();
        shell->frontEndDirectory = dir.string() + "/";
        // Pads can be plugged in before the game starts only once SDL's joysticks run.
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    }

    void TearDown() override {
        stopGameWindow(shell->window); // quits SDL, which unplugs every virtual pad
        TempDirTest::TearDown();
    }

    /// Plugs in a pad with every button and axis of the game-controller layout, all at rest;
    /// returns the test's own handle to move it.
    SDL_Joystick* plugPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(index, 0) << SDL_GetError();
        return SDL_JoystickOpen(index);
    }

    void unplugPad(SDL_Joystick* pad) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id) {
                SDL_JoystickDetachVirtual(index);
            }
        }
        SDL_JoystickClose(pad);
    }

    /// A press and release that both reach SDL before the next loop turn, so only the
    /// press event, not the held state, can tell the game about it.
    void pushKey(SDL_Keycode symbol) { pushKeyDown(shell->window.sdlWindow, symbol); }

    static void tap(SDL_Joystick* pad, SDL_GameControllerButton button) {
        SDL_JoystickSetVirtualButton(pad, button, 1);
        SDL_PumpEvents();
        SDL_JoystickSetVirtualButton(pad, button, 0);
        SDL_PumpEvents();
    }

    /// A stick flicked to this value and back to the centre before the next loop turn.
    static void flick(SDL_Joystick* pad, SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(pad, axis, value);
        SDL_PumpEvents();
        SDL_JoystickSetVirtualAxis(pad, axis, 0);
        SDL_PumpEvents();
    }

    /// Runs loop turns until every event that has reached SDL is dispatched.
    void settle() {
        SDL_PumpEvents();
        for (int turn = 0; turn < 1000 && SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); ++turn) {
            runWindowTurn(shell->window, *shell);
        }
    }

    /// Runs loop turns until `done` holds, the loop ends, or the game has run this many
    /// sixtieths of a second; true if `done` held. Game time, not the clock, so a slow
    /// machine plays the same game.
    template <class Done> bool playUntil(float sixtieths, Done done) {
        float played = 0.0f;
        while (!done()) {
            if (played > sixtieths) {
                return false;
            }
            const bool goesOn = runWindowTurn(shell->window, *shell);
            played += shell->game.frameTime;
            if (!goesOn) {
                return done();
            }
        }
        return true;
    }

    void play(float sixtieths) {
        playUntil(sixtieths, [] { return false; });
    }

    /// An empty field in Playing with a piece at the entry, four colours apart, at rest.
    void freshPiece() {
        Game& game = shell->game;
        resetGame(game);
        FallingPiece& piece = game.fallingPiece;
        piece = FallingPiece{};
        piece.column = piece.lastColumn = 4;
        piece.inPlay = 1;
        for (int i = 0; i < 4; ++i) {
            piece.colors[i] = i + 1;
        }
    }

    int openPads() const {
        int count = 0;
        for (const Gamepad& pad : shell->window.gamepads.pads) {
            count += pad.controller != nullptr ? 1 : 0;
        }
        return count;
    }

    /// Whether the fake front end was started, waiting a little for it.
    bool handedBack() {
        struct stat file {};
        for (int i = 0; i < 200; ++i) {
            if (stat("started", &file) == 0) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        return false;
    }

    std::unique_ptr<LiveGame> shell;
    /// For the tests that give a window their own clock; the others run on the real one.
    TestClock clock;
};

} // namespace crv::testing
