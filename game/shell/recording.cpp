// The game's record of itself: what the rules read in every loop turn, and "lastgame.crr".
#include "game/shell/recording.h"

#include "common/file_io.h"
#include "game/rules/turn.h"

namespace crv {

void startRecording(Recording& recording, const ReplayStart& start, std::size_t capacity) {
    reserveReplay(recording.record, start, capacity);
    recording.turn.keyCount = 0;
    recording.turn.held = 0;
}

void recordKey(Recording& recording, int virtualKey) {
    ReplayTurn& turn = recording.turn;
    if (turn.keyCount == maxKeysPerTurn) {
        // The turn cannot hold this key, and a replay without it would be another game.
        recording.record.cut = true;
        return;
    }
    turn.keys[turn.keyCount++] = virtualKey;
}

void recordHeld(Recording& recording, int virtualKey) {
    recording.turn.held = static_cast<std::uint8_t>(recording.turn.held | heldBitOf(virtualKey));
}

void endRecordedTurn(Recording& recording, float frameTime) {
    ReplayTurn& turn = recording.turn;
    turn.frameTime = frameTime;
    recordTurn(recording.record, turn);
    turn.keyCount = 0;
    turn.held = 0;
}

void writeLastGame(Recording& recording, std::int32_t finalScore) {
    recording.record.finalScore = finalScore;
    const std::string content = encodeReplay(recording.record);
    if (content.empty()) {
        printProblem(std::string("Could not save \"") + lastGameReplayFileName +
                     "\": out of memory");
        return;
    }
    const FileStatus status = replaceFile(lastGameReplayFileName, content);
    if (!status) {
        printProblem(saveFailureText(lastGameReplayFileName, status));
    }
}

} // namespace crv
