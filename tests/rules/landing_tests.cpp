// Falling, landing, collapse, groups and scoring.
#include "rules_fixture.h"

using namespace crv;

namespace {

class LandingTest : public RulesTest {
  protected:
    /// Spawns the next piece with these colours at the given column.
    void spawnAt(int column, std::int32_t c0, std::int32_t c1, std::int32_t c2, std::int32_t c3) {
        game.nextPiece[0] = c0;
        game.nextPiece[1] = c1;
        game.nextPiece[2] = c2;
        game.nextPiece[3] = c3;
        turn();
        game.fallingPiece.column = column;
    }
};

const char* const emptyRow = "..........";

TEST_F(LandingTest, WorkedExampleScores266) {
    setBottomRows({"111......."});
    spawnAt(2, 1, 2, 1, 2);
    turnsWhile(Playing);
    EXPECT_EQ(game.score, 16.0f);
    EXPECT_EQ(game.gameState, Removing);
    std::string marked;
    for (int row = 0; row < 15; ++row) {
        marked += std::string(emptyRow) + "\n";
    }
    marked += "..A.......\n..A2......\nAAA2......\n";
    EXPECT_EQ(gridText(), marked);

    turnsWhile(Removing);
    EXPECT_EQ(game.gameState, Playing);
    EXPECT_EQ(game.score, 266.0f);
    std::string rest;
    for (int row = 0; row < 16; ++row) {
        rest += std::string(emptyRow) + "\n";
    }
    rest += "...2......\n...2......\n";
    EXPECT_EQ(gridText(), rest);
}

TEST_F(LandingTest, DropFromTheEntryToTheFloorScoresSeventeen) {
    spawnAt(4, 1, 2, 3, 4);
    while (game.fallingPiece.inPlay) {
        turn();
    }
    EXPECT_EQ(game.score, 17.0f);
    EXPECT_EQ(game.fallingPiece.row, 16);
    EXPECT_EQ(effects.sounds.size(), 17u);
}

TEST_F(LandingTest, HalfOnASupportSplitsAndTheOtherHalfDrops) {
    setBottomRows({"....5.....", "....5....."});
    spawnAt(4, 1, 2, 3, 4);
    while (game.fallingPiece.inPlay) {
        turn();
    }
    // The left half rests on column 4's blocks; the right half drops to the floor.
    EXPECT_EQ(game.playfield.at(4, 14), 1);
    EXPECT_EQ(game.playfield.at(4, 15), 3);
    EXPECT_EQ(game.playfield.at(5, 16), 2);
    EXPECT_EQ(game.playfield.at(5, 17), 4);
    EXPECT_EQ(game.playfield.at(5, 15), 0);
}

TEST_F(LandingTest, GroupsOfFourOrMoreAreMarked) {
    struct Case {
        const char* name;
        std::initializer_list<const char*> rows;
        int expectedMarked;
    };
    const Case cases[] = {
        {"line", {"3333......"}, 4},
        {"square", {"33........", "33........"}, 4},
        {"L", {"3.........", "3.........", "33........"}, 4},
        {"T", {"333.......", ".3........"}, 4},
        {"three", {"333......."}, 0},
        {"corner pairs", {"33........", "..33......"}, 0},
        {"two groups", {"2222.5555."}, 8},
        {"mixed colours", {"3343......"}, 0},
    };
    for (const Case& c : cases) {
        restart();
        setBottomRows(c.rows);
        const int result = markGroups(game);
        int marked = 0;
        for (std::int32_t cell : game.playfield.cells) {
            marked += cell < 0;
        }
        EXPECT_EQ(marked, c.expectedMarked) << c.name;
        EXPECT_EQ(result, c.expectedMarked > 0 ? 1 : 0) << c.name;
    }
}

TEST_F(LandingTest, CollapseKeepsEachColumnsOrder) {
    game.playfield.at(0, 3) = 1;
    game.playfield.at(0, 9) = 2;
    game.playfield.at(0, 16) = 3;
    game.playfield.at(9, 0) = 4;
    collapseColumns(game);
    EXPECT_EQ(game.playfield.at(0, 15), 1);
    EXPECT_EQ(game.playfield.at(0, 16), 2);
    EXPECT_EQ(game.playfield.at(0, 17), 3);
    EXPECT_EQ(game.playfield.at(9, 17), 4);
    int occupied = 0;
    for (std::int32_t cell : game.playfield.cells) {
        occupied += cell != 0;
    }
    EXPECT_EQ(occupied, 4);
}

TEST_F(LandingTest, SpawnEndsTheGameOnlyWhenTheCellsBelowTheEntryAreTaken) {
    struct Case {
        int column;
        int row;
        int expectedState;
    };
    for (const Case& c :
         {Case{4, 2, GameOver}, Case{5, 2, GameOver}, Case{0, 0, Playing}, Case{3, 2, Playing}}) {
        restart();
        for (int row = c.row; row < rowCount; ++row) {
            game.playfield.at(c.column, row) = 6;
        }
        turn();
        EXPECT_EQ(game.gameState, c.expectedState) << c.column << "," << c.row;
        const bool gameOverCue = !effects.sounds.empty() && effects.sounds[0] == crv::GameOverCue;
        EXPECT_EQ(gameOverCue, c.expectedState == GameOver);
    }
}

TEST_F(LandingTest, PieceOnABlockCanStillSlideAwayAndFallOn) {
    setBottomRows({"....5.....", "....5.....", "....5.....", "....5.....", "....5....."});
    spawnAt(4, 1, 1, 2, 2);
    game.playfield.at(5, 17) = 6;
    // Let it come to rest on the column, then slide it right before its next row step.
    while (game.fallingPiece.row < 11) {
        turn();
    }
    tap(KeyRight);
    turn();
    EXPECT_EQ(game.fallingPiece.column, 5);
    EXPECT_EQ(game.fallingPiece.inPlay, 1);
    while (game.fallingPiece.inPlay) {
        turn();
    }
    EXPECT_EQ(game.fallingPiece.row, 15);
}

TEST_F(LandingTest, AHugeFallProgressStepsOneRowPerTick) {
    spawnAt(4, 1, 2, 3, 4);
    game.fallingPiece.fallProgress = 50.0f;
    for (int row = 1; row <= 4; ++row) {
        turn();
        EXPECT_EQ(game.fallingPiece.row, row);
    }
}

TEST_F(LandingTest, CellNineSeventeenIsTheLastInStorage) {
    game.playfield.at(9, 17) = 5;
    EXPECT_EQ(game.playfield.cells[cellCount - 1], 5);
    game.playfield.at(0, 17) = 3;
    EXPECT_EQ(game.playfield.cells[17], 3);
    game.playfield.at(1, 0) = 2;
    EXPECT_EQ(game.playfield.cells[18], 2);
}

} // namespace
