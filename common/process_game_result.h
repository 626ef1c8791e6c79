// The front end's handling of a game handed back: count it, and enter a high enough score.
#pragma once

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
};

/// Front end, main menu start: for a valid `GameResult` line, counts the game in
/// "nrgames.dat" and, when the score beats row 15 of its mode's table, asks the name, enters
/// and sorts the row, writes the table and shows the tables. False, with nothing touched or
/// shown, for a line that is not a valid result.
bool processGameResult(std::string_view commandLine, const GameResultHooks& hooks);

/// The same for the program's own argv, read as `commandLineText` describes.
bool processGameResult(int argc, const char* const* argv, const GameResultHooks& hooks);

} // namespace crv
