// Replays: what the rules read in one game, turn by turn: recorded, written, read back.
//
// A replay holds the start of a game (the generator's seed, the mode, the sound switch and the
// best score) and for every loop turn its frameTime, the game's key-downs dispatched in it and
// the arrows the poll found held. With the rules that is the whole game: played again, the
// same turns give the same pieces, moves, chains, swing and score, bit for bit.
//
// The file: the tag "CRVRPLAY", the format's version and the size of the rest unpacked (each
// 32 bits, little-endian), then that rest packed by zlib: the start, the final score, whether
// the record was cut, the count of turns and their bytes. A turn is its held arrows (one
// byte), its count of keys (one byte), its frameTime (the float's 32 bits) and its keys (a
// byte each).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace crv {

constexpr const char* lastGameReplayFileName = "lastgame.crr";

/// The best game of a mode, kept by the front end beside that mode's table: "swing.crr" for a
/// swinging playfield (any non-zero mode), "static.crr" for a static one.
const char* bestReplayFileName(int gameMode);

constexpr std::uint32_t replayVersion = 1;

/// The bits a turn's held arrows may use: one for each of the four, as the rules give them
/// (HeldArrow, heldBitOf in game/rules/turn.h).
constexpr std::uint8_t heldArrowBits = 0x0f;

/// The most key-downs one turn can record; a turn with more cuts the record there.
constexpr int maxKeysPerTurn = 255;

/// The bytes reserved for a record: two hours at 1,000 turns a second, and room for keys.
constexpr std::size_t replayTurnBytes = 6; // a turn without keys
constexpr std::size_t replayBytesReserved = 2u * 3600u * 1000u * replayTurnBytes + (1u << 20);

/// What the game started from.
struct ReplayStart {
    std::uint32_t seed = 0; // the generator's seed, as startGame takes it
    std::int32_t gameMode = 1;
    std::int32_t soundOn = 1;
    float bestScore = 0.0f;
};

/// One loop turn as the rules read it.
struct ReplayTurn {
    float frameTime = 0.0f;
    std::uint8_t held = 0; // the rules' HeldArrow bits
    int keyCount = 0;
    std::int32_t keys[maxKeysPerTurn]{}; // virtual-key codes, in the order dispatched
};

/// A game's record. Its bytes are reserved once, at the start; recording a turn allocates
/// nothing.
struct ReplayRecord {
    ReplayStart start;
    std::int32_t finalScore = 0; // the score as handed back (truncated); set at the end
    bool cut = false;            // recording stopped before the game ended
    std::uint32_t turnCount = 0;
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t capacity = 0;
    std::size_t used = 0;
};

/// Empties the record for a game that starts from `start` and reserves `capacity` bytes for
/// its turns (tests give less). The one allocation of a record.
void reserveReplay(ReplayRecord& record, const ReplayStart& start,
                   std::size_t capacity = replayBytesReserved);

/// Adds one turn. When the reserved bytes are full, or the turn is one the file cannot hold
/// (more keys than a turn holds, a key outside 1..255, a frameTime that is negative or not
/// finite), the record is cut and takes no more turns; the game is not told.
void recordTurn(ReplayRecord& record, const ReplayTurn& turn);

/// The file's content for the record; empty when zlib could not pack it (out of memory).
std::string encodeReplay(const ReplayRecord& record);

/// Reads a replay file's content into the record, every turn checked. False, with the reason
/// in words for the player, for an empty, truncated, damaged, foreign or newer file.
bool decodeReplay(std::string_view content, ReplayRecord& record, std::string& error);

/// The turn at `offset` into `turn`, and `offset` moved past it; false after the last turn.
/// Start with offset 0. Reads only records that decodeReplay accepted or recordTurn filled.
bool nextReplayTurn(const ReplayRecord& record, std::size_t& offset, ReplayTurn& turn);

} // namespace crv
