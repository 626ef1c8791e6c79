// Checking replay files and keeping the best game of a mode beside its table.
#include "common/replay_files.h"

#include "common/replay.h"

#include <utility>

namespace crv {

namespace {

// The largest file a full record packs into: the turns' bytes plus zlib's worst case and
// the headers. Anything longer is not a replay, and is not read whole.
constexpr std::size_t replayFileBytesMax = replayBytesReserved + replayBytesReserved / 256 + 4096;

const char* modeWord(std::int32_t gameMode) {
    return gameMode != 0 ? "swinging" : "static";
}

/// The check of the file, with its bytes in `content` when it is watchable.
ReplayFileCheck readReplayFile(const char* fileName, std::string& content) {
    ReplayFileCheck check;
    FileText file = readFile(fileName, replayFileBytesMax + 1);
    if (file.missing()) {
        check.missing = true;
        check.problem = "there is none";
        return check;
    }
    if (file.error != 0) {
        check.problem = describeFileError(file.error);
        return check;
    }
    if (file.text.size() > replayFileBytesMax) {
        check.problem = "too large for a replay";
        return check;
    }
    ReplayRecord record;
    if (!decodeReplay(file.text, record, check.problem)) {
        return check;
    }
    check.watchable = true;
    check.gameMode = record.start.gameMode;
    check.finalScore = record.finalScore;
    content = std::move(file.text);
    return check;
}

} // namespace

bool readReplayFile(const char* fileName, ReplayRecord& record, std::string& problem) {
    FileText file = readFile(fileName, replayFileBytesMax + 1);
    if (file.error != 0) {
        problem = describeFileError(file.error);
        return false;
    }
    if (file.text.size() > replayFileBytesMax) {
        problem = "too large for a replay";
        return false;
    }
    return decodeReplay(file.text, record, problem);
}

ReplayFileCheck checkReplayFile(const char* fileName) {
    std::string content;
    return readReplayFile(fileName, content);
}

FileStatus keepBestReplay(std::int32_t gameMode, std::int32_t score) {
    const char* bestName = bestReplayFileName(gameMode);
    std::string content;
    const ReplayFileCheck last = readReplayFile(lastGameReplayFileName, content);
    std::string why;
    if (!last.watchable) {
        why = last.problem;
    } else if ((last.gameMode != 0) != (gameMode != 0)) {
        why = std::string("it holds a ") + modeWord(last.gameMode) + " game";
    } else if (last.finalScore != score) {
        why = "it holds a game of " + std::to_string(last.finalScore) + " points, not " +
              std::to_string(score);
    }
    if (!why.empty()) {
        printProblem(std::string("Not keeping \"") + lastGameReplayFileName + "\" as the best " +
                     modeWord(gameMode) + " game: " + why);
        return {};
    }
    return replaceFile(bestName, content);
}

} // namespace crv
