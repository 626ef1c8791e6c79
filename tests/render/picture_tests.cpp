// What a player sees: real pixels drawn offscreen and read back.
#include "game/render/block.h"
#include "game/render/font.h"
#include "scene_fixture.h"

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using crv::testing::plainSettings;
using crv::testing::Rgb;
using crv::testing::SceneTest;

bool isBlack(Rgb c) {
    return c.red == 0 && c.green == 0 && c.blue == 0;
}

/// The screen position of a point of the base frame (eye 3 units back), for a 320 x 240 view.
std::array<int, 2> screenOf(float x, float y) {
    const float perUnit = 120.0f / (3.0f * 0.63707f); // tan(32.5 degrees)
    return {static_cast<int>(160.0f + x * perUnit), static_cast<int>(120.0f - y * perUnit)};
}

TEST_F(SceneTest, ARedRecordDrawsARedSlabAtTheCentre) {
    auto picture = makePicture(plainSettings());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    const crv::BlockRecord red{0.09f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    GLfloat before[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    EXPECT_TRUE(crv::drawBlock(picture->scene, red, 0));
    GLfloat after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_TRUE(std::equal(before, before + 16, after));
    const auto pixels = readPixels();

    const Rgb centre = pixelAt(pixels, 160, 120);
    EXPECT_GT(centre.red, 200);
    EXPECT_LT(centre.green, 30);
    EXPECT_LT(centre.blue, 30);
    // 0.1823 wide at the base: about 11.4 pixels of the 62.8 a unit takes here.
    int run = 0;
    for (int x = 140; x < 180; ++x) {
        run += isBlack(pixelAt(pixels, x, 120)) ? 0 : 1;
    }
    EXPECT_GE(run, 10);
    EXPECT_LE(run, 13);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    crv::drawBlock(picture->scene, red, 3);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // A preview-sized record draws half as wide.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    crv::drawBlock(picture->scene, {0.045f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f},
                   0);
    const auto small = readPixels();
    int halfRun = 0;
    for (int x = 140; x < 180; ++x) {
        halfRun += isBlack(pixelAt(small, x, 120)) ? 0 : 1;
    }
    EXPECT_GE(halfRun, 5);
    EXPECT_LE(halfRun, 7);
}

TEST_F(SceneTest, TextAddsItsGlyphsOntoTheFrame) {
    // Every glyph cell holds a white square, but the space's stays black.
    crv::testing::writeTga("charset.tga", 256, 128, [](int x, int y) {
        const bool space = y >= 68 && y < 85 && x >= 120 && x < 132;
        const bool inner = x % 12 >= 2 && x % 12 < 10 && y % 17 >= 2 && y % 17 < 15;
        const std::uint8_t v = inner && !space ? 255 : 0;
        return crv::testing::Texel{v, v, v};
    });
    auto picture = makePicture(plainSettings());
    glClearColor(0.25f, 0.25f, 0.25f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    crv::drawText(picture->scene.font, -1.0f, 0.5f, 0.0f, 0.5f, "a b");
    const auto pixels = readPixels();
    const auto glyph = screenOf(-0.75f, 0.25f);    // middle of "a"
    const auto space = screenOf(-0.25f, 0.25f);    // middle of the space
    const auto outside = screenOf(-0.75f, -0.25f); // below the text
    const auto edge = screenOf(-0.98f, 0.48f);     // the black rim of the "a" cell
    EXPECT_GT(pixelAt(pixels, glyph[0], glyph[1]).red, 240);
    EXPECT_NEAR(pixelAt(pixels, space[0], space[1]).red, 64, 1);
    EXPECT_NEAR(pixelAt(pixels, outside[0], outside[1]).red, 64, 1);
    EXPECT_NEAR(pixelAt(pixels, edge[0], edge[1]).red, 64, 1);

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

TEST_F(SceneTest, ThePanelShowsItsCornerGradient) {
    crv::testing::writeTga("glback.tga", 256, 256, [](int, int) {
        return crv::testing::Texel{255, 255, 255};
    });
    crv::Settings settings = plainSettings();
    settings.texturedPlayfield = 1;
    auto picture = makePicture(settings);
    const auto pixels = drawAndRead(*picture);
    // Corners of the panel, shifted 0.3 left, a little inside.
    const struct {
        float x, y;
        int corner;
    } samples[] = {{-1.28f, -1.53f, 0}, {-1.28f, 1.53f, 1}, {0.50f, 1.53f, 2}, {0.50f, -1.53f, 3}};
    for (const auto& s : samples) {
        const auto at = screenOf(s.x, s.y);
        const Rgb got = pixelAt(pixels, at[0], at[1]);
        const crv::Color want = picture->scene.panelCornerColors[s.corner];
        EXPECT_NEAR(got.red, want.red * 255, 12) << "corner " << s.corner;
        EXPECT_NEAR(got.green, want.green * 255, 12) << "corner " << s.corner;
        EXPECT_NEAR(got.blue, want.blue * 255, 12) << "corner " << s.corner;
    }
}

TEST_F(SceneTest, AnEmptyPlayfieldDrawsOnlyItsLinesAndMovesNoWave) {
    auto picture = makePicture(plainSettings());
    game.gameState = crv::Paused;
    game.frameTime = 1.0f;
    const auto pixels = drawAndRead(*picture);
    EXPECT_EQ(picture->playfield.hiddenColorPhase, 0.0f);
    const auto inside = screenOf(-0.4f, -1.0f);
    EXPECT_TRUE(isBlack(pixelAt(pixels, inside[0], inside[1])));
    // The floor line is white; a column crossing it finds it.
    const auto floor = screenOf(-0.4f, -1.5606f);
    int brightest = 0;
    for (int y = floor[1] - 2; y <= floor[1] + 2; ++y) {
        brightest = std::max(brightest, pixelAt(pixels, floor[0], y).green);
    }
    EXPECT_GT(brightest, 200);
    EXPECT_FALSE(glIsEnabled(GL_BLEND)); // no antialiasing asked for
}

TEST_F(SceneTest, MarkedCellsFlashWhiteAndTexturesFollowTheSetting) {
    writePatternImages();
    crv::testing::writeTga("crvtex2.tga", 32, 32, [](int, int) {
        return crv::testing::Texel{0, 0, 0};
    });
    crv::Settings settings = plainSettings();
    game.gameState = crv::Removing;
    const auto top = screenOf(0.18f * 4 - 0.9f - 0.3f, 1.62f - 0.18f * 10);

    struct Case {
        int texturedBlocks;
        int value;
        float progress;
        const char* what;
    };
    const Case cases[] = {
        {0, 2, 0.0f, "plain colour 2"},
        {0, -2, 0.0f, "marked, not yet flashing"},
        {0, -2, 1.0f, "marked, white"},
        {1, 2, 0.0f, "textured with the black texture"},
    };
    Rgb seen[4];
    for (int i = 0; i < 4; ++i) {
        settings.texturedBlocks = cases[i].texturedBlocks;
        auto picture = makePicture(settings);
        game.playfield = crv::Playfield{};
        game.playfield.at(4, 10) = cases[i].value;
        game.removalProgress = cases[i].progress;
        seen[i] = pixelAt(drawAndRead(*picture), top[0], top[1]);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << cases[i].what;
    }
    EXPECT_GT(seen[0].red, 200) << "colour 2 is a warm yellow";
    EXPECT_LT(seen[0].blue, 100);
    EXPECT_EQ(seen[1].red, seen[0].red);
    EXPECT_EQ(seen[1].blue, seen[0].blue);
    EXPECT_GT(seen[2].blue, 240);
    EXPECT_GT(seen[2].green, 240);
    EXPECT_TRUE(isBlack(seen[3])) << "the texture modulates the top face";
}

TEST_F(SceneTest, HiddenBlocksShowTheWaveUntexturedAndTheFrameKeepsItsMatrix) {
    writePatternImages();
    crv::Settings settings = crv::gameDefaultSettings;
    settings.gameMode = 1;
    settings.texturedBlocks = 1;
    auto picture = makePicture(settings);
    game.swingAmplitude[0] = 40.0f;
    game.swingAmplitude[1] = 20.0f;
    game.swingAmplitude[2] = 20.0f;
    picture->playfield.swingClock = 200.0f;
    game.frameTime = 1.0f;
    game.playfield.at(0, 17) = 3;
    game.playfield.at(3, 4) = 3;
    for (std::int32_t state : {crv::Paused, crv::ConfirmQuit, crv::GameOver, crv::Playing}) {
        game.gameState = state;
        crv::resizeView(viewWidth, viewHeight);
        GLfloat before[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, before);
        const float phase = picture->playfield.hiddenColorPhase;
        crv::drawFrame(*picture, game, 60.0f);
        GLfloat after[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, after);
        EXPECT_TRUE(std::equal(before, before + 16, after)) << state;
        const bool hidden = state == crv::Paused || state == crv::ConfirmQuit;
        EXPECT_NEAR(picture->playfield.hiddenColorPhase, hidden ? phase + 0.03f : phase, 1e-6f)
            << state;
        if (hidden) {
            // Queued row by row from the top: cell (3, 4), then cell (0, 17).
            ASSERT_EQ(picture->playfield.cellsQueued, 2);
            const crv::BlockRecord& corner = picture->playfield.cells[1].block;
            const crv::BlockRecord& inner = picture->playfield.cells[0].block;
            EXPECT_NE(corner.red, inner.red);
            EXPECT_NEAR(corner.red, 0.25f, 0.081f);
        }
    }
    EXPECT_FLOAT_EQ(picture->playfield.swingClock, 204.0f);
    EXPECT_FLOAT_EQ(picture->preview.spin, 2.0f);
}

TEST_F(SceneTest, TheModeDrawnDecidesTheSwingWhateverTheFileSays) {
    game.gameState = crv::Playing;
    game.swingAmplitude[0] = 30.0f;
    game.swingAmplitude[1] = 20.0f;
    game.swingAmplitude[2] = 20.0f;
    game.frameTime = 0.0f; // the swing clock stays where it is set
    game.playfield.at(0, 17) = 3;
    std::vector<std::uint8_t> drawn[2];
    for (std::int32_t mode : {0, 1}) {
        crv::Settings file = plainSettings();
        file.gameMode = mode;
        auto live = makePicture(file);
        file.gameMode = 1 - mode;
        auto replay = makePicture(file, mode); // a replay recorded in the other mode
        for (crv::Picture* picture : {live.get(), replay.get()}) {
            drawAndRead(*picture); // the first frame is lit from the set-up direction
            picture->playfield.swingClock = 128.0f;
        }
        drawn[mode] = drawAndRead(*live);
        EXPECT_TRUE(drawAndRead(*replay) == drawn[mode]) << "mode " << mode;
    }
    EXPECT_FALSE(drawn[0] == drawn[1]) << "the swing shows in the picture";
}

} // namespace
