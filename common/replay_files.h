// The replay files the front end offers to watch, and keeping the best game of each mode.
#pragma once

#include "common/file_io.h"
#include "common/replay.h"

#include <cstdint>
#include <string>

namespace crv {

/// A replay file as it reads now: whether it can be watched and, when it can, which game.
struct ReplayFileCheck {
    bool watchable = false;
    bool missing = false;
    std::string problem; // why it cannot be watched, in words; empty when it can
    std::int32_t gameMode = 0;
    std::int32_t finalScore = 0; // as handed back
};

bool readReplayFile(const char* fileName, ReplayRecord& record, std::string& problem);
/// Reads the file and decodes it, every turn checked, as the game would before showing it.
ReplayFileCheck checkReplayFile(const char* fileName);

/// For a game whose score just became row 1 of its mode's table, and with the save lock held:
/// copies "lastgame.crr" byte for byte to the mode's best replay when it holds that game,
/// its mode (any non-zero one swinging) and final score the result's. A replay that is
/// missing, does not decode or holds another game is not kept, and the best replay stays as
/// it was; a line on standard error says why. The status of the write: ok when nothing was
/// written, and on a failure the old best replay is intact.
FileStatus keepBestReplay(std::int32_t gameMode, std::int32_t score);

} // namespace crv
