// Cost of one tick: a plain falling tick, and the worst tick, a landing on a nearly full grid.
#include "game/rules/game.h"
#include "game/rules/tick.h"

#include <benchmark/benchmark.h>

namespace {

/// A grid full but for the piece's two columns, in a pattern with no group of four,
/// so the landing's markGroups counts every cell and marks nothing.
void fillWithoutGroups(crv::Game& game) {
    for (int column = 0; column < crv::columnCount; ++column) {
        for (int row = 2; row < crv::rowCount; ++row) {
            game.playfield.at(column, row) = 1 + (column + 2 * row) % 6;
        }
    }
}

void BM_FallingTick(benchmark::State& state) {
    crv::Game game;
    crv::resetGame(game);
    game.frameTime = 1.0f;
    crv::gameTick(game); // spawn
    for (auto _ : state) {
        game.fallingPiece.fallProgress = 0.0f;
        game.fallingPiece.row = 0;
        crv::gameTick(game);
        benchmark::DoNotOptimize(game.fallingPiece);
    }
}
BENCHMARK(BM_FallingTick);

void BM_LandingOnAFullGrid(benchmark::State& state) {
    crv::Game game;
    crv::resetGame(game);
    game.frameTime = 1.0f;
    for (auto _ : state) {
        state.PauseTiming();
        crv::resetGame(game);
        fillWithoutGroups(game);
        game.fallingPiece = crv::FallingPiece{};
        game.fallingPiece.inPlay = 1;
        game.fallingPiece.row = 0;
        game.fallingPiece.column = 4;
        game.fallingPiece.colors[0] = 1;
        game.fallingPiece.colors[1] = 2;
        game.fallingPiece.colors[2] = 3;
        game.fallingPiece.colors[3] = 4;
        game.fallingPiece.lastColumn = 4;
        game.fallingPiece.fallProgress = 0.99f; // this tick's row step is blocked
        state.ResumeTiming();
        crv::gameTick(game);
        benchmark::DoNotOptimize(game.playfield);
    }
}
BENCHMARK(BM_LandingOnAFullGrid);

} // namespace
