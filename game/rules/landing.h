// The fall of the piece, its landing, the collapse of the columns, group removal and scoring.
#pragma once

#include "game/rules/game.h"

namespace crv {

/// The per-tick advance of the piece while Playing: at most one row step per call.
void fallStep(Game& game);

/// Puts nextPiece into play at the entry; ends the game when the entry is blocked.
void spawnPiece(Game& game);

/// Drops every cell to the bottom of its column, keeping the column's order.
void collapseColumns(Game& game);

/// Marks (negates) every cell of every group of four or more; 1 if it marked any.
int markGroups(Game& game);

/// Cells edge-connected to (column, row) holding color or -color; uses and sets `visited`.
int countGroup(Game& game, int column, int row, int color);

/// Clears the marked cells, scoring 50 x scoreMultiplier for each.
void removeMarked(Game& game);

} // namespace crv
