// libFuzzer target: any "nrgames.dat" reads safely, and its counters survive a rewrite.
#include "common/games_played.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    crv::GamesPlayed games = crv::parseGamesPlayed(text);
    // The front end adds one game to a counter it has read; at the top it stays put.
    crv::countGame(games, 1);
    crv::countGame(games, 0);
    const crv::GamesPlayed again = crv::parseGamesPlayed(crv::formatGamesPlayed(games));
    if (again.swingingGames != games.swingingGames || again.staticGames != games.staticGames) {
        std::abort();
    }
    return 0;
}
