// Replay files read whole, the one way every program reads them; the ones the front end
// offers to watch, and keeping the best game of each mode.
#pragma once

#include "common/file_io.h"
#include "common/replay.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace crv {

/// The largest file a full record packs into: its turns' bytes, zlib's worst case on them
/// (well under one byte in 256) and the headers. Anything longer is not a replay, and is
/// not read whole.
constexpr std::size_t replayFileBytesMax = replayBytesReserved + replayBytesReserved / 256 + 4096;

/// A replay file as read: its bytes and record when it decoded, else why it did not.
struct ReplayFile {
    bool decoded = false;
    bool missing = false; // there is no such file; `problem` gives the system's words
    std::string problem;  // why it is no replay, in the player's words; empty when decoded
    std::string bytes;    // the file's content, when decoded
    ReplayRecord record;  // when decoded
};

/// Reads the file whole, never more than replayFileBytesMax + 1 bytes, and decodes it,
/// every turn checked. A file that cannot be read gives the system's words, one longer than
/// replayFileBytesMax "too large for a replay", bad content the decoder's words.
ReplayFile readReplayFile(const char* fileName);

/// readReplayFile into `record`; false with the reason in the player's words, and `record`
/// left as it was.
bool readReplayFile(const char* fileName, ReplayRecord& record, std::string& problem);

/// A replay file the front end offers to watch: whether it can be watched and, when it can,
/// which game.
struct ReplayFileCheck {
    bool watchable = false;
    bool missing = false;
    std::string problem; // why it cannot be watched, in words; empty when it can
    std::int32_t gameMode = 0;
    std::int32_t finalScore = 0; // as handed back
};

/// readReplayFile as the front end tells it: a missing file is "there is none".
ReplayFileCheck checkOfferedReplayFile(const char* fileName);

/// For a game whose score just became row 1 of its mode's table, and with the save lock held:
/// copies "lastgame.crr" byte for byte to the mode's best replay when it holds that game,
/// its mode (any non-zero one swinging) and final score the result's. A replay that is
/// missing, does not decode or holds another game is not kept, and the best replay stays as
/// it was; a line on standard error says why. The status of the write: ok when nothing was
/// written, and on a failure the old best replay is intact.
FileStatus keepBestReplay(std::int32_t gameMode, std::int32_t score);

} // namespace crv
