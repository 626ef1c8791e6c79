// Counting a handed-back game and entering its score.
#include "common/process_game_result.h"

#include "common/game_result.h"
#include "common/games_played.h"
#include "common/score_table.h"

namespace crv {

namespace {

void reportSaveFailure(const GameResultHooks& hooks, const char* fileName, FileStatus status) {
    if (hooks.saveFailed) {
        hooks.saveFailed(fileName, status);
    } else {
        printProblem(saveFailureText(fileName, status));
    }
}

/// Adds the game to "nrgames.dat" under the lock; a file that cannot be read keeps its count.
FileStatus countHandedBackGame(std::int32_t gameMode) {
    return underSaveLock([&] {
        FileStatus read;
        GamesPlayed games = readGamesPlayed(&read);
        if (!read) {
            return read;
        }
        countGame(games, gameMode);
        return writeGamesPlayed(games);
    });
}

/// Enters the row into the table as it is on disk now.
FileStatus enterScore(const char* fileName, std::int32_t score, const std::string& name) {
    return updateScoreTable(fileName, [&](ScoreTable& table) {
        // Another front end may have filled the table meanwhile; then this score no longer fits.
        ScoreRow& last = table.rows[scoreRowCount - 1];
        if (score > last.score) {
            setRowName(last, name);
            last.score = score;
        }
    });
}

} // namespace

bool processGameResult(std::string_view commandLine, const GameResultHooks& hooks) {
    const auto result = parseGameResult(commandLine);
    if (!result) {
        return false;
    }

    if (const FileStatus counted = countHandedBackGame(result->gameMode); !counted) {
        reportSaveFailure(hooks, gamesPlayedFileName, counted);
    }

    const char* fileName = scoreFileName(result->gameMode);
    FileStatus read;
    const ScoreTable table = readScoreTable(fileName, &read);
    if (!read) {
        // The fresh table would stand in for rows that are still on disk: keep them.
        reportSaveFailure(hooks, fileName, read);
        return true;
    }
    if (!scoreEntersTable(table, result->score)) {
        return true;
    }
    const std::string name = hooks.askName ? hooks.askName(result->score) : std::string();
    if (const FileStatus saved = enterScore(fileName, result->score, name); !saved) {
        reportSaveFailure(hooks, fileName, saved);
    }
    if (hooks.showScoreTables) {
        hooks.showScoreTables();
    }
    return true;
}

bool processGameResult(int argc, const char* const* argv, const GameResultHooks& hooks) {
    return processGameResult(commandLineText(argc, argv), hooks);
}

} // namespace crv
