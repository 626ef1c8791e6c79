// The games-played file "nrgames.dat": how many games of each mode were handed back.
#pragma once

#include "common/file_io.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace crv {

constexpr char gamesPlayedFileName[] = "nrgames.dat";

struct GamesPlayed {
    std::int32_t swingingGames = 0;
    std::int32_t staticGames = 0;
};

/// "%d%d", the swinging counter first; a counter that is missing or fails its check is 0.
GamesPlayed parseGamesPlayed(std::string_view text);

/// One line "%d %d\n" with both counters scrambled.
std::string formatGamesPlayed(const GamesPlayed& games);

/// Adds one game of the mode (non-zero swinging). A counter at the largest value its
/// scrambling can store stays there instead of wrapping to an invalid value.
void countGame(GamesPlayed& games, std::int32_t gameMode);

/// The file's counters; 0 and 0 when it is missing or unreadable. A problem other than a
/// missing file goes to standard error and into `status`, if given.
GamesPlayed readGamesPlayed(FileStatus* status = nullptr);

/// Replaces the file; a failure, the old file intact, when it cannot be written.
FileStatus writeGamesPlayed(const GamesPlayed& games);

} // namespace crv
