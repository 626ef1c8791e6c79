// Games played through the rules by a scripted player and recorded turn by turn, as the game
// program records one, for the tests of crvsim's replays and the replay fixture.
#pragma once

#include "common/replay.h"
#include "game/rules/game.h"

#include <cstdint>
#include <string>
#include <vector>

namespace crvtest {

/// The platform of a recorded game: the arrows held in the current turn; the cues and the
/// window's end listed as crvsim lists them.
class TurnEffects final : public crv::GameEffects {
  public:
    bool isKeyHeld(int virtualKey) override;
    void playSound(crv::SoundCue cue) override;
    void destroyWindow() override;

    std::uint8_t held = 0;
    bool windowClosed = false;
    std::vector<std::string> events;
};

/// A game, its platform and its record.
struct RecordedGame {
    crv::Game game;
    TurnEffects effects;
    crv::ReplayRecord record;
};

/// Starts the game as the game program does and reserves its record.
void startRecordedGame(RecordedGame& recorded, const crv::ReplayStart& start,
                       std::size_t capacity = crv::replayBytesReserved);

/// Plays one turn through the rules and records it, as the game program's loop does, and
/// sets the record's final score to the score as it would be handed back now.
void playAndRecord(RecordedGame& recorded, const crv::ReplayTurn& turn);

/// Plays `turnCount` turns of a player whose every choice follows from `seed`: arrows tapped,
/// held and repeated, Down held often, the frame-rate key, pauses, and frame times of 1, 0,
/// tiny, odd and a stall of 600 at `stallTurn` (none when negative). Stops early where the
/// rules close the window.
void playPlayersGame(RecordedGame& recorded, std::uint32_t seed, int turnCount, int stallTurn);

/// A turn with these keys, nothing held.
crv::ReplayTurn keyTurn(std::vector<int> keys, float frameTime = 1.0f);

} // namespace crvtest
