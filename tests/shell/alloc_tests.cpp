// No loop turn allocates: turns with pads pressed, moved, plugged in and pulled ask nothing of
// the heap.
#include "pad_fixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocationCount{0};
}

// AddressSanitizer's own operator new meets this one inside the GL driver's libraries and
// reports a mismatch, so the count is taken in the builds without it.
#if !defined(__SANITIZE_ADDRESS__)
#define CRV_COUNT_ALLOCATIONS 1

// Counts this program's C++ allocations; SDL's and Mesa's own C allocations are not ours.
void* operator new(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#endif

namespace {

using crv::testing::PadTest;

TEST_F(PadTest, LoopTurnsWithPadEventsAllocateNothing) {
#if !defined(CRV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocations are counted in the builds without AddressSanitizer";
#endif
    SDL_Joystick* pad = plugPad();
    ASSERT_TRUE(crv::startShell(*shell));
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
        EXPECT_EQ(openPads(), 1);
        EXPECT_EQ(shell->game.gameState, crv::Playing);
    }
}

} // namespace
