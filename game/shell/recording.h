// The game's record of itself: what the rules read in every loop turn, and "lastgame.crr".
//
// Does: reserves the record once at start-up; takes each turn's key-downs, held arrows and
// frameTime without allocating; cuts the record when it is full or a turn has too many keys;
// writes the replay when the game ends. Does not: tell the game anything, or write any other
// file.
#pragma once

#include "common/replay.h"

#include <cstddef>
#include <cstdint>

namespace crv {

/// The record of the game in play and the turn being filled.
struct Recording {
    ReplayRecord record;
    ReplayTurn turn;
};

/// Starts the record of a game that starts from `start`: the one allocation of recording.
void startRecording(Recording& recording, const ReplayStart& start,
                    std::size_t capacity = replayBytesReserved);

/// A key-down dispatched to the rules in this turn. One more than a turn holds cuts the record.
void recordKey(Recording& recording, int virtualKey);

/// An arrow the poll found held in this turn.
void recordHeld(Recording& recording, int virtualKey);

/// Closes the turn with the frameTime its poll and tick used: into the record, then emptied.
void endRecordedTurn(Recording& recording, float frameTime);

/// At the end of the game: sets the final score (as handed back, before scrambling) and
/// replaces "lastgame.crr" in the working directory. A failure is reported on standard error
/// as a failed save and changes nothing else.
void writeLastGame(Recording& recording, std::int32_t finalScore);

} // namespace crv
