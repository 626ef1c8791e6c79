// The picture's own state and its one-time set-up at window creation.
#pragma once

#include "game/render/block.h"
#include "game/render/colors.h"
#include "game/render/font.h"
#include "game/render/render_settings.h"
#include "game/rules/game.h"

namespace crv {

constexpr int backgroundTileCount = 12;
constexpr int previewBlockCount = 4;

/// A block the batched path sends this frame: its cell and its texture index.
struct QueuedBlock {
    int cell;
    int textureIndex;
};

/// The wall's pixels from the last frame that drew it, and the view they belong to.
struct WallCopy {
    unsigned texture = 0;
    int textureWidth = 0; // powers of two, at least the viewport's size
    int textureHeight = 0;
    bool valid = false;
    int viewport[4]{};
    float projection[16]{};
    float modelView[16]{};
    float clearColor[4]{};
    int bilinearFiltering = 0;
};

/// Everything the picture owns. Filled once by setUpScene; afterwards only the clocks, the
/// wave's phase, the blocks' colours and the kept wall change.
struct Scene {
    RenderSettings settings;
    Color cellColors[cellColorCount]{};
    Color panelCornerColors[panelCornerCount]{};
    BlockRecord cellBlocks[cellCount]{}; // indexed like the playfield
    BlockRecord previewBlocks[previewBlockCount]{};
    FontLayout font;
    unsigned backgroundTiles[backgroundTileCount]{};
    unsigned panelTexture = 0;
    unsigned blockTextures[colorCount]{}; // entry 0 is colour 1
    float swingClock = 0.0f;              // sixtieths, 0..3072
    float previewSpin = 0.0f;             // degrees, 0..360
    float hiddenColorPhase = 0.0f;        // 0..256, never reset
    /// Sends each block with its own matrix and batches: the slow path the batched one must
    /// match, kept for the tests and the bench.
    bool blockByBlock = false;
    /// The batched path's list of this frame's cell blocks; sized for a full playfield.
    QueuedBlock queue[cellCount]{};
    int queueLength = 0;
    WallCopy wallCopy;
};

/// The colour tables, block records, fixed GL state, light, font and textures; then the
/// first next piece, drawn before the generator is seeded so it is the same in every run.
/// Needs a current GL context; without one only the tables and records are filled.
void setUpScene(Scene& scene, Game& game, const RenderSettings& settings);

} // namespace crv
