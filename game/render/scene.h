// What the picture sets up once at window creation and only reads afterwards.
#pragma once

#include "common/settings.h"
#include "game/render/block.h"
#include "game/render/colors.h"
#include "game/render/font.h"
#include "game/rules/game.h"

#include <cstdint>

namespace crv {

constexpr int backgroundTileCount = 12;
constexpr int previewBlockCount = 4;

/// The settings, colour tables, block places, font and textures of one run.
struct Scene {
    Settings settings{}; // the file's record, except gameMode: the mode whose playfield is drawn
    float gammaFactor = 0.0f; // the brightness correction of the colour tables
    int screenWidth = 0;      // 1280 moves the score column left, to fit the 5:4 view
    Color cellColors[cellColorCount]{};
    Color panelCornerColors[panelCornerCount]{};
    BlockRecord cellBlocks[cellCount]{}; // indexed like the playfield; uncoloured
    BlockRecord previewBlocks[previewBlockCount]{};
    FontLayout font;
    unsigned backgroundTiles[backgroundTileCount]{};
    unsigned panelTexture = 0;
    unsigned blockTextures[blockTextureCount]{}; // entry 0 is colour 1
};

/// The colour tables and block places for these settings, with the playfield of `gameMode`;
/// then, in the current GL context, the fixed GL state and light, the font and the textures.
/// Without a context only the tables and places are filled.
void setUpScene(Scene& scene, const GameSettings& settings, std::int32_t gameMode);

} // namespace crv
