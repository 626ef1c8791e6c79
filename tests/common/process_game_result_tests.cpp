// A handed-back game: counting, entering, the dialogs' order and the files left behind.
#include "common/process_game_result.h"

#include "common/game_result.h"
#include "common/games_played.h"
#include "common/score_table.h"
#include "temp_dir_fixture.h"

#include "common/scramble.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
        hooks.saveFailed = [this](const char* fileName, FileStatus status) {
            calls.push_back(saveFailureText(fileName, status));
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

TEST(CountGame, CountersStopAtTheLargestValueTheirScramblingStores) {
    struct Case {
        std::int32_t mode;
        GamesPlayed before;
        GamesPlayed after;
    };
    const Case cases[] = {
        {1, {917335, 5}, {917336, 5}}, {1, {917336, 5}, {917336, 5}}, {0, {5, 873314}, {5, 873315}},
        {0, {5, 873315}, {5, 873315}}, {2, {-3, 0}, {-2, 0}},
    };
    for (const Case& c : cases) {
        GamesPlayed games = c.before;
        countGame(games, c.mode);
        EXPECT_EQ(games.swingingGames, c.after.swingingGames);
        EXPECT_EQ(games.staticGames, c.after.staticGames);
        // The value stored must read back as itself, not as a counter that restarts at 0.
        const GamesPlayed again = parseGamesPlayed(formatGamesPlayed(games));
        EXPECT_EQ(again.swingingGames, games.swingingGames);
        EXPECT_EQ(again.staticGames, games.staticGames);
    }
    EXPECT_EQ(largestScrambled(swingingGamesPair), 917336);
    EXPECT_EQ(largestScrambled(staticGamesPair), 873315);
}

TEST_F(ProcessGameResult, DamagedOrUnsortedRowsAreReplacedBeforeBetterOnes) {
    // Row 5 damaged: a game of 2000 beats it, as "Highscores" shows it last.
    ScoreTable damaged = freshScoreTable();
    std::string text = formatScoreTable(damaged);
    std::size_t at = 0;
    for (int row = 0; row < 4; ++row) {
        at = text.find('\n', at) + 1;
    }
    text.replace(at, text.find(' ', at) - at, "12345");
    writeText("swing.scr", text);
    EXPECT_TRUE(handBack(1, 2000, "Bo"));
    ScoreTable table = readScoreTable("swing.scr");
    EXPECT_EQ(table.rows[3].score, 8500);
    EXPECT_EQ(table.rows[4].score, 7500);
    EXPECT_EQ(table.rows[14].score, 2000);
    EXPECT_STREQ(table.rows[14].name, "Bo");

    // Unsorted: the worst row (3000, stored first) goes, the better one stored last stays.
    ScoreTable unsorted = freshScoreTable();
    std::swap(unsorted.rows[0], unsorted.rows[14]);
    writeText("static.scr", formatScoreTable(unsorted));
    EXPECT_TRUE(handBack(0, 3100, "Cy"));
    table = readScoreTable("static.scr");
    EXPECT_EQ(table.rows[0].score, 10000);
    EXPECT_EQ(table.rows[13].score, 3500);
    EXPECT_EQ(table.rows[14].score, 3100);
}

TEST_F(ProcessGameResult, UnreadableFilesAreLeftAloneAndThePlayerIsTold) {
    std::filesystem::create_directory("nrgames.dat");
    ASSERT_EQ(mkfifo("swing.scr", 0644), 0);
    EXPECT_TRUE(handBack(1, 50000));
    EXPECT_EQ(calls,
              (std::vector<std::string>{"Could not save \"nrgames.dat\": Is a directory",
                                        "Could not save \"swing.scr\": Not a regular file"}));
    EXPECT_TRUE(std::filesystem::is_directory("nrgames.dat"));
    EXPECT_TRUE(std::filesystem::is_fifo("swing.scr"));

    // The static table is readable: the game is entered there though it cannot be counted.
    calls.clear();
    EXPECT_TRUE(handBack(0, 50000));
    EXPECT_EQ(calls, (std::vector<std::string>{"Could not save \"nrgames.dat\": Is a directory",
                                               "ask 50000", "show, swing top 10000"}));
    EXPECT_EQ(readScoreTable("static.scr").rows[0].score, 50000);
}

TEST_F(ProcessGameResult, FailedWritesInAReadOnlyDirectoryAreReported) {
    ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
    const bool told = passesAsPlainUser([this] {
        handBack(1, 50000);
        return calls == std::vector<std::string>{
                            "Could not save \"nrgames.dat\": Permission denied", "ask 50000",
                            "Could not save \"swing.scr\": Permission denied",
                            "show, swing top 10000"};
    });
    ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
    EXPECT_TRUE(told);
    EXPECT_TRUE(entries().empty());
}

TEST_F(ProcessGameResult, TwoFrontEndsAtOnceLoseNoCountAndNoRow) {
    constexpr int perProcess = 12;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        if (children[child] == 0) {
            for (int i = 0; i < perProcess; ++i) {
                GameResultHooks hooks;
                // The player takes a moment to type, with no lock held.
                hooks.askName = [child, i](std::int32_t) {
                    std::this_thread::sleep_for(std::chrono::milliseconds((i * 7 + child) % 5));
                    return std::string(1, static_cast<char>('A' + child)) + std::to_string(i);
                };
                processGameResult(formatGameResult(1, 20000 + 100 * i + child), hooks);
            }
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(readGamesPlayed().swingingGames, 2 * perProcess);
    std::vector<std::int32_t> entered;
    for (int i = 0; i < perProcess; ++i) {
        entered.push_back(20000 + 100 * i);
        entered.push_back(20000 + 100 * i + 1);
    }
    std::sort(entered.rbegin(), entered.rend());
    const ScoreTable table = readScoreTable("swing.scr");
    for (int k = 0; k < scoreRowCount; ++k) {
        EXPECT_EQ(table.rows[k].score, entered[k]) << "row " << k;
    }
    EXPECT_EQ(entries(), (std::vector<std::string>{"nrgames.dat", "swing.scr"}));
}

} // namespace
