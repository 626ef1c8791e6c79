// No frame allocates: drawing every state of a full game asks nothing of the heap.
#include "scene_fixture.h"

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

// Counts this program's C++ allocations; Mesa's own C allocations are not ours to count.
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

using crv::testing::SceneTest;

TEST_F(SceneTest, DrawingFramesAllocatesNothing) {
#if !defined(CRV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocations are counted in the builds without AddressSanitizer";
#endif
    writePatternImages();
    crv::RenderSettings settings;
    settings.backgroundPicture = 1;
    settings.antialiasedLines = 1;
    auto picture = makePicture(settings);
    for (int column = 0; column < crv::columnCount; ++column) {
        for (int row = 4; row < crv::rowCount; ++row) {
            game.playfield.at(column, row) =
                (column + row) % 2 == 0 ? 1 + row % 6 : -(1 + column % 6);
        }
    }
    game.showFps = 1;
    game.frameTime = 1.0f;
    game.swingAmplitude[0] = 10.0f;
    const std::int32_t states[] = {crv::Playing, crv::Removing, crv::Paused, crv::ConfirmQuit,
                                   crv::GameOver};
    for (int round = 0; round < 2; ++round) {
        const long before = allocationCount.load();
        for (std::int32_t state : states) {
            game.gameState = state;
            for (int i = 0; i < 3; ++i) {
                game.removalProgress = static_cast<float>(i);
                drawFrame(*picture, game, 59.6f);
            }
        }
        if (round == 1) { // the first round lets the GL build what it keeps
            EXPECT_EQ(allocationCount.load() - before, 0);
        }
    }
}

} // namespace
