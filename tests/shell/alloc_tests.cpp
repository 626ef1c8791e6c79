// No loop turn allocates: turns with keys, a pointer flood, a resized window, full screen, and
// pads pressed, moved, plugged in and pulled ask nothing of the heap, recorded as they are; nor
// does a turn of watching a replay.
#include "pad_fixture.h"
#include "replay_fixture.h"

#include "game/shell/watch_replay.h"

#define CRV_ALLOCATIONS_MEET_GL 1
#include "tests/counted_allocations.h"

namespace {

using crv::testing::PadTest;

TEST_F(PadTest, LoopTurnsWithPadEventsAllocateNothing) {
#if !defined(CRV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocations are counted in the builds without AddressSanitizer";
#endif
    SDL_Joystick* pad = plugPad();
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    settle();
    for (int round = 0; round < 2; ++round) {
        freshPiece();
        const long before = allocationCount.load();
        SDL_Joystick* second = plugPad();
        settle();
        tap(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        tap(second, SDL_CONTROLLER_BUTTON_A);
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 30000);
        SDL_JoystickSetVirtualButton(second, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
        for (int i = 0; i < 20; ++i) {
            SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX,
                                       static_cast<Sint16>(i % 2 == 0 ? -30000 : 0));
            settle();
        }
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
        tap(pad, SDL_CONTROLLER_BUTTON_START);
        tap(pad, SDL_CONTROLLER_BUTTON_START);
        unplugPad(second);
        settle();
        if (round == 1) { // the first round lets the GL and SDL build what they keep
            EXPECT_EQ(allocationCount.load() - before, 0);
        }
        const crv::ReplayRecord& record = shell->recording.record;
        EXPECT_GT(record.turnCount, 20u * (round + 1));
        EXPECT_FALSE(record.cut);
        EXPECT_EQ(openPads(), 1);
        EXPECT_EQ(shell->game.gameState, crv::Playing);
    }
}

TEST_F(PadTest, LoopTurnsOfKeysPointerResizingAndFullScreenAllocateNothing) {
#if !defined(CRV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocations are counted in the builds without AddressSanitizer";
#endif
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    // Turns of every kind: keys, a pointer flood, a resized window, full screen and back.
    const auto busyTurns = [this] {
        for (int i = 0; i < 40; ++i) {
            SDL_Event event{};
            event.type = i % 2 == 0 ? SDL_MOUSEMOTION : SDL_MOUSEBUTTONDOWN;
            event.button.windowID = SDL_GetWindowID(shell->window.sdlWindow);
            SDL_PushEvent(&event);
            const SDL_Keycode keys[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_p, SDLK_p};
            if (i % 8 < 5) {
                pushKey(keys[i % 8]);
            }
            if (i == 10) {
                SDL_SetWindowSize(shell->window.sdlWindow, 800, 500);
            }
            if (i == 20 || i == 30) {
                pushKey(SDLK_F11);
            }
            ASSERT_TRUE(crv::runWindowTurn(shell->window, *shell));
        }
        SDL_SetWindowSize(shell->window.sdlWindow, 512, 384);
    };
    busyTurns(); // lets SDL and the GL build what they keep
    const long before = allocationCount.load();
    busyTurns();
    EXPECT_EQ(allocationCount.load() - before, 0);
    // Every turn went into the record, with its keys.
    const crv::ReplayRecord& record = shell->recording.record;
    EXPECT_EQ(record.turnCount, 80u);
    EXPECT_GT(record.used, 80u * crv::replayTurnBytes + 40u);
    EXPECT_FALSE(record.cut);
}

TEST_F(PadTest, TurnsOfWatchingAReplayAllocateNothing) {
#if !defined(CRV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocations are counted in the builds without AddressSanitizer";
#endif
    crv::stopGameWindow(shell->window); // the watching is a run of its own
    const auto owned = std::make_unique<crv::Watch>();
    crv::Watch& watch = *owned;
    crv::reserveReplay(watch.record, {1, 1, 1, 0.0f}, 1 << 16);
    crv::testing::recordTurns(watch.record,
                              {{1.0f, crv::HeldDown, {}},
                               {0.0f, 0, {crv::KeyLeft, crv::KeyUp}},
                               {2.5f, crv::HeldRight, {crv::KeyRight}}},
                              1000);
    clock.step = crv::testing::ticksPerSixtieth;
    watch.window.clock = clock.gameClock();
    ASSERT_TRUE(crv::startGameWindow(watch.window, watch));
    // Turns played, the viewer's keys (F, P twice, a game key, full screen and back) and
    // turns with nothing due.
    const auto watchTurns = [this, &watch] {
        const SDL_Keycode keys[] = {SDLK_f, SDLK_p, SDLK_p, SDLK_LEFT, SDLK_F11, SDLK_F11};
        for (int i = 0; i < 60; ++i) {
            if (i % 10 == 0) {
                SDL_Event event{};
                event.type = SDL_KEYDOWN;
                event.key.keysym.sym = keys[i / 10];
                event.key.keysym.scancode = SDL_GetScancodeFromKey(keys[i / 10]);
                SDL_PushEvent(&event);
            }
            clock.step = i % 3 == 0 ? 0 : crv::testing::ticksPerSixtieth * 3;
            ASSERT_TRUE(crv::runWindowTurn(watch.window, watch));
        }
    };
    watchTurns(); // lets SDL and the GL build what they keep
    const long before = allocationCount.load();
    const std::uint32_t turnsBefore = watch.turnsPlayed;
    watchTurns();
    EXPECT_EQ(allocationCount.load() - before, 0);
    EXPECT_GT(watch.turnsPlayed, turnsBefore + 50);
    crv::stopGameWindow(watch.window);
}

} // namespace
