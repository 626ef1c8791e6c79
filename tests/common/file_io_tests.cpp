// Reading and replacing the shared files: nothing blocks, nothing is lost, nothing goes astray.
#include "common/file_io.h"

#include "common/games_played.h"
#include "common/score_table.h"
#include "common/settings.h"
#include "temp_dir_fixture.h"
#include "tests/full_disk.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace crv;

namespace {

mode_t modeOf(const char* name) {
    struct stat info {};
    stat(name, &info);
    return info.st_mode & 07777;
}

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
    ScoreTable table = freshScoreTable();
    table.rows[0].score = 99999;
    FileStatus scoresWritten;
    FileStatus settingsWritten;
    {
        const FullDisk full;
        scoresWritten = writeScoreTable(table, "swing.scr");
        settingsWritten = saveSettings(frontEndDefaultSettings);
    }

    EXPECT_EQ(scoresWritten.error, EFBIG);
    EXPECT_EQ(settingsWritten.error, EFBIG);
    EXPECT_EQ(saveFailureText("swing.scr", scoresWritten),
              "Could not save \"swing.scr\": File too large");
    EXPECT_EQ(readText("swing.scr"), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"swing.scr"});
}

TEST_F(ReplaceFile, LinkAtTheOldTemporaryNameIsNeverFollowed) {
    writeText("nrgames.dat", formatGamesPlayed({3, 4}));
    writeText("victim", "keep me");
    std::filesystem::create_symlink("victim", "nrgames.dat.tmp");
    std::filesystem::create_directory("corvanth.cfg.tmp");

    EXPECT_TRUE(writeGamesPlayed({100, 100}));
    EXPECT_TRUE(saveSettings(frontEndDefaultSettings));
    EXPECT_EQ(readGamesPlayed().swingingGames, 100);
    EXPECT_EQ(readText("victim"), "keep me");
    EXPECT_TRUE(std::filesystem::is_symlink("nrgames.dat.tmp"));
    EXPECT_FALSE(replaceFile("no-such-dir/static.scr", "x"));
}

TEST_F(ReplaceFile, LinkedFileStaysALinkAndKeepsItsPermissions) {
    std::filesystem::create_directory("shared");
    writeText("shared/swing.scr", "old\n");
    ASSERT_EQ(chmod("shared/swing.scr", 0664), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown("shared/swing.scr", nobody, nobody), 0);
    }
    std::filesystem::create_symlink("shared/swing.scr", "swing.scr");
    const mode_t oldMask = umask(022);
    const FileStatus written = replaceFile("swing.scr", "new\n");
    umask(oldMask);

    ASSERT_TRUE(written) << describeFileError(written.error);
    EXPECT_TRUE(std::filesystem::is_symlink("swing.scr"));
    EXPECT_EQ(readText("shared/swing.scr"), "new\n");
    EXPECT_EQ(modeOf("shared/swing.scr"), 0664u);
    struct stat info {};
    ASSERT_EQ(stat("shared/swing.scr", &info), 0);
    if (geteuid() == 0) {
        EXPECT_EQ(info.st_uid, nobody);
        EXPECT_EQ(info.st_gid, nobody);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("shared"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(ReplaceFile, NewFileTakesTheUmask) {
    const mode_t oldMask = umask(027);
    ASSERT_TRUE(replaceFile("static.scr", "x"));
    umask(oldMask);
    EXPECT_EQ(modeOf("static.scr"), 0640u);
}

TEST_F(ReplaceFile, SomeoneElsesLinkIsNotFollowed) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to make a link another user owns";
    }
    writeText("victim", "keep me");
    std::filesystem::create_symlink("victim", "swing.scr");
    ASSERT_EQ(lchown("swing.scr", nobody, nobody), 0);
    EXPECT_EQ(replaceFile("swing.scr", "x").error, EACCES);
    EXPECT_EQ(readText("victim"), "keep me");
}

TEST_F(ReplaceFile, SpecialFilesAreUnreadableAtOnceAndNeverReplaced) {
    struct Case {
        const char* name;
        std::function<void()> make;
        int error;
    };
    const Case cases[] = {
        {"corvanth.cfg", [] { std::filesystem::create_directory("corvanth.cfg"); }, EISDIR},
        {"swing.scr", [] { ASSERT_EQ(mkfifo("swing.scr", 0644), 0); }, notRegularFile},
        {"nrgames.dat", [] { std::filesystem::create_symlink("/dev/null", "nrgames.dat"); },
         notRegularFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        // A blocking open of the FIFO would hang here for good.
        const FileText file = readFile(c.name);
        EXPECT_TRUE(file.unreadable());
        EXPECT_EQ(file.error, c.error);
        EXPECT_EQ(replaceFile(c.name, "x").error, c.error);
    }
    EXPECT_TRUE(std::filesystem::is_fifo("swing.scr"));
    EXPECT_EQ(describeFileError(notRegularFile), "Not a regular file");
    EXPECT_TRUE(readFile("missing.scr").missing());
}

TEST_F(ReplaceFile, FileThatCannotBeReadIsNeitherReadNorReplaced) {
    // A file the player cannot read may still hold their rows: it is not "missing".
    ASSERT_EQ(chmod(dir.c_str(), 0777), 0);
    writeText("swing.scr", "secret rows\n");
    ASSERT_EQ(chmod("swing.scr", 0222), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown("swing.scr", nobody, nobody), 0);
    }
    EXPECT_TRUE(passesAsPlainUser([] {
        FileStatus read;
        readScoreTable("swing.scr", &read);
        return readFile("swing.scr").error == EACCES && read.error == EACCES &&
               replaceFile("swing.scr", "x").error == EACCES;
    }));
    ASSERT_EQ(chmod("swing.scr", 0644), 0);
    EXPECT_EQ(readText("swing.scr"), "secret rows\n");
}

TEST_F(ReplaceFile, KilledSaveLeavesTheOldOrTheNewContent) {
    const std::string contents[] = {formatScoreTable(freshScoreTable()),
                                    std::string(20000, 'x') + '\n'};
    writeText("swing.scr", contents[0]);
    std::mt19937 random(12345);
    for (int round = 0; round < 60; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int i = 1;; ++i) {
                replaceFile("swing.scr", contents[i % 2]);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const auto text = readText("swing.scr");
        ASSERT_TRUE(text == contents[0] || text == contents[1]) << "round " << round;
    }
}

TEST_F(ReplaceFile, TwoFrontEndsSavingAtOnceNeverTearAFile) {
    // Each process writes its own full contents; any mix of the two is a torn file.
    const Settings settings[] = {{1, 4, 1, 1, 1, 1, 1, 12, 1, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    ScoreTable tables[] = {freshScoreTable(), freshScoreTable()};
    setRowName(tables[1].rows[0], std::string(39, 'W'));
    const GamesPlayed counts[] = {{123456, 654321}, {7, 8}};
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        if (children[child] == 0) {
            for (int round = 0; round < 150; ++round) {
                const bool saved = saveSettings(settings[child]) &&
                                   writeScoreTable(tables[child], "swing.scr") &&
                                   writeGamesPlayed(counts[child]);
                if (!saved) {
                    _exit(1);
                }
            }
            _exit(0);
        }
    }
    auto oneOf = [](const std::optional<std::string>& text, const std::string& a,
                    const std::string& b) { return !text || *text == a || *text == b; };
    int running = 2;
    int statuses[2] = {-1, -1};
    int reads = 0;
    std::string torn;
    while (running > 0 && torn.empty()) {
        if (!oneOf(readText("corvanth.cfg"), formatSettings(settings[0]),
                   formatSettings(settings[1]))) {
            torn = "corvanth.cfg";
        } else if (!oneOf(readText("swing.scr"), formatScoreTable(tables[0]),
                          formatScoreTable(tables[1]))) {
            torn = "swing.scr";
        } else if (!oneOf(readText("nrgames.dat"), formatGamesPlayed(counts[0]),
                          formatGamesPlayed(counts[1]))) {
            torn = "nrgames.dat";
        }
        ++reads;
        for (int child = 0; child < 2; ++child) {
            if (statuses[child] == -1 && waitpid(children[child], &statuses[child], WNOHANG) > 0) {
                --running;
            }
        }
    }
    ASSERT_EQ(torn, "");
    for (const int status : statuses) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_GT(reads, 10);
    EXPECT_EQ(entries(), (std::vector<std::string>{"corvanth.cfg", "nrgames.dat", "swing.scr"}));
}

TEST_F(ReplaceFile, SecondHolderOfTheSaveLockWaitsThenTimesOut) {
    std::optional<SaveLock> first(std::in_place);
    EXPECT_TRUE(first->status());
    const SaveLock second(50);
    EXPECT_EQ(second.status().error, lockTimedOut);
    first.reset();
    const SaveLock third(50);
    EXPECT_TRUE(third.status());
}

} // namespace
