// What start-up checks before it trusts the game's window, and how a failure is told.
//
// Does: refuse SDL's windowless drivers unless SDL_VIDEODRIVER names them; on X11, keep the X
// errors of a broken GL driver from ending the program while the window and its context are
// made; report a failure on standard error and in the "Error" box.
// Does not: decide what start-up does after a failure (startGameWindow does).
#pragma once

#include <SDL.h>

namespace crv {

/// The exit status of a start-up that failed; the game never ran.
constexpr int startFailedStatus = 1;

/// True when `driver`, SDL's video driver, shows its windows to a player, or is named in
/// `requested` (SDL_VIDEODRIVER: a driver or a comma-separated list, or null). Without a
/// display SDL falls back to its offscreen driver by itself, and the game would play unseen.
bool driverShowsWindows(const char* driver, const char* requested);

/// "<program>: <what>", then ": <detail>" when `detail` is neither null nor empty, on
/// standard error.
void reportStartFailure(const char* what, const char* detail);

/// Before the window is made: clears SDL's error text and, on X11, has X errors recorded
/// instead of letting Xlib end the program. They stay recorded until `windowCreated`.
void beginWindowCreation();

/// Once the window's context is current: waits for the X server's answers to everything
/// sent so far. True when no X error came since `beginWindowCreation`; X errors then end
/// the program again as Xlib's default does. False leaves them recorded.
bool windowCreated(SDL_Window* window);

/// The game's "Error" box with `text`, only an OK button, no owner; and beside it on standard
/// error `text` with SDL's error text, or the X error caught, as the reason.
void showStartError(const char* text);

} // namespace crv
