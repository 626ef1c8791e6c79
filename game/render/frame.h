// One frame of the game picture: world, preview, HUD, state messages, clocks.
#pragma once

#include "game/render/scene.h"
#include "game/rules/game.h"

namespace crv {

/// Draws the whole picture of the current state into the back buffer and advances the
/// picture's clocks by the last frameTime. Reads the game, never writes it. Expects the
/// model-view matrix at the view's base translation and leaves it there; the caller swaps.
void drawFrame(Scene& scene, const Game& game, float framesPerSecond);

} // namespace crv
