// The game's world: background wall, back panel, walls and floor, blocks, swing, preview.
#pragma once

#include "game/render/scene.h"
#include "game/rules/game.h"

namespace crv {

/// The twelve background tiles as a wall behind everything. Leaves texturing on and
/// lighting off.
void drawBackground(const Scene& scene);

/// The back panel, textured and tinted by its corner colours. Balanced in matrix; restores
/// culling; leaves lighting off.
void drawPanel(const Scene& scene);

/// Panel, walls, floor and one block per occupied cell, with the flash of marked cells and
/// the wave of hidden ones. Writes only the blocks' colours and the wave's phase. Leaves a
/// translation of (0, 0, 0.05) for the caller's pop.
void drawPlayfield(Scene& scene, const Game& game);

/// The next piece, small and spinning, in its true colours in every state.
void drawPreview(Scene& scene, const Game& game);

/// The swing's three rotations about z, y and x at the scene's clock.
void swingTransform(const Scene& scene, const Game& game);

} // namespace crv
