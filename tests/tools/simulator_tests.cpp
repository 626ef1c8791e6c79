// crvsim: scripts, the state block, options and errors.
#include "tools/simulator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

struct SimRun {
    int status;
    std::string out;
    std::string err;
};

SimRun simulate(const std::string& script, const crv::SimOptions& options = {}) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = crv::runSimulation(options, in, out, err);
    return {status, out.str(), err.str()};
}

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

/// The value after `key` on the state block's lines.
std::string field(const std::string& block, const std::string& key) {
    const std::size_t at = block.find(key + " ");
    if (at == std::string::npos) {
        return "(missing)";
    }
    const std::size_t start = at + key.size() + 1;
    return block.substr(start, block.find_first_of(" \n", start) - start);
}

TEST(SimulatorTest, WorkedExamplePrintsTheExpectedBlocks) {
    const std::string dir = CORVANTH_SCRIPTS_DIR;
    const SimRun run = simulate(readFile(dir + "/worked_example.crv"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, readFile(dir + "/worked_example.out"));
}

TEST(SimulatorTest, FirstPieceIsTheSameWhateverTheSeed) {
    crv::SimOptions seeded;
    seeded.seed = 12345;
    const SimRun plain = simulate("turn\ndump\n");
    const SimRun other = simulate("turn\ndump\n", seeded);
    EXPECT_EQ(field(plain.out, "colors"), field(other.out, "colors"));
    const std::string plainNext = plain.out.substr(plain.out.find("next "), 16);
    const std::string otherNext = other.out.substr(other.out.find("next "), 16);
    EXPECT_NE(plainNext, otherNext);
}

TEST(SimulatorTest, TheFirstTurnAlwaysTakesExactlyOneSixtieth) {
    const SimRun run = simulate("turn 1 5\ndump\nturn 1 5\ndump\n");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(field(run.out, "clocks"), "0.0299999993");
    const std::string second = run.out.substr(run.out.find("end\n") + 4);
    EXPECT_EQ(field(second, "clocks"), "0.179999992");
}

TEST(SimulatorTest, SoundOffRecordsNoCuesButStillTheDestruction) {
    crv::SimOptions quiet;
    quiet.sound = 0;
    const SimRun run = simulate("turn\ndown 37\nturn\ndown 27\ndown 89\nturn\ndump\n", quiet);
    EXPECT_NE(run.out.find("events DESTROY\n"), std::string::npos) << run.out;
    EXPECT_EQ(field(run.out, "state"), "32");
}

TEST(SimulatorTest, KeysAndBestScoreShowInTheBlock) {
    crv::SimOptions options;
    options.best = 3.5f;
    const SimRun run = simulate("down 38\ndown 70\n\n# a comment\nset 9 17 -6\ndump\n", options);
    EXPECT_NE(run.out.find("keys 0 1 0 0 fps 1 sound 1\n"), std::string::npos) << run.out;
    EXPECT_EQ(field(run.out, "best"), "3.5");
    EXPECT_NE(run.out.find(".........F\nend\n"), std::string::npos) << run.out;
}

TEST(SimulatorTest, BadLinesStopWithStatusTwoAndTheirNumber) {
    const char* const badLines[] = {
        "jump",       "set 10 0 1", "set 0 18 1", "set 0 0 7",  "set 0 0",    "next 0 1 1 1",
        "next 1 1 1", "turn -1",    "turn 1 -2",  "turn 1 nan", "turn 1 1 1", "turn x",
        "down",       "down 256",   "up 3x",      "dump now",
    };
    for (const char* line : badLines) {
        const SimRun run = simulate(std::string("# header\n\nturn\n") + line + "\ndump\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.err.find("line 4:"), std::string::npos) << line << ": " << run.err;
        EXPECT_EQ(run.out, "") << line;
    }
}

TEST(SimulatorTest, ArgumentsAreCheckedStrictly) {
    struct Case {
        std::vector<const char*> args;
        bool valid;
    };
    const Case cases[] = {
        {{"crvsim"}, true},
        {{"crvsim", "--seed", "4294967295", "--best", "0", "--sound", "0"}, true},
        {{"crvsim", "--seed", "4294967296"}, false},
        {{"crvsim", "--seed", "-1"}, false},
        {{"crvsim", "--sound", "2"}, false},
        {{"crvsim", "--best"}, false},
        {{"crvsim", "--best", "inf"}, false},
        {{"crvsim", "--fast", "1"}, false},
        {{"crvsim", "--replay", "game.crr"}, true},
        {{"crvsim", "--turns", "1", "--replay", "-odd name"}, true},
        {{"crvsim", "--replay", "a.crr", "--turns", "4294967295"}, true},
        {{"crvsim", "--replay"}, false},
        {{"crvsim", "--replay", "a.crr", "--replay", "b.crr"}, false},
        {{"crvsim", "--replay", "a.crr", "--turns", "0"}, false},
        {{"crvsim", "--replay", "a.crr", "--turns", "4294967296"}, false},
        {{"crvsim", "--replay", "a.crr", "--turns", "+5"}, false},
        {{"crvsim", "--replay", "a.crr", "--turns", " 5"}, false},
        {{"crvsim", "--replay", "a.crr", "--turns", "5x"}, false},
        {{"crvsim", "--turns", "5"}, false},
        {{"crvsim", "--replay", "a.crr", "--seed", "3"}, false},
        {{"crvsim", "--best", "1", "--replay", "a.crr"}, false},
        {{"crvsim", "--replay", "a.crr", "--sound", "0"}, false},
    };
    for (const Case& c : cases) {
        crv::SimOptions options;
        std::string error;
        const bool valid =
            crv::parseSimArguments(static_cast<int>(c.args.size()), c.args.data(), options, error);
        EXPECT_EQ(valid, c.valid) << c.args.size() << " " << c.args.back();
        EXPECT_EQ(error.empty(), c.valid);
    }
}

TEST(SimulatorTest, ReplayOptionsSayWhatIsWrongWithThem) {
    const struct {
        std::vector<const char*> args;
        const char* error;
    } cases[] = {
        {{"crvsim", "--replay", "a.crr", "--seed", "3"},
         "--seed does not go with --replay: the replay holds its game's start"},
        {{"crvsim", "--turns", "5"}, "--turns goes only with --replay"},
        {{"crvsim", "--replay", "a", "--turns", "-1"},
         "--turns takes a whole number of turns from 1, not '-1'"},
        {{"crvsim", "--replay", "a", "--replay", "b"}, "--replay takes one file"},
    };
    for (const auto& c : cases) {
        crv::SimOptions options;
        std::string error;
        EXPECT_FALSE(
            crv::parseSimArguments(static_cast<int>(c.args.size()), c.args.data(), options, error));
        EXPECT_EQ(error, c.error);
    }
    crv::SimOptions options;
    std::string error;
    const char* const args[] = {"crvsim", "--turns", "250", "--replay", "lastgame.crr"};
    ASSERT_TRUE(crv::parseSimArguments(5, args, options, error)) << error;
    EXPECT_TRUE(options.replay);
    EXPECT_EQ(options.replayFile, "lastgame.crr");
    EXPECT_EQ(options.blockEvery, 250u);
}

} // namespace
