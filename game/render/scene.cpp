// The picture's own state and its one-time set-up at window creation.
#include "game/render/scene.h"

#include "game/render/textures.h"
#include "game/render/tga.h"
#include "game/rules/random.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace crv {

namespace {

constexpr int tileSize = 256;
constexpr int pictureWidth = 1024;
constexpr int pictureHeight = 768;
constexpr int panelSize = 256;
constexpr int blockImageSize = 32;

using Pixels = std::vector<std::uint8_t>;

Pixels zeroImage(int width, int height) {
    return Pixels(static_cast<std::size_t>(width) * height * 4, 0);
}

void fillColorTables(Scene& scene) {
    const float gamma = scene.settings.gammaFactor;
    for (int i = 0; i < cellColorCount; ++i) {
        const Color& c = baseCellColors[i];
        scene.cellColors[i] = {correctBrightness(c.red, gamma), correctBrightness(c.green, gamma),
                               correctBrightness(c.blue, gamma)};
    }
    for (int i = 0; i < panelCornerCount; ++i) {
        const Color& c = basePanelCornerColors[i];
        scene.panelCornerColors[i] = {correctBrightness(c.red, gamma),
                                      correctBrightness(c.green, gamma),
                                      correctBrightness(c.blue, gamma)};
    }
}

/// A block of this size at (x, y) on the base plane, unturned and not yet coloured.
BlockRecord placedBlock(float scale, float x, float y) {
    BlockRecord block{};
    block.scale = scale;
    block.x = x;
    block.y = y;
    return block;
}

void placeBlocks(Scene& scene) {
    for (int column = 0; column < columnCount; ++column) {
        for (int row = 0; row < rowCount; ++row) {
            scene.cellBlocks[column * rowCount + row] =
                placedBlock(blockScale, 0.18f * column - 0.9f, 1.62f - 0.18f * row);
        }
    }
    for (int i = 0; i < previewBlockCount; ++i) {
        scene.previewBlocks[i] =
            placedBlock(previewScale, 0.09f * (i % 2) - 0.045f, 0.09f * (i / 2) - 0.045f);
    }
}

void setFixedState() {
    glEnable(GL_COLOR_MATERIAL);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    // Blocks are scaled down to 0.09, which makes GL lengthen their normals elevenfold and
    // wash every lit colour out to white or cyan; unit normals keep the six colours apart.
    glEnable(GL_NORMALIZE);
    // Brighter than 1 on purpose: it lifts the dim colour tables on the lit faces.
    const GLfloat diffuse[4] = {2.5f, 2.5f, 2.5f, 1.0f};
    const GLfloat position[4] = {-1.0f, 1.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

/// The background picture cut into twelve tiles, row by row from its top left.
void loadBackground(Scene& scene) {
    Pixels picture = zeroImage(pictureWidth, pictureHeight);
    readTga("bgpic.tga", picture.data(), pictureWidth, pictureHeight);
    Pixels tile = zeroImage(tileSize, tileSize);
    for (int k = 0; k < backgroundTileCount; ++k) {
        const std::size_t offset = static_cast<std::size_t>(tileSize) * pictureWidth * (k / 4) +
                                   static_cast<std::size_t>(tileSize) * (k % 4);
        copySubImage(picture.data(), tile.data(), tileSize, tileSize, offset, pictureWidth);
        makeTexture(scene.backgroundTiles[k], tile.data(), tileSize, tileSize);
    }
}

void loadPanelAndBlocks(Scene& scene) {
    Pixels panel = zeroImage(panelSize, panelSize);
    readTga("glback.tga", panel.data(), panelSize, panelSize);
    makeMipmappedTexture(scene.panelTexture, panel.data(), panelSize, panelSize);

    Pixels blocks[colorCount];
    for (int i = 0; i < colorCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "crvtex%d.tga", i + 1);
        blocks[i] = zeroImage(blockImageSize, blockImageSize);
        readTga(name, blocks[i].data(), blockImageSize, blockImageSize);
    }
    for (int i = 0; i < colorCount; ++i) {
        makeMipmappedTexture(scene.blockTextures[i], blocks[i].data(), blockImageSize,
                             blockImageSize);
    }
}

} // namespace

void setUpScene(Scene& scene, Game& game, const RenderSettings& settings) {
    scene.settings = settings;
    scene.wallCopy = WallCopy{}; // a texture of an earlier context is not this one's
    fillColorTables(scene);
    placeBlocks(scene);
    setFixedState();
    loadFont(scene.font, "charset.tga", 256, 128, 12, 17);
    if (settings.backgroundPicture != 0) {
        loadBackground(scene);
    }
    loadPanelAndBlocks(scene);
    for (std::int32_t& color : game.nextPiece) {
        color = randomColor(game);
    }
}

} // namespace crv
