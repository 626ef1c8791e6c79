// Replays: the record, the file both ways, the cut marker and every way a file is refused.
#include "common/replay.h"
#include "game/rules/turn.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using namespace crv;

namespace {

std::uint32_t bitsOf(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

ReplayTurn makeTurn(float frameTime, std::uint8_t held, std::vector<int> keys = {}) {
    ReplayTurn turn;
    turn.frameTime = frameTime;
    turn.held = held;
    turn.keyCount = static_cast<int>(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        turn.keys[i] = keys[i];
    }
    return turn;
}

/// The record's turns as nextReplayTurn gives them.
std::vector<ReplayTurn> turnsOf(const ReplayRecord& record) {
    std::vector<ReplayTurn> turns;
    std::size_t offset = 0;
    ReplayTurn turn;
    while (nextReplayTurn(record, offset, turn)) {
        turns.push_back(turn);
    }
    EXPECT_EQ(offset, record.used);
    return turns;
}

void expectSameTurn(const ReplayTurn& actual, const ReplayTurn& expected) {
    EXPECT_EQ(bitsOf(actual.frameTime), bitsOf(expected.frameTime)) << expected.frameTime;
    EXPECT_EQ(actual.held, expected.held);
    ASSERT_EQ(actual.keyCount, expected.keyCount);
    for (int i = 0; i < expected.keyCount; ++i) {
        EXPECT_EQ(actual.keys[i], expected.keys[i]) << "key " << i;
    }
}

ReplayRecord decoded(const std::string& file) {
    ReplayRecord record;
    std::string error;
    EXPECT_TRUE(decodeReplay(file, record, error)) << error;
    return record;
}

std::string decodeError(const std::string& file) {
    ReplayRecord record;
    std::string error;
    if (decodeReplay(file, record, error)) {
        return "(accepted)";
    }
    EXPECT_FALSE(error.empty());
    return error;
}

/// A small replay of a few turns, keys and held arrows among them.
std::string smallReplay() {
    ReplayRecord record;
    reserveReplay(record, {7, 1, 1, 100.0f}, 256);
    recordTurn(record, makeTurn(1.0f, 0));
    recordTurn(record, makeTurn(0.5f, HeldLeft, {37}));
    recordTurn(record, makeTurn(2.0f, HeldLeft | HeldDown, {40, 70}));
    record.finalScore = 12;
    return encodeReplay(record);
}

void putU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

/// What the file packs: its header fields, each replaceable, and its turns' bytes.
struct Inner {
    std::uint32_t seed = 7, mode = 1, sound = 1, bestBits = bitsOf(100.0f), finalScore = 12;
    std::uint32_t flags = 0, turnCount = 1;
    std::uint64_t turnBytes = 6;
    std::string turns = std::string("\x00\x00\x00\x00\x80\x3f", 6); // no keys, frameTime 1

    std::string bytes() const {
        std::string out;
        for (std::uint32_t value : {seed, mode, sound, bestBits, finalScore, flags, turnCount}) {
            putU32(out, value);
        }
        putU32(out, static_cast<std::uint32_t>(turnBytes));
        putU32(out, static_cast<std::uint32_t>(turnBytes >> 32));
        return out + turns;
    }
};

/// A file around `inner`, packed by zlib, claiming `claimedSize` bytes unpacked (its own size
/// when 0) and the given version.
std::string packed(const std::string& inner, std::uint32_t claimedSize = 0,
                   std::uint32_t version = replayVersion) {
    uLongf size = compressBound(static_cast<uLong>(inner.size()));
    std::string stream(size, '\0');
    compress(reinterpret_cast<Bytef*>(stream.data()), &size,
             reinterpret_cast<const Bytef*>(inner.data()), static_cast<uLong>(inner.size()));
    stream.resize(size);
    std::string file = "CRVRPLAY";
    putU32(file, version);
    putU32(file, claimedSize != 0 ? claimedSize : static_cast<std::uint32_t>(inner.size()));
    return file + stream;
}

TEST(Replay, EveryFieldAndTurnSurvivesTheFileBitForBit) {
    const ReplayStart start{0xfedcba98u, 0, 0, 123456.75f};
    std::vector<int> allKeys;
    for (int key = 1; key <= 0xff; ++key) {
        allKeys.push_back(key);
    }
    const float tiny = std::numeric_limits<float>::denorm_min();
    std::vector<ReplayTurn> turns = {
        makeTurn(1.0f, 0),
        makeTurn(0.0f, HeldLeft, {37}),
        makeTurn(tiny, HeldUp | HeldRight, {38, 38, 39}),
        makeTurn(1e-30f, 0, {27, 89}),
        makeTurn(6000.0f, HeldDown, {40}),
        makeTurn(std::numeric_limits<float>::max(), 0),
        makeTurn(0.1f, 0, allKeys), // the most keys a turn holds
        makeTurn(1.0000001f, 0x0f, {80, 80}),
    };
    for (std::uint8_t held = 0; held < 16; ++held) {
        turns.push_back(makeTurn(0.25f * held, held));
    }

    ReplayRecord record;
    reserveReplay(record, start, 4096);
    for (const ReplayTurn& turn : turns) {
        recordTurn(record, turn);
    }
    record.finalScore = -5;
    ASSERT_FALSE(record.cut);
    const std::string file = encodeReplay(record);

    const ReplayRecord back = decoded(file);
    EXPECT_EQ(back.start.seed, start.seed);
    EXPECT_EQ(back.start.gameMode, start.gameMode);
    EXPECT_EQ(back.start.soundOn, start.soundOn);
    EXPECT_EQ(bitsOf(back.start.bestScore), bitsOf(start.bestScore));
    EXPECT_EQ(back.finalScore, -5);
    EXPECT_FALSE(back.cut);
    EXPECT_EQ(back.turnCount, turns.size());
    const std::vector<ReplayTurn> read = turnsOf(back);
    ASSERT_EQ(read.size(), turns.size());
    for (std::size_t i = 0; i < turns.size(); ++i) {
        SCOPED_TRACE("turn " + std::to_string(i + 1));
        expectSameTurn(read[i], turns[i]);
    }
    // What is read back writes the same file again.
    EXPECT_EQ(encodeReplay(back), file);
}

TEST(Replay, AGameWithoutTurnsAndEveryModeRoundTrip) {
    for (const std::int32_t mode : {0, 1, 2}) {
        ReplayRecord record;
        reserveReplay(record, {0, mode, 1, 0.0f}, 16);
        const ReplayRecord back = decoded(encodeReplay(record));
        EXPECT_EQ(back.start.gameMode, mode);
        EXPECT_EQ(back.turnCount, 0u);
        EXPECT_TRUE(turnsOf(back).empty());
    }
    EXPECT_STREQ(bestReplayFileName(1), "swing.crr");
    EXPECT_STREQ(bestReplayFileName(0), "static.crr");
    EXPECT_EQ(heldBitOf(KeyLeft) | heldBitOf(KeyUp) | heldBitOf(KeyRight) | heldBitOf(KeyDown),
              heldArrowBits);
    EXPECT_EQ(heldBitOf(KeyLeft - 1) | heldBitOf(KeyDown + 1) | heldBitOf(KeyEscape), 0);
}

TEST(Replay, AFullBufferCutsTheRecordWhichKeepsWhatFitted) {
    ReplayRecord record;
    // Room for exactly three turns: six bytes, eight with two keys, six.
    reserveReplay(record, {3, 1, 1, 0.0f}, 20);
    const ReplayTurn kept[] = {makeTurn(1.0f, 0), makeTurn(1.0f, HeldLeft, {37, 39}),
                               makeTurn(0.0f, 0)};
    for (const ReplayTurn& turn : kept) {
        recordTurn(record, turn);
    }
    EXPECT_FALSE(record.cut);
    EXPECT_EQ(record.used, 20u);
    recordTurn(record, makeTurn(1.0f, 0));
    EXPECT_TRUE(record.cut);
    record.finalScore = 40;

    const ReplayRecord back = decoded(encodeReplay(record));
    EXPECT_TRUE(back.cut);
    EXPECT_EQ(back.finalScore, 40);
    const std::vector<ReplayTurn> read = turnsOf(back);
    ASSERT_EQ(read.size(), 3u);
    for (std::size_t i = 0; i < read.size(); ++i) {
        expectSameTurn(read[i], kept[i]);
    }

    // A new game's record starts whole again in the same bytes.
    reserveReplay(record, {4, 1, 1, 0.0f}, 20);
    EXPECT_FALSE(record.cut);
    EXPECT_EQ(record.turnCount, 0u);
}

TEST(Replay, ATurnTheFileCannotHoldCutsTheRecordThere) {
    ReplayTurn tooManyKeys = makeTurn(1.0f, 0);
    tooManyKeys.keyCount = maxKeysPerTurn + 1;
    const struct {
        const char* what;
        ReplayTurn turn;
    } cases[] = {
        {"more keys than a turn holds", tooManyKeys},
        {"a key of 0", makeTurn(1.0f, 0, {37, 0})},
        {"a key beyond a byte", makeTurn(1.0f, 0, {256 + 37})},
        {"a negative frame time", makeTurn(-1.0f, 0)},
        {"an infinite frame time", makeTurn(std::numeric_limits<float>::infinity(), 0)},
        {"a frame time that is no number", makeTurn(std::nanf(""), 0)},
        {"held bits beyond the arrows", makeTurn(1.0f, 0x10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReplayRecord record;
        reserveReplay(record, {}, 1024);
        recordTurn(record, makeTurn(1.0f, HeldUp, {38}));
        recordTurn(record, c.turn);
        EXPECT_TRUE(record.cut);
        // Cut for good: a turn that would fit is not taken after it.
        recordTurn(record, makeTurn(1.0f, 0));
        const ReplayRecord back = decoded(encodeReplay(record));
        EXPECT_TRUE(back.cut);
        EXPECT_EQ(back.turnCount, 1u);
    }
}

TEST(Replay, AFileCutShortAnywhereIsRefused) {
    const std::string file = smallReplay();
    ASSERT_EQ(decodeError(file), "(accepted)");
    for (std::size_t size = 0; size < file.size(); ++size) {
        SCOPED_TRACE("the first " + std::to_string(size) + " bytes");
        const std::string error = decodeError(file.substr(0, size));
        if (size == 0) {
            EXPECT_EQ(error, "the file is empty");
        } else if (size < 16) {
            EXPECT_EQ(error, "the file ends inside its header");
        } else if (size == 16) {
            EXPECT_EQ(error, "truncated or damaged: 0 packed bytes cannot hold the 57 bytes it "
                             "claims");
        } else {
            EXPECT_EQ(error, "truncated: its packed data ends early");
        }
    }
}

TEST(Replay, AnyByteChangedIsRefused) {
    const std::string file = smallReplay();
    for (std::size_t at = 0; at < file.size(); ++at) {
        SCOPED_TRACE("byte " + std::to_string(at));
        std::string damaged = file;
        damaged[at] = static_cast<char>(damaged[at] ^ 0xff);
        EXPECT_NE(decodeError(damaged), "(accepted)");
    }
}

TEST(Replay, DamagedForeignAndNewerFilesSayWhy) {
    const Inner good;
    ASSERT_EQ(decodeError(packed(good.bytes())), "(accepted)");
    const std::string goodFile = packed(good.bytes());
    auto with = [&good](auto change) {
        Inner inner = good;
        change(inner);
        return packed(inner.bytes());
    };
    const std::string turns2 = good.turns + good.turns;
    const struct {
        const char* what;
        std::string file;
        const char* error;
    } cases[] = {
        {"a picture", "\x89PNG\r\n\x1a\n and more", "not a Corvanth replay"},
        {"a tag one letter off", "CRVRPLAX" + goodFile.substr(8), "not a Corvanth replay"},
        {"a newer version", packed(good.bytes(), 0, replayVersion + 1),
         "made by a newer Corvanth (replay version 2, this one reads 1)"},
        {"version 0", packed(good.bytes(), 0, 0), "damaged: version 0"},
        {"a size below the header's", packed(good.bytes(), 35),
         "damaged: it claims to unpack to 35 bytes"},
        {"a size beyond any game's", packed(good.bytes(), 0xffffffffu),
         "damaged: it claims to unpack to 4294967295 bytes"},
        {"a size more than its packed bytes can hold", packed(good.bytes(), 100000),
         "truncated or damaged: 29 packed bytes cannot hold the 100000 bytes it claims"},
        {"a size too small", packed(good.bytes(), 40),
         "damaged: it unpacks to more than the 40 bytes it claims"},
        {"a size too large", packed(good.bytes(), 43),
         "damaged: it unpacks to fewer than the 43 bytes it claims"},
        {"bytes after the packed data", goodFile + "x", "damaged: bytes follow its packed data"},
        {"packed data that is not zlib", goodFile.substr(0, 16) + std::string(30, 'z'),
         "damaged: its packed data does not unpack"},
        {"turn bytes the header does not count", with([](Inner& i) { i.turnBytes = 12; }),
         "damaged: its header does not fit its turns"},
        {"turn bytes beyond 32 bits", with([](Inner& i) { i.turnBytes |= 1ull << 32; }),
         "damaged: its header does not fit its turns"},
        {"an unknown flag", with([](Inner& i) { i.flags = 2; }),
         "damaged: its header does not fit its turns"},
        {"a best score that is no number",
         with([](Inner& i) { i.bestBits = bitsOf(std::nanf("")); }),
         "damaged: its header does not fit its turns"},
        {"more turns counted than there are", with([](Inner& i) { i.turnCount = 2; }),
         "damaged: 1 turns where the header says 2"},
        {"fewer turns counted than there are", with([&turns2](Inner& i) {
             i.turns = turns2;
             i.turnBytes = 12;
         }),
         "damaged: 2 turns where the header says 1"},
        {"a turn shorter than a turn", with([](Inner& i) {
             i.turns = i.turns.substr(0, 5);
             i.turnBytes = 5;
         }),
         "damaged: turn 1 is cut short"},
        {"a turn with fewer keys than it counts", with([](Inner& i) {
             i.turns = std::string("\x00\x02\x00\x00\x80\x3f\x25", 7);
             i.turnBytes = 7;
         }),
         "damaged: turn 1 is cut short"},
        {"a second turn cut short", with([&turns2](Inner& i) {
             i.turns = turns2.substr(0, 11);
             i.turnBytes = 11;
             i.turnCount = 2;
         }),
         "damaged: turn 2 is cut short"},
        {"held bits beyond the arrows", with([](Inner& i) { i.turns[0] = '\x10'; }),
         "damaged: turn 1 is not a turn"},
        {"a key of 0", with([](Inner& i) {
             i.turns = std::string("\x00\x01\x00\x00\x80\x3f\x00", 7);
             i.turnBytes = 7;
         }),
         "damaged: turn 1 is not a turn"},
        {"a negative frame time", with([](Inner& i) { i.turns[5] = '\xbf'; }),
         "damaged: turn 1 is not a turn"},
        {"a frame time that is no number",
         with([](Inner& i) { i.turns.replace(2, 4, std::string("\x00\x00\xc0\x7f", 4)); }),
         "damaged: turn 1 is not a turn"},
        {"an infinite frame time",
         with([](Inner& i) { i.turns.replace(2, 4, std::string("\x00\x00\x80\x7f", 4)); }),
         "damaged: turn 1 is not a turn"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(decodeError(c.file), c.error);
    }
}

TEST(Replay, ARefusedFileLeavesTheRecordAsItWas) {
    ReplayRecord record;
    reserveReplay(record, {9, 1, 1, 0.0f}, 64);
    recordTurn(record, makeTurn(1.0f, 0));
    std::string error;
    EXPECT_FALSE(decodeReplay(smallReplay().substr(0, 30), record, error));
    EXPECT_EQ(record.start.seed, 9u);
    EXPECT_EQ(record.turnCount, 1u);
}

} // namespace
