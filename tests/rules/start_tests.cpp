// The start of a game: the first next piece before the seed, then a fresh game.
#include "game/rules/random.h"
#include "game/rules/start.h"

#include <gtest/gtest.h>

namespace {

TEST(StartGame, TheFirstNextPieceIsTheSameWhateverTheSeedAndTheSeedDrivesTheRest) {
    crv::Game unseeded;
    std::int32_t firstColors[4];
    for (std::int32_t& color : firstColors) {
        color = crv::randomColor(unseeded);
    }
    for (std::uint32_t seed : {1u, 12345u, 0xffffffffu}) {
        crv::Game game;
        game.playfield.at(3, 3) = 5;
        game.gameState = crv::GameOver;
        crv::startGame(game, {2500.0f, 1, seed});
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(game.nextPiece[k], firstColors[k]) << "seed " << seed;
        }
        EXPECT_EQ(game.bestScore, 2500.0f);
        EXPECT_EQ(game.soundOn, 1);
        EXPECT_EQ(game.gameState, crv::Playing);
        EXPECT_EQ(game.playfield.at(3, 3), 0);
        crv::RandomGenerator seeded;
        crv::seedRandom(seeded, seed);
        EXPECT_EQ(crv::nextRandom(game.random), crv::nextRandom(seeded)) << "seed " << seed;
    }
}

} // namespace
