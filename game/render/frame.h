// One frame of the game picture: the layers in their order, then the picture's clocks.
#pragma once

#include "common/settings.h"
#include "game/render/block.h"
#include "game/render/playfield_layer.h"
#include "game/render/preview_layer.h"
#include "game/render/scene.h"
#include "game/render/wall_layer.h"
#include "game/rules/game.h"

#include <cstdint>

namespace crv {

/// Everything the picture holds: what was set up, and each layer's own state.
struct Picture {
    Scene scene;
    WallLayer wall;
    PlayfieldLayer playfield;
    PreviewLayer preview;
    BlockDrawing blockDrawing = BlockDrawing::Batched;
};

/// Sets up the scene in the current GL context and starts every layer afresh; the playfield
/// is drawn as `gameMode` has it (a watched replay's recorded mode, not the file's).
void setUpPicture(Picture& picture, const GameSettings& settings, std::int32_t gameMode);

/// Draws the whole picture of the current state into the back buffer under the view set by
/// resizeView, and advances the picture's clocks by the last frameTime. Reads the game, never
/// writes it. The caller swaps.
void drawFrame(Picture& picture, const Game& game, float framesPerSecond);

} // namespace crv
