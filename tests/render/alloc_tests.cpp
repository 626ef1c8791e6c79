// No frame allocates: drawing every state of a full game asks nothing of the heap.
#include "scene_fixture.h"

#define CRV_ALLOCATIONS_MEET_GL 1
#include "tests/counted_allocations.h"

namespace {

using crv::testing::SceneTest;

TEST_F(SceneTest, DrawingFramesAllocatesNothing) {
#if !defined(CRV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocations are counted in the builds without AddressSanitizer";
#endif
    writePatternImages();
    crv::Settings settings = crv::gameDefaultSettings;
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
