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
        crv::RenderSettings settings;
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

} // namespace
