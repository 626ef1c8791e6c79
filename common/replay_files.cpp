// Reading replay files, checking the ones offered to watch and keeping the best game of a mode.
#include "common/replay_files.h"

#include <utility>

namespace crv {

namespace {

const char* modeWord(std::int32_t gameMode) {
    return gameMode != 0 ? "swinging" : "static";
}

ReplayFileCheck checkOf(const ReplayFile& file) {
    ReplayFileCheck check;
    check.watchable = file.decoded;
    check.missing = file.missing;
    check.problem = file.missing ? "there is none" : file.problem;
    if (file.decoded) {
        check.gameMode = file.record.start.gameMode;
        check.finalScore = file.record.finalScore;
    }
    return check;
}

} // namespace

ReplayFile readReplayFile(const char* fileName) {
    ReplayFile replay;
    FileText file = readFile(fileName, replayFileBytesMax + 1);
    if (file.error != 0) {
        replay.missing = file.missing();
        replay.problem = describeFileError(file.error);
        return replay;
    }
    if (file.text.size() > replayFileBytesMax) {
        replay.problem = "too large for a replay";
        return replay;
    }
    replay.decoded = decodeReplay(file.text, replay.record, replay.problem);
    if (replay.decoded) {
        replay.bytes = std::move(file.text);
    }
    return replay;
}

bool readReplayFile(const char* fileName, ReplayRecord& record, std::string& problem) {
    ReplayFile replay = readReplayFile(fileName);
    if (!replay.decoded) {
        problem = std::move(replay.problem);
        return false;
    }
    record = std::move(replay.record);
    return true;
}

ReplayFileCheck checkOfferedReplayFile(const char* fileName) {
    return checkOf(readReplayFile(fileName));
}

FileStatus keepBestReplay(std::int32_t gameMode, std::int32_t score) {
    const char* bestName = bestReplayFileName(gameMode);
    const ReplayFile lastFile = readReplayFile(lastGameReplayFileName);
    const ReplayFileCheck last = checkOf(lastFile);
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
    return replaceFile(bestName, lastFile.bytes);
}

} // namespace crv
