// Counting a handed-back game and entering its score.
#include "common/process_game_result.h"

#include "common/game_result.h"
#include "common/games_played.h"
#include "common/replay.h"
#include "common/replay_files.h"
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

/// Enters the row into the table as it is on disk now. A score that became row 1 has the
/// game's replay kept beside the table under the same lock, so that the best replay is always
/// that of a row 1 that was saved; `kept` tells how its write went.
FileStatus enterScore(std::int32_t gameMode, std::int32_t score, const std::string& name,
                      FileStatus& kept) {
    return underSaveLock([&] {
        bool first = false;
        const FileStatus saved =
            updateScoreTableUnderLock(scoreFileName(gameMode), [&](ScoreTable& table) {
                // Another front end may have filled the table meanwhile; then this score no
                // longer fits.
                ScoreRow& last = table.rows[scoreRowCount - 1];
                if (score > last.score) {
                    // The table comes sorted, and a new row lands below an equal score.
                    first = score > table.rows[0].score;
                    setRowName(last, name);
                    last.score = score;
                }
            });
        if (saved && first) {
            kept = keepBestReplay(gameMode, score);
        }
        return saved;
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
    FileStatus kept;
    if (const FileStatus saved = enterScore(result->gameMode, result->score, name, kept); !saved) {
        reportSaveFailure(hooks, fileName, saved);
    }
    if (!kept) {
        reportSaveFailure(hooks, bestReplayFileName(result->gameMode), kept);
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
