// The batched block drawing against the block-by-block drawing: the same frame, pixel for pixel.
#include "scene_fixture.h"

#include <algorithm>
#include <cstdlib>

namespace {

using crv::testing::SceneTest;

struct Difference {
    int pixels = 0;  // pixels that differ at all
    int flipped = 0; // pixels that differ by more than one step of a channel
};

Difference compare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    Difference d;
    for (std::size_t i = 0; i < a.size(); i += 3) {
        int most = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            most = std::max(most, std::abs(int(a[i + k]) - int(b[i + k])));
        }
        d.pixels += most > 0 ? 1 : 0;
        d.flipped += most > 1 ? 1 : 0;
    }
    return d;
}

/// A full playfield with all six colours; every third cell marked when asked.
void fill(crv::Game& game, bool marked) {
    for (int column = 0; column < crv::columnCount; ++column) {
        for (int row = 0; row < crv::rowCount; ++row) {
            const int color = (column * 7 + row * 3) % crv::colorCount + 1;
            const bool mark = marked && (column + row) % 3 == 0;
            game.playfield.at(column, row) = mark ? -color : color;
        }
    }
}

TEST_F(SceneTest, BatchedBlocksDrawTheSameFrameAsBlockByBlock) {
    writePatternImages();
    const struct {
        std::int32_t state;
        bool marked;
        float progress;
    } states[] = {
        {crv::Playing, false, 0.0f}, {crv::Removing, true, 0.0f},    {crv::Removing, true, 0.5f},
        {crv::Removing, true, 1.0f}, {crv::Removing, true, 1.7f},    {crv::Removing, true, 2.5f},
        {crv::Paused, false, 0.0f},  {crv::ConfirmQuit, true, 1.2f},
    };
    for (int textured = 0; textured <= 1; ++textured) {
        crv::Settings settings = crv::gameDefaultSettings;
        settings.gameMode = 1;
        settings.texturedPlayfield = textured;
        settings.texturedBlocks = textured;
        settings.bilinearFiltering = textured;
        settings.backgroundPicture = textured;
        settings.antialiasedLines = textured;
        auto slow = makePicture(settings);
        auto fast = makePicture(settings);
        slow->blockDrawing = crv::BlockDrawing::OneByOne;
        // One frame first: the light's direction is shared GL state, set anew by each frame.
        game.gameState = crv::Playing;
        drawAndRead(*fast);
        fast->playfield.swingClock = slow->playfield.swingClock;
        fast->preview.spin = slow->preview.spin;
        game.swingAmplitude[0] = 25.0f;
        game.swingAmplitude[1] = 30.0f;
        game.swingAmplitude[2] = 35.0f;
        game.frameTime = 37.0f; // a long step of the clocks between the cases
        game.showFps = 1;
        for (const auto& s : states) {
            fill(game, s.marked);
            game.gameState = s.state;
            game.removalProgress = s.progress;
            const auto expected = drawAndRead(*slow);
            const auto got = drawAndRead(*fast);
            const Difference d = compare(expected, got);
            // The CPU places the vertices where a matrix per block would, to the last bit or
            // so; a pixel where two tilted sides cross at equal depth may go either way.
            const int total = viewWidth * viewHeight;
            EXPECT_LE(d.pixels, total / 1000)
                << "textured " << textured << " state " << s.state << " progress " << s.progress;
            EXPECT_LE(d.flipped, total / 20000)
                << "textured " << textured << " state " << s.state << " progress " << s.progress;
            EXPECT_EQ(slow->playfield.hiddenColorPhase, fast->playfield.hiddenColorPhase);
            EXPECT_EQ(slow->playfield.swingClock, fast->playfield.swingClock);
        }
    }
}

TEST_F(SceneTest, RaisedAndTurnedBlocksInTheQueueDrawWhereOneByOneDrawsThem) {
    writePatternImages();
    crv::Settings settings = crv::gameDefaultSettings;
    settings.texturedBlocks = 1;
    auto picture = makePicture(settings);
    const crv::BlockRecord plain{0.3f, -0.8f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.6f, 0.2f, 0.2f};
    crv::BlockRecord raised = plain;
    raised.x = 0.0f;
    raised.z = 0.6f;
    crv::BlockRecord turned = plain;
    turned.x = 0.8f;
    turned.rotationX = 40.0f;
    turned.rotationZ = 25.0f;
    const crv::QueuedBlock queue[] = {{plain, 2}, {raised, 0}, {turned, 5}};
    auto draw = [&](crv::BlockDrawing how) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        crv::drawBlocks(picture->scene, queue, 3, how);
        return readPixels();
    };
    const auto expected = draw(crv::BlockDrawing::OneByOne);
    const auto got = draw(crv::BlockDrawing::Batched);
    const Difference d = compare(expected, got);
    EXPECT_LE(d.pixels, viewWidth * viewHeight / 1000);
    EXPECT_LE(d.flipped, 2);
    // And the queue drew something at each block's place.
    for (float x : {-0.8f, 0.0f, 0.8f}) {
        const int column =
            static_cast<int>(viewWidth / 2 + x * (viewHeight / 2) / (3.0f * 0.63707f));
        EXPECT_GT(pixelAt(got, column, viewHeight / 2).red, 0) << "block at x " << x;
    }
}

} // namespace
