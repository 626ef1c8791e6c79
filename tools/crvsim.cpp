// crvsim: plays one headless game from a script on standard input, or a replay file, and prints
// its state.
#include "common/build_facts.h"
#include "common/program_info.h"
#include "tools/replay_check.h"
#include "tools/simulator.h"

#include <iostream>
#include <string>

namespace {

const char* const usageText = "usage: crvsim [--seed N] [--best B] [--sound 0|1] < script\n"
                              "       crvsim --replay FILE [--turns N]\n";

const char* const helpText =
    "       crvsim --help | --version\n"
    "Plays one game of Corvanth with the real rules and no window, one script command a line:\n"
    "  down K / up K    key K (a virtual-key code) goes down and counts as held / is released\n"
    "  turn [N [F]]     N loop turns (default 1) of F sixtieths of a second (default 1)\n"
    "  set C R V        value V (-6..6, negative = marked) into column C, row R\n"
    "  next A B C D     the next piece's colours (1..6)\n"
    "  dump             prints the game's state\n"
    "Blank lines and lines starting with # are ignored. --seed seeds the colours (default 1),\n"
    "--best is the best score shown (default 10000), --sound the sound flag (default 1).\n"
    "Exit status 0 at the end of the script, 2 at the first bad line or option.\n"
    "--replay plays a replay file (such as lastgame.crr) from the start it holds, so without\n"
    "--seed, --best or --sound, and prints the state at its end, where the events line lists\n"
    "the cues of the whole game; --turns N also prints it after every N turns, each block\n"
    "headed \"turn K\", the last \"final turn T\". A cut replay plays as far as it goes and\n"
    "says so on standard error. Exit status 0 when it played, 1 when its turns do not give\n"
    "the final score the file claims, 2 for a file that cannot be read or is not a whole\n"
    "replay.\n";

} // namespace

int main(int argc, char** argv) {
    const std::string help = std::string(usageText) + helpText;
    if (crv::printedProgramInformation(argc, argv, crv::simulatorProgramName, help.c_str())) {
        return 0;
    }
    crv::SimOptions options;
    std::string error;
    if (!crv::parseSimArguments(argc, argv, options, error)) {
        std::cerr << "crvsim: " << error << '\n' << usageText;
        return 2;
    }
    if (options.replay) {
        return crv::simCheckReplayFile(options.replayFile, options.blockEvery, std::cout,
                                       std::cerr);
    }
    return crv::runSimulation(options, std::cin, std::cout, std::cerr);
}
