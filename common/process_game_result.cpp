// Counting a handed-back game and entering its score.
#include "common/process_game_result.h"

#include "common/game_result.h"
#include "common/games_played.h"
#include "common/score_table.h"

namespace crv {

bool processGameResult(std::string_view commandLine, const GameResultHooks& hooks) {
    const auto result = parseGameResult(commandLine);
    if (!result) {
        return false;
    }
    const bool swinging = result->gameMode != 0;

    GamesPlayed games = readGamesPlayed();
    // Decoded counters are far below the 32-bit limit, so adding one cannot overflow.
    ++(swinging ? games.swingingGames : games.staticGames);
    writeGamesPlayed(games);

    const char* fileName = scoreFileName(result->gameMode);
    ScoreTable table = readScoreTable(fileName);
    ScoreRow& last = table.rows[scoreRowCount - 1];
    if (result->score <= last.score) {
        return true;
    }
    const std::string name = hooks.askName ? hooks.askName(result->score) : std::string();
    setRowName(last, name);
    last.score = result->score;
    sortScoreTable(table);
    writeScoreTable(table, fileName);
    if (hooks.showScoreTables) {
        hooks.showScoreTables();
    }
    return true;
}

bool processGameResult(int argc, const char* const* argv, const GameResultHooks& hooks) {
    return processGameResult(commandLineText(argc, argv), hooks);
}

} // namespace crv
