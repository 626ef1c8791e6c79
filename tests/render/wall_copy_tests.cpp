// The wall copied from its kept picture against the wall drawn anew: the same frame exactly.
#include "game/render/gl_state.h"
#include "scene_fixture.h"

namespace {

using crv::testing::SceneTest;

int differingPixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size(); i += 3) {
        count += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2] ? 1 : 0;
    }
    return count;
}

TEST_F(SceneTest, TheCopiedWallDrawsTheSameFrameAsTheDrawnOne) {
    writePatternImages();
    for (int column = 0; column < crv::columnCount; ++column) {
        for (int row = 6; row < crv::rowCount; ++row) {
            game.playfield.at(column, row) = (column * 7 + row * 3) % crv::colorCount + 1;
        }
    }
    game.swingAmplitude[0] = 25.0f;
    game.swingAmplitude[1] = 30.0f;
    game.swingAmplitude[2] = 35.0f;
    game.frameTime = 37.0f;
    game.showFps = 1;
    // Each case after the first changes what the kept picture was taken for; the 16:9 view
    // leaves the clear colour showing beside the wall.
    const struct {
        int width;
        int height;
        float clearGrey;
        int bilinear;
        std::int32_t state;
    } cases[] = {
        {320, 240, 0.0f, 1, crv::Playing}, {320, 240, 0.0f, 1, crv::Paused},
        {300, 240, 0.0f, 1, crv::Playing}, {320, 180, 0.0f, 1, crv::Playing},
        {320, 180, 0.5f, 1, crv::Playing}, {320, 240, 0.5f, 0, crv::Playing},
    };
    for (int textured = 0; textured <= 1; ++textured) {
        crv::Settings settings = crv::gameDefaultSettings;
        settings.gameMode = 1;
        settings.texturedPlayfield = textured;
        settings.texturedBlocks = textured;
        settings.backgroundPicture = 1;
        settings.antialiasedLines = 1;
        auto picture = makePicture(settings);
        drawAndRead(*picture); // the first frame is lit from the set-up direction
        for (const auto& c : cases) {
            viewWidth = c.width;
            viewHeight = c.height;
            picture->scene.settings.bilinearFiltering = c.bilinear;
            game.gameState = c.state;
            crv::setClearColor(c.clearGrey, c.clearGrey, c.clearGrey, 0.0f);
            const float swing = picture->playfield.swingClock;
            const float spin = picture->preview.spin;
            const float phase = picture->playfield.hiddenColorPhase;
            auto drawAgain = [&] {
                picture->playfield.swingClock = swing;
                picture->preview.spin = spin;
                picture->playfield.hiddenColorPhase = phase;
                return drawAndRead(*picture);
            };
            const auto afterChange = drawAgain(); // the picture kept before is not this view's
            drawAgain();                          // the second frame for a view keeps its wall
            const auto copied = drawAgain();
            EXPECT_TRUE(picture->wall.valid);
            picture->wall.valid = false;
            const auto drawn = drawAgain();
            EXPECT_EQ(differingPixels(drawn, afterChange), 0)
                << "textured " << textured << " view " << c.width << "x" << c.height;
            EXPECT_EQ(differingPixels(drawn, copied), 0)
                << "textured " << textured << " view " << c.width << "x" << c.height;
        }
    }
}

} // namespace
