// crvsim's engine: plays one headless game from a script and prints the rules' state.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace crv {

struct SimOptions {
    std::uint32_t seed = 1;
    float best = 10000.0f;
    int sound = 1;
};

/// Reads `--seed N`, `--best B` and `--sound 0|1`; false with a message on anything else,
/// `--help` and `--version` included (crvsim answers those when they stand alone).
bool parseSimArguments(int argc, const char* const* argv, SimOptions& options, std::string& error);

/// Starts a game as the game program does, runs the script's commands, and returns the exit
/// status: 0 at the end of the input, 2 at the first bad line (named on `err`).
int runSimulation(const SimOptions& options, std::istream& script, std::ostream& out,
                  std::ostream& err);

} // namespace crv
