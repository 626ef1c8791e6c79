// A handed-back game: counting, entering, the dialogs' order and the files left behind.
#include "common/process_game_result.h"

#include "common/game_result.h"
#include "common/games_played.h"
#include "common/score_table.h"
#include "temp_dir_fixture.h"

#include <string>
#include <vector>

using namespace crv;

namespace {

class ProcessGameResult : public TempDirTest {
  protected:
    /// Runs the flow on the line the game would hand back, recording the dialogs.
    bool handBack(std::int32_t mode, std::int32_t score, const std::string& typedName = "Ann") {
        return process(formatGameResult(mode, score), typedName);
    }

    bool process(const std::string& line, const std::string& typedName = "Ann") {
        GameResultHooks hooks;
        hooks.askName = [this, typedName](std::int32_t score) {
            calls.push_back("ask " + std::to_string(score));
            return typedName;
        };
        hooks.showScoreTables = [this] {
            // The tables see the new row: it is on disk before they open.
            calls.push_back("show, swing top " +
                            std::to_string(static_cast<int>(readBestScore(1))));
        };
        return processGameResult(line, hooks);
    }

    std::vector<std::string> calls;
};

TEST_F(ProcessGameResult, ThreeThousandDoesNotEnterAFreshTableButIsCounted) {
    EXPECT_TRUE(handBack(1, 3000));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(entries(), std::vector<std::string>{"nrgames.dat"});
    const GamesPlayed games = readGamesPlayed();
    EXPECT_EQ(games.swingingGames, 1);
    EXPECT_EQ(games.staticGames, 0);
}

TEST_F(ProcessGameResult, ThreeThousandAndOneEntersAsTheLastRow) {
    EXPECT_TRUE(handBack(1, 3001));
    EXPECT_EQ(calls, (std::vector<std::string>{"ask 3001", "show, swing top 10000"}));
    EXPECT_EQ(entries(), (std::vector<std::string>{"nrgames.dat", "swing.scr"}));
    ScoreTable expected = freshScoreTable();
    expected.rows[14].score = 3001;
    setRowName(expected.rows[14], "Ann");
    EXPECT_EQ(readText("swing.scr"), formatScoreTable(expected));
}

TEST_F(ProcessGameResult, TopScoreEntersFirstAndPushesTheOldLastRowOut) {
    EXPECT_TRUE(handBack(0, 12000, "Two Words"));
    EXPECT_EQ(calls, (std::vector<std::string>{"ask 12000", "show, swing top 10000"}));
    const ScoreTable table = readScoreTable("static.scr");
    EXPECT_EQ(table.rows[0].score, 12000);
    EXPECT_STREQ(table.rows[0].name, "Two Words");
    EXPECT_EQ(table.rows[1].score, 10000);
    EXPECT_EQ(table.rows[14].score, 3500);
    EXPECT_EQ(readGamesPlayed().staticGames, 1);
}

TEST_F(ProcessGameResult, EqualScoreLandsBelowTheRowsItTies) {
    EXPECT_TRUE(handBack(1, 7000, "tie"));
    const ScoreTable table = readScoreTable("swing.scr");
    EXPECT_STREQ(table.rows[6].name, "Zelmorath");
    EXPECT_EQ(table.rows[7].score, 7000);
    EXPECT_STREQ(table.rows[7].name, "tie");
}

TEST_F(ProcessGameResult, CountersGrowFromTheFileAndModeTwoIsSwinging) {
    writeText("nrgames.dat", formatGamesPlayed({41, 9}));
    EXPECT_TRUE(handBack(2, 10));
    EXPECT_TRUE(handBack(0, 10));
    EXPECT_TRUE(process("corvanth 7 " + formatGameResult(0, 10).substr(11)));
    const GamesPlayed games = readGamesPlayed();
    EXPECT_EQ(games.swingingGames, 43);
    EXPECT_EQ(games.staticGames, 10);
    // A damaged counter restarts from 0, the other keeps counting.
    const std::string counters = formatGamesPlayed({0, 9});
    writeText("nrgames.dat", "5" + counters.substr(counters.find(' ')));
    EXPECT_TRUE(handBack(1, 10));
    EXPECT_EQ(readGamesPlayed().swingingGames, 1);
    EXPECT_EQ(readGamesPlayed().staticGames, 9);
}

TEST_F(ProcessGameResult, InvalidLinesTouchNothingAndShowNothing) {
    const std::string score = formatGameResult(1, 50000).substr(11);
    const std::string lines[] = {"corvanth", "corvanth 1", "corvanth 1 " + score + " x",
                                 "corvanth 1 12345",
                                 "corvanth 1 " + score + std::string(1100, ' ')};
    for (const std::string& line : lines) {
        SCOPED_TRACE(line.substr(0, 60));
        EXPECT_FALSE(process(line));
    }
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(entries().empty());
}

TEST_F(ProcessGameResult, EmptyOrOverlongNamesAreStoredSafely) {
    // However the dialog was closed, an empty name must not shift the rows behind it.
    EXPECT_TRUE(handBack(1, 9999, ""));
    EXPECT_TRUE(handBack(1, 9998, "  "));
    EXPECT_TRUE(handBack(1, 9997, std::string(40, 'L')));
    const ScoreTable table = readScoreTable("swing.scr");
    EXPECT_STREQ(table.rows[1].name, "[No name entered]");
    EXPECT_STREQ(table.rows[2].name, "[No name entered]");
    EXPECT_EQ(std::string(table.rows[3].name), std::string(39, 'L'));
    EXPECT_EQ(table.rows[3].score, 9997);
    EXPECT_STREQ(table.rows[4].name, "Zelmorath");
    EXPECT_EQ(table.rows[4].score, 9500);
    EXPECT_EQ(table.rows[14].score, 4500);
}

TEST_F(ProcessGameResult, HugeFinalScoreIsStillCountedAndEntered) {
    EXPECT_TRUE(process(formatGameResult(1, handBackScore(5.0e9f))));
    EXPECT_EQ(readGamesPlayed().swingingGames, 1);
    const ScoreTable table = readScoreTable("swing.scr");
    EXPECT_EQ(table.rows[0].score, maxHandBackScore);
    EXPECT_STREQ(table.rows[0].name, "Ann");
}

TEST_F(ProcessGameResult, CorruptLastRowIsReplacedByAnyPositiveScore) {
    std::string text = formatScoreTable(freshScoreTable());
    const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    text.replace(lastLine, text.find(' ', lastLine) - lastLine, "12345");
    writeText("static.scr", text);
    EXPECT_TRUE(handBack(0, 1, "low"));
    const ScoreTable table = readScoreTable("static.scr");
    EXPECT_EQ(table.rows[13].score, 3500);
    EXPECT_EQ(table.rows[14].score, 1);
    EXPECT_STREQ(table.rows[14].name, "low");
}

TEST_F(ProcessGameResult, HooksMayBeLeftEmpty) {
    EXPECT_TRUE(processGameResult(formatGameResult(1, 20000), GameResultHooks{}));
    EXPECT_STREQ(readScoreTable("swing.scr").rows[0].name, "[No name entered]");
}

} // namespace
