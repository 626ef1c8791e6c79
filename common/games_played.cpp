// Reading and writing "nrgames.dat".
#include "common/games_played.h"

#include "common/file_io.h"
#include "common/scramble.h"
#include "common/text_scan.h"

namespace crv {

GamesPlayed parseGamesPlayed(std::string_view text) {
    GamesPlayed games;
    TextScanner scanner{text};
    std::int32_t stored = 0;
    if (!scanInt(scanner, stored)) {
        return games;
    }
    games.swingingGames = decodeScore(stored, swingingGamesPair).value_or(0);
    if (scanInt(scanner, stored)) {
        games.staticGames = decodeScore(stored, staticGamesPair).value_or(0);
    }
    return games;
}

std::string formatGamesPlayed(const GamesPlayed& games) {
    return std::to_string(encodeScore(games.swingingGames, swingingGamesPair)) + ' ' +
           std::to_string(encodeScore(games.staticGames, staticGamesPair)) + '\n';
}

void countGame(GamesPlayed& games, std::int32_t gameMode) {
    const bool swinging = gameMode != 0;
    std::int32_t& count = swinging ? games.swingingGames : games.staticGames;
    if (count < largestScrambled(swinging ? swingingGamesPair : staticGamesPair)) {
        ++count;
    }
}

GamesPlayed readGamesPlayed(FileStatus* status) {
    const FileText file = readSharedFile(gamesPlayedFileName, status);
    return file.error == 0 ? parseGamesPlayed(file.text) : GamesPlayed{};
}

FileStatus writeGamesPlayed(const GamesPlayed& games) {
    return replaceFile(gamesPlayedFileName, formatGamesPlayed(games));
}

} // namespace crv
