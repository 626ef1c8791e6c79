// Replays: what the rules read in one game, turn by turn: recorded, written, read back.
#include "common/replay.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace crv {

namespace {

constexpr char fileTag[8] = {'C', 'R', 'V', 'R', 'P', 'L', 'A', 'Y'};
constexpr std::size_t outerSize = sizeof fileTag + 4 + 4;
// seed, mode, sound, best score, final score, flags, turn count, turn bytes (64 bits)
constexpr std::size_t innerHeaderSize = 7 * 4 + 8;
constexpr std::uint32_t cutFlag = 1;
constexpr std::size_t maxPackRatio = 1040; // above deflate's limit, 258 bytes in two bits

void putU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

std::uint32_t floatBits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float bitsFloat(std::uint32_t bits) {
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t getU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

/// Reads one turn at `offset` of `size` bytes; false where the bytes do not make a turn.
bool readTurn(const std::uint8_t* bytes, std::size_t size, std::size_t& offset, ReplayTurn& turn) {
    if (size - offset < replayTurnBytes) {
        return false;
    }
    const std::uint8_t* at = bytes + offset;
    const int keyCount = at[1];
    if (size - offset - replayTurnBytes < static_cast<std::size_t>(keyCount)) {
        return false;
    }
    turn.held = at[0];
    turn.keyCount = keyCount;
    turn.frameTime = bitsFloat(getU32(at + 2));
    for (int i = 0; i < keyCount; ++i) {
        turn.keys[i] = at[replayTurnBytes + i];
    }
    offset += replayTurnBytes + static_cast<std::size_t>(keyCount);
    return true;
}

/// A turn the file can hold and the reader takes: a key is one byte, and never 0.
bool validTurn(const ReplayTurn& turn) {
    if ((turn.held & ~heldArrowBits) != 0 || !std::isfinite(turn.frameTime) ||
        turn.frameTime < 0.0f) {
        return false;
    }
    for (int i = 0; i < turn.keyCount; ++i) {
        if (turn.keys[i] < 1 || turn.keys[i] > 0xff) {
            return false;
        }
    }
    return true;
}

} // namespace

const char* bestReplayFileName(int gameMode) {
    return gameMode != 0 ? "swing.crr" : "static.crr";
}

void reserveReplay(ReplayRecord& record, const ReplayStart& start, std::size_t capacity) {
    record.start = start;
    record.finalScore = 0;
    record.cut = false;
    record.turnCount = 0;
    record.used = 0;
    if (record.capacity != capacity || !record.bytes) {
        // Not zeroed: the pages are touched only as the game fills them.
        record.bytes.reset(new std::uint8_t[capacity]);
        record.capacity = capacity;
    }
}

void recordTurn(ReplayRecord& record, const ReplayTurn& turn) {
    if (record.cut) {
        return;
    }
    const std::size_t size = replayTurnBytes + static_cast<std::size_t>(turn.keyCount);
    // A turn the reader would refuse cuts the record too, so a written replay always reads.
    if (turn.keyCount < 0 || turn.keyCount > maxKeysPerTurn || !validTurn(turn) ||
        record.capacity - record.used < size) {
        record.cut = true;
        return;
    }
    std::uint8_t* at = record.bytes.get() + record.used;
    at[0] = turn.held;
    at[1] = static_cast<std::uint8_t>(turn.keyCount);
    const std::uint32_t bits = floatBits(turn.frameTime);
    for (int i = 0; i < 4; ++i) {
        at[2 + i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xff);
    }
    for (int i = 0; i < turn.keyCount; ++i) {
        at[replayTurnBytes + i] = static_cast<std::uint8_t>(turn.keys[i]);
    }
    record.used += size;
    ++record.turnCount;
}

std::string encodeReplay(const ReplayRecord& record) {
    std::string inner;
    inner.reserve(innerHeaderSize);
    putU32(inner, record.start.seed);
    putU32(inner, static_cast<std::uint32_t>(record.start.gameMode));
    putU32(inner, static_cast<std::uint32_t>(record.start.soundOn));
    putU32(inner, floatBits(record.start.bestScore));
    putU32(inner, static_cast<std::uint32_t>(record.finalScore));
    putU32(inner, record.cut ? cutFlag : 0);
    putU32(inner, record.turnCount);
    const std::uint64_t turnBytes = record.used;
    putU32(inner, static_cast<std::uint32_t>(turnBytes & 0xffffffffu));
    putU32(inner, static_cast<std::uint32_t>(turnBytes >> 32));

    // The header and the turns packed as one zlib stream.
    const uLong innerSize = static_cast<uLong>(inner.size() + record.used);
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_COMPRESSION) != Z_OK) {
        return {};
    }
    std::string out(fileTag, sizeof fileTag);
    putU32(out, replayVersion);
    putU32(out, static_cast<std::uint32_t>(innerSize));
    out.resize(outerSize + deflateBound(&stream, innerSize));
    stream.next_out = reinterpret_cast<Bytef*>(&out[outerSize]);
    stream.avail_out = static_cast<uInt>(out.size() - outerSize);
    stream.next_in = reinterpret_cast<Bytef*>(inner.data());
    stream.avail_in = static_cast<uInt>(inner.size());
    bool packed = deflate(&stream, Z_NO_FLUSH) == Z_OK;
    if (packed) {
        stream.next_in = record.bytes.get();
        stream.avail_in = static_cast<uInt>(record.used);
        packed = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    }
    out.resize(outerSize + stream.total_out);
    deflateEnd(&stream);
    if (!packed) {
        return {}; // zlib ran out of memory: no file rather than a broken one
    }
    return out;
}

bool decodeReplay(std::string_view content, ReplayRecord& record, std::string& error) {
    if (content.empty()) {
        error = "the file is empty";
        return false;
    }
    // A start of the tag alone is a replay cut short, not a foreign file.
    const std::size_t tagBytes = std::min(content.size(), sizeof fileTag);
    if (std::memcmp(content.data(), fileTag, tagBytes) != 0) {
        error = "not a Corvanth replay";
        return false;
    }
    if (content.size() < outerSize) {
        error = "the file ends inside its header";
        return false;
    }
    const auto* outer = reinterpret_cast<const std::uint8_t*>(content.data());
    const std::uint32_t version = getU32(outer + sizeof fileTag);
    if (version > replayVersion) {
        error = "made by a newer Corvanth (replay version " + std::to_string(version) +
                ", this one reads " + std::to_string(replayVersion) + ")";
        return false;
    }
    if (version == 0) {
        error = "damaged: version 0";
        return false;
    }
    const std::uint32_t innerSize = getU32(outer + sizeof fileTag + 4);
    if (innerSize < innerHeaderSize || innerSize > innerHeaderSize + replayBytesReserved) {
        error = "damaged: it claims to unpack to " + std::to_string(innerSize) + " bytes";
        return false;
    }
    // zlib packs no more than about 1032 bytes into one, so a short file that claims more is
    // refused before the bytes it claims are allocated.
    const std::size_t packedSize = content.size() - outerSize;
    if (innerSize > packedSize * maxPackRatio + innerHeaderSize) {
        error = "truncated or damaged: " + std::to_string(packedSize) +
                " packed bytes cannot hold the " + std::to_string(innerSize) + " bytes it claims";
        return false;
    }

    // Unpacked into exactly the size the file claims; more or less is damage.
    std::vector<std::uint8_t> inner(innerSize);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        error = "out of memory";
        return false;
    }
    stream.next_in = const_cast<Bytef*>(outer + outerSize);
    stream.avail_in = static_cast<uInt>(content.size() - outerSize);
    stream.next_out = inner.data();
    stream.avail_out = innerSize;
    const int result = inflate(&stream, Z_FINISH);
    const bool ended = result == Z_STREAM_END;
    const bool full = stream.total_out == innerSize;
    const bool inputLeft = stream.avail_in != 0;
    inflateEnd(&stream);
    if (!ended || !full || inputLeft) {
        const std::string claimed = " the " + std::to_string(innerSize) + " bytes it claims";
        if (ended) {
            error = !full ? "damaged: it unpacks to fewer than" + claimed
                          : "damaged: bytes follow its packed data";
        } else if (result != Z_OK && result != Z_BUF_ERROR) {
            error = "damaged: its packed data does not unpack";
        } else if (!inputLeft) {
            error = "truncated: its packed data ends early";
        } else {
            error = "damaged: it unpacks to more than" + claimed;
        }
        return false;
    }

    const std::uint8_t* at = inner.data();
    ReplayStart start;
    start.seed = getU32(at);
    start.gameMode = static_cast<std::int32_t>(getU32(at + 4));
    start.soundOn = static_cast<std::int32_t>(getU32(at + 8));
    start.bestScore = bitsFloat(getU32(at + 12));
    const auto finalScore = static_cast<std::int32_t>(getU32(at + 16));
    const std::uint32_t flags = getU32(at + 20);
    const std::uint32_t turnCount = getU32(at + 24);
    const std::uint64_t turnBytes = static_cast<std::uint64_t>(getU32(at + 28)) |
                                    static_cast<std::uint64_t>(getU32(at + 32)) << 32;
    if (turnBytes != innerSize - innerHeaderSize || (flags & ~cutFlag) != 0 ||
        !std::isfinite(start.bestScore)) {
        error = "damaged: its header does not fit its turns";
        return false;
    }

    // Every turn checked now, so that playing it back meets no surprise.
    const std::uint8_t* turns = at + innerHeaderSize;
    std::size_t offset = 0;
    std::uint32_t counted = 0;
    ReplayTurn turn;
    while (offset < turnBytes) {
        if (!readTurn(turns, turnBytes, offset, turn)) {
            error = "damaged: turn " + std::to_string(counted + 1) + " is cut short";
            return false;
        }
        if (!validTurn(turn)) {
            error = "damaged: turn " + std::to_string(counted + 1) + " is not a turn";
            return false;
        }
        ++counted;
    }
    if (counted != turnCount) {
        error = "damaged: " + std::to_string(counted) + " turns where the header says " +
                std::to_string(turnCount);
        return false;
    }

    reserveReplay(record, start, turnBytes);
    std::memcpy(record.bytes.get(), turns, turnBytes);
    record.used = turnBytes;
    record.turnCount = turnCount;
    record.finalScore = finalScore;
    record.cut = (flags & cutFlag) != 0;
    return true;
}

bool nextReplayTurn(const ReplayRecord& record, std::size_t& offset, ReplayTurn& turn) {
    return offset < record.used && readTurn(record.bytes.get(), record.used, offset, turn);
}

} // namespace crv
