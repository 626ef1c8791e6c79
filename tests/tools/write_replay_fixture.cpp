// Writes the replay fixture of the cross-build check: a player's game recorded through the
// rules as the game program records one. Run by a release build; see tests/tools/replays/.
#include "tests/tools/recorded_game.h"

#include "common/file_io.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: write_replay_fixture FILE SEED TURNS STALL_TURN [CAPACITY]\n");
        return 2;
    }
    const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10));
    const int turns = std::atoi(argv[3]);
    const int stallTurn = std::atoi(argv[4]);
    // A capacity in bytes cuts the record where it is full.
    const std::size_t capacity =
        argc == 6 ? std::strtoul(argv[5], nullptr, 10) : crv::replayBytesReserved;
    static crvtest::RecordedGame recorded;
    crvtest::startRecordedGame(recorded, {seed, 1, 1, 2500.0f}, capacity);
    crvtest::playPlayersGame(recorded, seed, turns, stallTurn);
    const crv::FileStatus status = crv::replaceFile(argv[1], crv::encodeReplay(recorded.record));
    if (!status) {
        std::fprintf(stderr, "%s\n", crv::saveFailureText(argv[1], status).c_str());
        return 1;
    }
    std::fprintf(stderr, "%u turns%s, score %d, state %d, %zu bytes of turns\n",
                 recorded.record.turnCount, recorded.record.cut ? " (cut)" : "",
                 recorded.record.finalScore, recorded.game.gameState, recorded.record.used);
    return 0;
}
