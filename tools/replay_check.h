// crvsim --replay: a replay file played headless through the rules, its state printed.
#pragma once

#include "common/replay.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace crv {

/// How far a replay went when played.
struct ReplayRun {
    std::uint32_t turnsPlayed = 0;
    bool windowClosed = false; // the rules ended the game; the turns after it are not played
    float score = 0.0f;
};

/// Starts the game from the record's start as the game program does and plays its turns,
/// the held arrows answered from each turn's bits, until the last turn or until the rules
/// close the window. Prints "turn K" and the state block after every `blockEvery`-th turn
/// (0: never), then the final block, headed "final turn T" when `blockEvery` is not 0. Each
/// block's events line lists the cues since the block before, so a lone final block lists
/// those of the whole game.
ReplayRun playReplay(const ReplayRecord& record, std::uint32_t blockEvery, std::ostream& out);

/// Checks the replay file `name` whose bytes are `content` and plays it. The exit status: 0
/// played (a cut replay too, which is said on `err`), 1 played but its turns do not give the
/// final score the file claims, 2 not a replay that can be read (the reason on `err`).
int simCheckReplay(const std::string& name, std::string_view content, std::uint32_t blockEvery,
                   std::ostream& out, std::ostream& err);

/// simCheckReplay on the file as readReplayFile reads it; a file that cannot be read, or is
/// too large for a replay, is status 2 as well.
int simCheckReplayFile(const std::string& name, std::uint32_t blockEvery, std::ostream& out,
                       std::ostream& err);

} // namespace crv
