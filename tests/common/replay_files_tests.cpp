// Replay files read whole: a replay, and every way a file is refused before and by the decoder.
#include "common/replay_files.h"
#include "game/rules/turn.h"
#include "temp_dir_fixture.h"

#include <filesystem>
#include <string>

#include <unistd.h>

using namespace crv;

namespace {

class ReplayFileRead : public TempDirTest {};

/// A replay of three turns: seed 7, swinging, 12 points.
std::string smallReplay() {
    ReplayRecord record;
    reserveReplay(record, {7, 1, 1, 100.0f}, 256);
    ReplayTurn turn;
    turn.frameTime = 1.0f;
    recordTurn(record, turn);
    turn.keyCount = 1;
    turn.keys[0] = 37;
    turn.held = HeldLeft;
    recordTurn(record, turn);
    recordTurn(record, turn);
    record.finalScore = 12;
    return encodeReplay(record);
}

TEST_F(ReplayFileRead, AReplayIsReadWholeAndAnythingElseRefusedWithItsReason) {
    const std::string good = smallReplay();
    writeText("good.crr", good);
    writeText("short.crr", good.substr(0, good.size() - 9));
    std::filesystem::create_directory("folder.crr");
    // Sparse, so they cost no disk: the longest file read as content, and one byte more.
    writeText("longest.crr", "");
    ASSERT_EQ(truncate("longest.crr", replayFileBytesMax), 0);
    writeText("over.crr", "");
    ASSERT_EQ(truncate("over.crr", replayFileBytesMax + 1), 0);

    const struct {
        const char* name;
        bool missing;
        const char* problem; // empty: decoded
    } cases[] = {
        {"good.crr", false, ""},
        {"missing.crr", true, "No such file or directory"},
        {"folder.crr", false, "Is a directory"},
        {"short.crr", false, "truncated: its packed data ends early"},
        {"longest.crr", false, "not a Corvanth replay"},
        {"over.crr", false, "too large for a replay"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool decodes = *c.problem == '\0';
        const ReplayFile file = readReplayFile(c.name);
        EXPECT_EQ(file.decoded, decodes);
        EXPECT_EQ(file.missing, c.missing);
        EXPECT_EQ(file.problem, c.problem);
        EXPECT_EQ(file.bytes, decodes ? good : "");
        EXPECT_EQ(file.record.turnCount, decodes ? 3u : 0u);

        // The reading the game program uses: the same answer, and no record unless decoded.
        ReplayRecord record;
        reserveReplay(record, {99, 0, 0, 0.0f}, 16);
        std::string problem;
        EXPECT_EQ(readReplayFile(c.name, record, problem), decodes);
        EXPECT_EQ(problem, c.problem);
        EXPECT_EQ(record.start.seed, decodes ? 7u : 99u);
        EXPECT_EQ(record.finalScore, decodes ? 12 : 0);
    }
}

TEST_F(ReplayFileRead, TheFrontEndsCheckNamesTheGameOrSaysThereIsNone) {
    writeText("good.crr", smallReplay());
    const ReplayFileCheck good = checkOfferedReplayFile("good.crr");
    EXPECT_TRUE(good.watchable);
    EXPECT_EQ(good.problem, "");
    EXPECT_EQ(good.gameMode, 1);
    EXPECT_EQ(good.finalScore, 12);

    const ReplayFileCheck none = checkOfferedReplayFile("missing.crr");
    EXPECT_FALSE(none.watchable);
    EXPECT_TRUE(none.missing);
    EXPECT_EQ(none.problem, "there is none");
}

} // namespace
