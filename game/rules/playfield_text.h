// The playfield as text: how crvsim and a watched replay show the grid.
#pragma once

#include "game/rules/game.h"

#include <string>

namespace crv {

/// One row of the grid, left to right: "." empty, "1".."6" a colour, "A".."F" a cell of
/// colour 1..6 marked for removal.
std::string playfieldRowText(const Game& game, int row);

} // namespace crv
