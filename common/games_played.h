// The games-played file "nrgames.dat": how many games of each mode were handed back.
#pragma once

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

/// The file's counters; 0 and 0 when it cannot be opened.
GamesPlayed readGamesPlayed();

/// Replaces the file; false, the old file intact, when it cannot be written.
bool writeGamesPlayed(const GamesPlayed& games);

} // namespace crv
