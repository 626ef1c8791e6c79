// crvsim's engine: plays one headless game from a script and prints the rules' state.
#pragma once

#include "game/rules/game.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace crv {

struct SimOptions {
    std::uint32_t seed = 1;
    float best = 10000.0f;
    int sound = 1;
    bool replay = false; // --replay: a replay file is checked instead of a script read
    std::string replayFile;
    std::uint32_t blockEvery = 0; // --turns: a state block every this many turns; 0, none
};

/// Reads `--seed N`, `--best B` and `--sound 0|1`, or `--replay FILE` and `--turns N`; false
/// with a message on anything else, on a mix of the two kinds, and on `--help` and `--version`
/// (crvsim answers those when they stand alone).
bool parseSimArguments(int argc, const char* const* argv, SimOptions& options, std::string& error);

/// Starts a game as the game program does, runs the script's commands, and returns the exit
/// status: 0 at the end of the input, 2 at the first bad line (named on `err`).
int runSimulation(const SimOptions& options, std::istream& script, std::ostream& out,
                  std::ostream& err);

/// Prints the state block that `dump` prints, with the cues in `events`, which it empties.
void dumpState(const Game& game, std::vector<std::string>& events, std::ostream& out);

} // namespace crv
