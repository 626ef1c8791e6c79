// The playfield: the back panel, its frame and one block per occupied cell, swinging in the
// swinging mode.
#pragma once

#include "game/render/block.h"
#include "game/rules/game.h"

namespace crv {

struct Scene;

struct PlayfieldLayer {
    float swingClock = 0.0f;       // sixtieths, 0..3072
    float hiddenColorPhase = 0.0f; // 0..256, never reset
    /// This frame's cell blocks, coloured, row by row from the top.
    QueuedBlock cells[cellCount]{};
    int cellsQueued = 0;
};

/// Panel, frame and blocks under the base model-view turned by the swing and shifted left,
/// with the flash of marked cells and the wave of hidden ones. Advances the wave's phase
/// once per hidden block drawn; the swing clock is the frame's to advance.
void drawPlayfieldLayer(PlayfieldLayer& layer, const Scene& scene, const Game& game,
                        BlockDrawing how);

} // namespace crv
