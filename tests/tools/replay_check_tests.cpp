// crvsim --replay: a recorded game checked headless ends in the state it was played to.
#include "tools/replay_check.h"

#include "tests/tools/recorded_game.h"
#include "tools/simulator.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

struct CheckRun {
    int status;
    std::string out;
    std::string err;
};

CheckRun check(const std::string& file, std::uint32_t blockEvery = 0,
               const std::string& name = "game.crr") {
    std::ostringstream out;
    std::ostringstream err;
    const int status = crv::simCheckReplay(name, file, blockEvery, out, err);
    return {status, out.str(), err.str()};
}

/// The state block the game ended in, as dump prints it.
std::string playedState(crvtest::RecordedGame& recorded) {
    std::ostringstream out;
    crv::dumpState(recorded.game, recorded.effects.events, out);
    return out.str();
}

/// A player's game; on the heap, since a record's turn is large.
std::unique_ptr<crvtest::RecordedGame>
playersGame(const crv::ReplayStart& start, int turnCount, int stallTurn,
            std::size_t capacity = crv::replayBytesReserved) {
    auto recorded = std::make_unique<crvtest::RecordedGame>();
    crvtest::startRecordedGame(*recorded, start, capacity);
    crvtest::playPlayersGame(*recorded, start.seed, turnCount, stallTurn);
    return recorded;
}

/// The block without its events line, which lists only the cues since the block before.
std::string withoutEvents(const std::string& block) {
    const std::size_t at = block.find("\nevents");
    return block.substr(0, at) + block.substr(block.find('\n', at + 1));
}

/// The lines that head the blocks, each followed by ';'.
std::string headersOf(const std::string& out) {
    std::istringstream lines(out);
    std::string headers;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("turn ", 0) == 0 || line.rfind("final ", 0) == 0) {
            headers += line + ';';
        }
    }
    return headers;
}

TEST(ReplayCheck, EndsInTheStateTheGameWasPlayedTo) {
    const struct {
        crv::ReplayStart start;
        int turns;
        int stallTurn;
    } games[] = {
        {{8, 1, 1, 2500.0f}, 700, 300},
        {{41, 0, 0, 0.0f}, 900, 1},    // sound off: only the window's end is listed
        {{5, 1, 1, 10.0f}, 6000, 900}, // to game over and the window's end
    };
    for (const auto& g : games) {
        SCOPED_TRACE("seed " + std::to_string(g.start.seed));
        const auto recorded = playersGame(g.start, g.turns, g.stallTurn);
        ASSERT_FALSE(recorded->record.cut);
        EXPECT_GT(recorded->game.score, 50.0f) << "the player should land some pieces";
        const CheckRun run = check(crv::encodeReplay(recorded->record));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, playedState(*recorded));
    }
}

TEST(ReplayCheck, TurnsPrintsABlockEveryNTurnsThenTheFinalOne) {
    const auto recorded = playersGame({3, 1, 1, 100.0f}, 450, 200);
    const std::string file = crv::encodeReplay(recorded->record);
    const std::string plain = check(file).out;

    const CheckRun every = check(file, 100);
    EXPECT_EQ(every.status, 0);
    EXPECT_EQ(headersOf(every.out), "turn 100;turn 200;turn 300;turn 400;final turn 450;");
    const std::string last = every.out.substr(every.out.find("final turn 450\n") + 15);
    EXPECT_EQ(withoutEvents(last), withoutEvents(plain));

    // The first block is the state after that many turns, cues and all.
    auto first = std::make_unique<crvtest::RecordedGame>();
    crvtest::startRecordedGame(*first, recorded->record.start);
    std::size_t offset = 0;
    crv::ReplayTurn turn;
    for (int i = 0; i < 100 && crv::nextReplayTurn(recorded->record, offset, turn); ++i) {
        crvtest::playAndRecord(*first, turn);
    }
    const std::size_t start = every.out.find("turn 100\n") + 9;
    EXPECT_EQ(every.out.substr(start, every.out.find("turn 200\n") - start), playedState(*first));

    // A block falls on the last turn only as the final one; beyond the game, only that.
    EXPECT_EQ(headersOf(check(file, 225).out), "turn 225;final turn 450;");
    EXPECT_EQ(check(file, 450).out, "final turn 450\n" + plain);
    EXPECT_EQ(check(file, 1000).out, "final turn 450\n" + plain);
}

TEST(ReplayCheck, StopsWhereTheRulesCloseTheWindow) {
    const auto recorded = playersGame({12, 1, 1, 0.0f}, 400, -1);
    crvtest::playAndRecord(*recorded, crvtest::keyTurn({27}));
    crvtest::playAndRecord(*recorded, crvtest::keyTurn({89}, 0.0f)); // Y: the window closes
    ASSERT_TRUE(recorded->effects.windowClosed);
    const std::string expected = playedState(*recorded);
    // Turns a file holds after the end are read but not played.
    crv::recordTurn(recorded->record, crvtest::keyTurn({40}));
    crv::recordTurn(recorded->record, crvtest::keyTurn({}));

    const CheckRun run = check(crv::encodeReplay(recorded->record));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
    EXPECT_NE(expected.find(" DESTROY\n"), std::string::npos);
    EXPECT_EQ(run.err,
              "crvsim: \"game.crr\": the game ended at turn 402; the 2 turns after it were not "
              "played\n");
}

TEST(ReplayCheck, ACutReplayPlaysAsFarAsItGoesAndSaysSo) {
    // Room for about 150 of the 600 turns.
    const auto recorded = playersGame({9, 1, 1, 0.0f}, 600, 50, 1000);
    ASSERT_TRUE(recorded->record.cut);
    const std::uint32_t kept = recorded->record.turnCount;
    ASSERT_GT(kept, 100u);

    auto asFar = std::make_unique<crvtest::RecordedGame>();
    crvtest::startRecordedGame(*asFar, recorded->record.start);
    std::size_t offset = 0;
    crv::ReplayTurn turn;
    while (crv::nextReplayTurn(recorded->record, offset, turn)) {
        crvtest::playAndRecord(*asFar, turn);
    }

    const CheckRun run = check(crv::encodeReplay(recorded->record));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, playedState(*asFar));
    EXPECT_EQ(run.err, "crvsim: \"game.crr\" was cut after " + std::to_string(kept) +
                           " turns: the game went on unrecorded, so this is not its end\n");
}

TEST(ReplayCheck, AScoreTheTurnsDoNotGiveIsStatusOne) {
    const auto recorded = playersGame({8, 1, 1, 0.0f}, 500, -1);
    const std::int32_t score = recorded->record.finalScore;
    recorded->record.finalScore = score + 1000;
    const CheckRun run = check(crv::encodeReplay(recorded->record));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, playedState(*recorded));
    EXPECT_EQ(run.err, "crvsim: \"game.crr\" claims a final score of " +
                           std::to_string(score + 1000) + ", but its turns give " +
                           std::to_string(score) + "\n");
}

class SimCheckReplayFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "crvtest-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string write(const char* name, const std::string& content) const {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::filesystem::path dir;
};

TEST_F(SimCheckReplayFile, AFileThatIsNoWholeReplayIsStatusTwoWithTheReason) {
    const auto recorded = playersGame({2, 1, 1, 0.0f}, 300, 100);
    const std::string good = crv::encodeReplay(recorded->record);
    std::string flipped = good;
    flipped.back() = static_cast<char>(flipped.back() ^ 0x55); // the packed data's checksum
    std::string newer = good;
    newer[8] = 2;

    const std::string goodPath = write("good.crr", good);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(crv::simCheckReplayFile(goodPath, 0, out, err), 0);
    EXPECT_EQ(out.str(), playedState(*recorded));
    EXPECT_EQ(err.str(), "");

    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {(dir / "missing.crr").string(), "No such file or directory"},
        {dir.string(), "Is a directory"},
        {write("empty.crr", ""), "the file is empty"},
        {write("short.crr", good.substr(0, good.size() - 9)),
         "truncated: its packed data ends early"},
        {write("header.crr", good.substr(0, 11)), "the file ends inside its header"},
        {write("flipped.crr", flipped), "damaged: its packed data does not unpack"},
        {write("newer.crr", newer),
         "made by a newer Corvanth (replay version 2, this one reads 1)"},
        {write("script.crv", "turn\ndump\n"), "not a Corvanth replay"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::ostringstream caseOut;
        std::ostringstream caseErr;
        EXPECT_EQ(crv::simCheckReplayFile(c.path, 10, caseOut, caseErr), 2);
        EXPECT_EQ(caseOut.str(), "");
        EXPECT_EQ(caseErr.str(), "crvsim: cannot check \"" + c.path + "\": " + c.reason + "\n");
    }
}

} // namespace
