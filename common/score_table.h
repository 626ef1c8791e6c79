// The high-score tables "static.scr" and "swing.scr", and the game's read of the best score.
#pragma once

#include "common/file_io.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace crv {

constexpr char staticScoreFileName[] = "static.scr";
constexpr char swingScoreFileName[] = "swing.scr";
constexpr int scoreRowCount = 15;
/// The name field, terminator included, so a stored name holds at most 39 bytes.
constexpr int nameFieldSize = 40;
/// What a row shows when its line is missing, has no number or fails the check.
constexpr char corruptScoreName[] = "<corrupt score>";
/// What is stored for an empty name, which the file cannot hold.
constexpr char noNameEntered[] = "[No name entered]";

struct ScoreRow {
    char name[nameFieldSize]; // zero-terminated; never a newline
    std::int32_t score;
};

/// Fifteen rows, row 0 the best once sorted.
struct ScoreTable {
    ScoreRow rows[scoreRowCount];
};

/// "swing.scr" for any non-zero mode, else "static.scr".
const char* scoreFileName(std::int32_t gameMode);

/// The table that stands in for a missing file: "Zelmorath" with 10000, 9500 ... 3000.
ScoreTable freshScoreTable();

/// Sets a row's name, cut at a newline and to 39 bytes without splitting a UTF-8 character;
/// a name with nothing but white space left becomes "[No name entered]".
void setRowName(ScoreRow& row, std::string_view name);

/// Fifteen rows read as "%d %[^\n]\n" each; a row whose line is missing, has no number or
/// fails the check reads as "<corrupt score>" with 0, and a bad line costs only its own row.
ScoreTable parseScoreTable(std::string_view text);

/// Fifteen lines "%d %s\n", scores scrambled; a blank name filled in by hand goes out as
/// "[No name entered]", as `setRowName` stores it.
std::string formatScoreTable(const ScoreTable& table);

/// The file's table; `freshScoreTable` when it is missing or unreadable. Writes nothing. A
/// problem other than a missing file goes to standard error and into `status`, if given, so
/// that the caller leaves the file alone.
ScoreTable readScoreTable(const char* fileName, FileStatus* status = nullptr);

/// Replaces the file with the table; a failure, the old file intact, when it cannot be written.
FileStatus writeScoreTable(const ScoreTable& table, const char* fileName);

/// Under the save lock: the file's table as it is now, sorted, given to `change` (if any),
/// sorted again and written back, so a row another front end entered meanwhile is kept. An
/// unreadable file is left alone and reported as the failure. "OK" in "Highscores" passes
/// no change.
FileStatus updateScoreTable(const char* fileName,
                            const std::function<void(ScoreTable&)>& change = nullptr);

/// `updateScoreTable` for a caller that holds the save lock already, to do more under it.
FileStatus updateScoreTableUnderLock(const char* fileName,
                                     const std::function<void(ScoreTable&)>& change = nullptr);

/// Descending by score with the exchange sort both programs' files rely on: a new last row
/// lands below every row with an equal or higher score.
void sortScoreTable(ScoreTable& table);

/// Whether a score beats the last row of the table as "Highscores" shows it, sorted, so a
/// damaged or out-of-place row never keeps out a better score.
bool scoreEntersTable(const ScoreTable& table, std::int32_t score);

/// The best score shown by the game from a score file's text: its first integer decoded,
/// 0 when that fails the check or is missing.
float parseBestScore(std::string_view text);

/// Game start-up: the best score of the mode's table, 10000 when the file is missing or
/// unreadable.
float readBestScore(std::int32_t gameMode);

} // namespace crv
