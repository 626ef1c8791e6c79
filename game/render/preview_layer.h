// The next piece beside the playfield: small, spinning, in its true colours in every state.
#pragma once

#include "game/render/block.h"
#include "game/render/scene.h"
#include "game/rules/game.h"

namespace crv {

struct PreviewLayer {
    float spin = 0.0f; // degrees, 0..360; the frame's to advance
    QueuedBlock blocks[previewBlockCount]{};
};

/// The next piece under the base model-view, neither swinging nor shifted.
void drawPreviewLayer(PreviewLayer& layer, const Scene& scene, const Game& game, BlockDrawing how);

} // namespace crv
