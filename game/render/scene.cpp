// What the picture sets up once at window creation and only reads afterwards.
#include "game/render/scene.h"

#include "game/render/gl_state.h"
#include "game/render/textures.h"
#include "game/render/tga.h"

#include <cstdint>
#include <vector>

namespace crv {

namespace {

constexpr int tileSize = backgroundTileSize;
constexpr int pictureWidth = backgroundImageFile.width;
constexpr int pictureHeight = backgroundImageFile.height;
constexpr int tilesPerRow = pictureWidth / tileSize;
static_assert(tilesPerRow * (pictureHeight / tileSize) == backgroundTileCount);

using Pixels = std::vector<std::uint8_t>;

Pixels zeroImage(int width, int height) {
    return Pixels(static_cast<std::size_t>(width) * height * 4, 0);
}

void fillColorTables(Scene& scene) {
    const float gamma = scene.gammaFactor;
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

/// The background picture cut into twelve tiles, row by row from its top left.
void loadBackground(Scene& scene) {
    Pixels picture = zeroImage(pictureWidth, pictureHeight);
    readTga(backgroundImageFile.name, picture.data(), pictureWidth, pictureHeight);
    Pixels tile = zeroImage(tileSize, tileSize);
    for (int k = 0; k < backgroundTileCount; ++k) {
        const std::size_t offset =
            static_cast<std::size_t>(tileSize) * pictureWidth * (k / tilesPerRow) +
            static_cast<std::size_t>(tileSize) * (k % tilesPerRow);
        copySubImage(picture.data(), tile.data(), tileSize, tileSize, offset, pictureWidth);
        makeTexture(scene.backgroundTiles[k], tile.data(), tileSize, tileSize);
    }
}

void loadPanelAndBlocks(Scene& scene) {
    const ImageFile& panelFile = panelImageFile;
    Pixels panel = zeroImage(panelFile.width, panelFile.height);
    readTga(panelFile.name, panel.data(), panelFile.width, panelFile.height);
    makeMipmappedTexture(scene.panelTexture, panel.data(), panelFile.width, panelFile.height);

    // All six read first, then the six textures made.
    Pixels blocks[blockTextureCount];
    for (int i = 0; i < blockTextureCount; ++i) {
        const ImageFile& file = blockTextureFiles[i];
        blocks[i] = zeroImage(file.width, file.height);
        readTga(file.name, blocks[i].data(), file.width, file.height);
    }
    for (int i = 0; i < blockTextureCount; ++i) {
        const ImageFile& file = blockTextureFiles[i];
        makeMipmappedTexture(scene.blockTextures[i], blocks[i].data(), file.width, file.height);
    }
}

} // namespace

void setUpScene(Scene& scene, const GameSettings& settings, std::int32_t gameMode) {
    scene.settings = settings.settings;
    // A watched replay swings or not as it was recorded, whatever the file now says.
    scene.settings.gameMode = gameMode;
    scene.gammaFactor = settings.gammaFactor;
    scene.screenWidth = settings.screenWidth;
    fillColorTables(scene);
    placeBlocks(scene);
    resetGlState();
    loadFont(scene.font, fontImageFile, glyphWidth, glyphHeight);
    if (scene.settings.backgroundPicture != 0) {
        loadBackground(scene);
    }
    loadPanelAndBlocks(scene);
}

} // namespace crv
