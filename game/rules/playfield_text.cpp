// The playfield as text: how crvsim and a watched replay show the grid.
#include "game/rules/playfield_text.h"

namespace crv {

namespace {

char cellSymbol(std::int32_t cell) {
    if (cell > 0) {
        return static_cast<char>('0' + cell);
    }
    if (cell < 0) {
        return static_cast<char>('A' - 1 - cell);
    }
    return '.';
}

} // namespace

std::string playfieldRowText(const Game& game, int row) {
    std::string line(columnCount, '.');
    for (int column = 0; column < columnCount; ++column) {
        line[static_cast<std::size_t>(column)] = cellSymbol(game.playfield.at(column, row));
    }
    return line;
}

} // namespace crv
