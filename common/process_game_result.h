// The front end's handling of a game handed back: count it, and enter a high enough score.
#pragma once

#include "common/file_io.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace crv {

/// The two dialogs the flow opens; the front end fills them in, tests pass fakes.
struct GameResultHooks {
    /// Shows the name entry for this score modally; returns the name typed, however the
    /// dialog was closed (an empty name is stored as "[No name entered]").
    std::function<std::string(std::int32_t score)> askName;
    /// Shows the high-score tables modally; they read the files again, so the new row shows.
    std::function<void()> showScoreTables;
    /// Tells the player at once that a file could not be saved, and why; without it the
    /// line goes to standard error.
    std::function<void(const char* fileName, FileStatus status)> saveFailed;
};

/// Front end, main menu start: for a valid `GameResult` line, counts the game in
/// "nrgames.dat" and, when the score beats row 15 of its mode's table as sorted, asks the
/// name, enters and sorts the row, writes the table, keeps the game's replay as the mode's
/// best when the score became row 1 (`keepBestReplay`) and shows the tables. Each update runs
/// under the save lock, the table read again once the name is in, so two front ends lose
/// nothing; no lock is held while the player types. A file that is unreadable is left alone
/// and, like a failed write, reported through `saveFailed`. False, with nothing touched or
/// shown, for a line that is not a valid result.
bool processGameResult(std::string_view commandLine, const GameResultHooks& hooks);

/// The same for the program's own argv, read as `commandLineText` describes.
bool processGameResult(int argc, const char* const* argv, const GameResultHooks& hooks);

} // namespace crv
