// What the picture sets up once at window creation and only reads afterwards.
#pragma once

#include "game/render/block.h"
#include "game/render/colors.h"
#include "game/render/font.h"
#include "game/render/render_settings.h"
#include "game/rules/game.h"

namespace crv {

constexpr int backgroundTileCount = 12;
constexpr int previewBlockCount = 4;

/// The settings, colour tables, block places, font and textures of one run.
struct Scene {
    RenderSettings settings;
    Color cellColors[cellColorCount]{};
    Color panelCornerColors[panelCornerCount]{};
    BlockRecord cellBlocks[cellCount]{}; // indexed like the playfield; uncoloured
    BlockRecord previewBlocks[previewBlockCount]{};
    FontLayout font;
    unsigned backgroundTiles[backgroundTileCount]{};
    unsigned panelTexture = 0;
    unsigned blockTextures[blockTextureCount]{}; // entry 0 is colour 1
};

/// The colour tables and block places; then, in the current GL context, the fixed GL state
/// and light, the font and the textures. Without a context only the tables and places are
/// filled.
void setUpScene(Scene& scene, const RenderSettings& settings);

} // namespace crv
