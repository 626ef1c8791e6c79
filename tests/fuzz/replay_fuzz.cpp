// libFuzzer target: any bytes read as a replay are refused with a reason, or give a record
// whose every turn reads back and which writes a file that reads back the same.
#include "common/replay.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool sameStart(const crv::ReplayRecord& a, const crv::ReplayRecord& b) {
    return a.start.seed == b.start.seed && a.start.gameMode == b.start.gameMode &&
           a.start.soundOn == b.start.soundOn &&
           std::memcmp(&a.start.bestScore, &b.start.bestScore, sizeof a.start.bestScore) == 0 &&
           a.finalScore == b.finalScore && a.cut == b.cut && a.turnCount == b.turnCount;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    crv::ReplayRecord record;
    std::string error;
    if (!crv::decodeReplay(content, record, error)) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }

    // Every turn the reader took plays back as one the game could have recorded.
    std::size_t offset = 0;
    std::uint32_t turns = 0;
    static crv::ReplayTurn turn;
    while (crv::nextReplayTurn(record, offset, turn)) {
        if (turn.keyCount < 0 || turn.keyCount > crv::maxKeysPerTurn || (turn.held & ~0x0f) != 0 ||
            !std::isfinite(turn.frameTime) || turn.frameTime < 0.0f) {
            std::abort();
        }
        for (int i = 0; i < turn.keyCount; ++i) {
            if (turn.keys[i] < 1 || turn.keys[i] > 0xff) {
                std::abort();
            }
        }
        ++turns;
    }
    if (turns != record.turnCount || offset != record.used) {
        std::abort();
    }

    // Written again it reads back the same, and writes the same bytes once more.
    const std::string written = crv::encodeReplay(record);
    crv::ReplayRecord again;
    if (!crv::decodeReplay(written, again, error) || !sameStart(record, again) ||
        again.used != record.used ||
        std::memcmp(again.bytes.get(), record.bytes.get(), record.used) != 0 ||
        crv::encodeReplay(again) != written) {
        std::abort();
    }
    return 0;
}
