// The fall of the piece, its landing, the collapse of the columns, group removal and scoring.
#include "game/rules/landing.h"

#include "game/rules/random.h"

namespace crv {

namespace {

constexpr int minimumGroup = 4;

// Rates per sixtieth of a second, each multiplied by frameTime.
constexpr float fallRate = 0.03f;  // rows: 1.8 a second
constexpr float slideRate = 0.2f;  // of a slide cooldown: about 12 moves a second
constexpr float turnRate = 0.075f; // of a turn cooldown: about 4.5 turns a second
// Degrees of swing amplitude; both reach their limit after 90000 sixtieths, 25 minutes.
constexpr float swingGrowthZ = 0.001f;
constexpr float swingGrowthYX = 0.0005f;
constexpr float swingLimitZ = 90.0f;
constexpr float swingLimitYX = 45.0f;

constexpr float pointsPerRow = 1.0f;   // each row step, the blocked landing step included
constexpr float pointsPerCell = 50.0f; // each removed cell, times the chain's multiplier

// The piece enters at columns 4 and 5 of rows 0 and 1; the row below them decides game over.
constexpr int entryColumn = 4;
constexpr int belowEntryRow = 2;

void writePiece(Playfield& field, int column, int row, const std::int32_t colors[4]) {
    field.at(column, row) = colors[0];
    field.at(column + 1, row) = colors[1];
    field.at(column, row + 1) = colors[2];
    field.at(column + 1, row + 1) = colors[3];
}

float grow(float amplitude, float step, float limit) {
    amplitude += step;
    return amplitude > limit ? limit : amplitude;
}

} // namespace

void fallStep(Game& game) {
    FallingPiece& piece = game.fallingPiece;
    Playfield& field = game.playfield;
    const float frameTime = game.frameTime;

    if (piece.inPlay) {
        static constexpr std::int32_t empty[4] = {0, 0, 0, 0};
        writePiece(field, piece.lastColumn, piece.lastRow, empty);
    } else {
        // The cells written last belong to a landed piece and stay.
        spawnPiece(game);
        piece.inPlay = 1;
    }

    game.swingAmplitude[0] = grow(game.swingAmplitude[0], frameTime * swingGrowthZ, swingLimitZ);
    game.swingAmplitude[1] = grow(game.swingAmplitude[1], frameTime * swingGrowthYX, swingLimitYX);
    game.swingAmplitude[2] = grow(game.swingAmplitude[2], frameTime * swingGrowthYX, swingLimitYX);

    piece.fallProgress += frameTime * fallRate;
    if (piece.slidingLeft) {
        piece.slideProgress -= frameTime * slideRate;
    }
    if (piece.slidingRight) {
        piece.slideProgress += frameTime * slideRate;
    }
    if (piece.turning) {
        piece.turnProgress += frameTime * turnRate;
    }

    if (piece.fallProgress > 1.0f) {
        piece.fallProgress -= 1.0f;
        piece.row += 1;
        game.score += pointsPerRow;
        playSoundCue(game, FallCue);
        // A piece lands only at the row step that finds its way blocked; until then it hovers.
        if (piece.row >= rowCount - 1 || field.at(piece.column, piece.row + 1) != 0 ||
            field.at(piece.column + 1, piece.row + 1) != 0) {
            piece.inPlay = 0;
            piece.row -= 1;
        }
    }

    if (piece.slideProgress > 1.0f) {
        piece.slidingRight = 0;
        piece.slideProgress -= 1.0f;
    }
    if (piece.slideProgress < -1.0f) {
        piece.slidingLeft = 0;
        piece.slideProgress += 1.0f;
    }
    if (piece.turnProgress > 1.0f) {
        piece.turning = 0;
        piece.turnProgress -= 1.0f;
    }

    writePiece(field, piece.column, piece.row, piece.colors);
    piece.lastColumn = piece.column;
    piece.lastRow = piece.row;
}

void spawnPiece(Game& game) {
    FallingPiece& piece = game.fallingPiece;
    piece.column = entryColumn;
    piece.row = 0;

    // Columns are always collapsed before a spawn, so row 2 alone tells whether the entry is free.
    if (game.playfield.at(entryColumn, belowEntryRow) != 0 ||
        game.playfield.at(entryColumn + 1, belowEntryRow) != 0) {
        game.gameState = GameOver;
        game.gameOverTime = 0.0f;
        playSoundCue(game, GameOverCue);
    }

    for (int i = 0; i < 4; ++i) {
        piece.colors[i] = game.nextPiece[i];
    }
    for (int i = 0; i < 4; ++i) {
        game.nextPiece[i] = randomColor(game);
    }

    // The cooldown flags stay: a move just before the landing still blocks the next one.
    piece.slideProgress = 0.0f;
    piece.fallProgress = 0.0f;
    piece.turnProgress = 0.0f;
}

void collapseColumns(Game& game) {
    Playfield& field = game.playfield;
    for (int row = rowCount - 1; row >= 0; --row) {
        for (int column = 0; column < columnCount; ++column) {
            if (field.at(column, row) != 0) {
                continue;
            }
            for (int above = row - 1; above >= 0; --above) {
                if (field.at(column, above) != 0) {
                    field.at(column, row) = field.at(column, above);
                    field.at(column, above) = 0;
                    break;
                }
            }
        }
    }
}

int markGroups(Game& game) {
    int marked = 0;
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            const std::int32_t color = game.playfield.at(column, row);
            if (color == 0) {
                continue;
            }
            for (std::int32_t& flag : game.visited) {
                flag = 0;
            }
            // Each cell counts its own group afresh; earlier marked members still count.
            if (countGroup(game, column, row, color) >= minimumGroup) {
                game.playfield.at(column, row) = -color;
                marked = 1;
            }
        }
    }
    return marked;
}

int countGroup(Game& game, int column, int row, int color) {
    if (column < 0 || column >= columnCount || row < 0 || row >= rowCount) {
        return 0;
    }
    std::int32_t& visited = game.visited[column * rowCount + row];
    if (visited) {
        return 0;
    }
    visited = 1;
    const std::int32_t cell = game.playfield.at(column, row);
    if (cell != color && cell != -color) {
        return 0;
    }
    return 1 + countGroup(game, column + 1, row, color) + countGroup(game, column - 1, row, color) +
           countGroup(game, column, row + 1, color) + countGroup(game, column, row - 1, color);
}

void removeMarked(Game& game) {
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            std::int32_t& cell = game.playfield.at(column, row);
            if (cell < 0) {
                cell = 0;
                game.score += game.scoreMultiplier * pointsPerCell;
            }
        }
    }
}

} // namespace crv
