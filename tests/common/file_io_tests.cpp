// Replacing a shared file: a failed write leaves the old file whole and nothing stray.
#include "common/file_io.h"

#include "common/games_played.h"
#include "common/score_table.h"
#include "common/settings.h"
#include "temp_dir_fixture.h"

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

using namespace crv;

namespace {

class ReplaceFile : public TempDirTest {};

TEST_F(ReplaceFile, WritesNewContentAndLeavesNoTemporary) {
    writeText("static.scr", "old");
    ASSERT_TRUE(replaceFile("static.scr", "new content\n"));
    EXPECT_EQ(readText("static.scr"), "new content\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"static.scr"});
}

TEST_F(ReplaceFile, FailureHalfWayKeepsTheOldFile) {
    const std::string old = formatScoreTable(freshScoreTable());
    writeText("swing.scr", old);
    // Any file grown past 16 bytes now fails to write, as on a full disk.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ScoreTable table = freshScoreTable();
    table.rows[0].score = 99999;
    const bool scoresWritten = writeScoreTable(table, "swing.scr");
    const bool settingsWritten = saveSettings(frontEndDefaultSettings);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(scoresWritten);
    EXPECT_FALSE(settingsWritten);
    EXPECT_EQ(readText("swing.scr"), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"swing.scr"});
}

TEST_F(ReplaceFile, FileThatCannotBeCreatedIsSkippedSilently) {
    writeText("nrgames.dat", formatGamesPlayed({3, 4}));
    // A directory where the temporary must go blocks the write.
    std::filesystem::create_directory("nrgames.dat.tmp");
    EXPECT_FALSE(writeGamesPlayed({100, 100}));
    EXPECT_EQ(readGamesPlayed().swingingGames, 3);
    EXPECT_FALSE(replaceFile("no-such-dir/static.scr", "x"));
}

} // namespace
