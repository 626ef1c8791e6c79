// The game's window, shared by the live game and the watching of a recorded one.
//
// Does: SDL, the window and its GL context, the picture, the sound cues, the gamepads, full
// screen and back, and the clock; one start-up in the game's order, one loop turn whose event
// pump dispatches the events pending at its start and never waits, and one program run. A
// driver (the live game, or a replay being watched) takes the game's keys and does the rest of
// each turn. A request to close, from the window or the driver, is noted and acted on after
// the turn. Does not: know the rules' state (the driver does), draw (the render library does)
// or hand back to the front end (the live game does).
#pragma once

#include "common/settings.h"
#include "game/render/frame.h"
#include "game/rules/game.h"
#include "game/shell/frame_timer.h"
#include "game/shell/gamepads.h"
#include "game/shell/sound_cues.h"

#include <SDL.h>

#include <cstdint>

namespace crv {

/// The clock every frame time and the seed come from: its reading and its frequency, handed in
/// before start-up. Tests give their own.
struct GameClock {
    std::uint64_t (*read)(void* state) = nullptr;
    void* state = nullptr;
    std::int64_t frequency = 0; // ticks a second; 0 makes every frame time 1
};

/// The performance counter, at its own frequency.
GameClock performanceClock();

inline std::uint64_t readClock(const GameClock& clock) {
    return clock.read(clock.state);
}

/// What runs in the window: the live game, or a recorded one being watched.
class WindowDriver {
  public:
    virtual ~WindowDriver() = default;
    /// The mode whose picture the window shows, from the settings read at start-up.
    virtual std::int32_t gameMode(const GameSettings& settings) const = 0;
    /// Once the window is open and shown: starts the game.
    virtual void start() = 0;
    /// A key of the keyboard or a pad as the rules know it, as it arrives; `repeat` for the
    /// keyboard's own repeat of a held key.
    virtual void takeKey(int virtualKey, bool repeat) = 0;
    /// Whether a pad's A and B answer the quit question now, as Y and N.
    virtual bool quitQuestionShows() const = 0;
    /// The rest of the turn once its events are dispatched, unless a close was asked for.
    virtual void afterEvents() = 0;
    /// After the turn in which a close was asked for, once the window is gone.
    virtual void windowClosed() = 0;
};

/// Everything of the window one run of the game program holds, whatever drives it.
struct GameWindow {
    GameSettings settings;
    GameClock clock = performanceClock();
    Picture picture;
    FrameTimer timer;
    float framesPerSecond = 0.0f;
    SDL_Window* sdlWindow = nullptr;
    SDL_GLContext context = nullptr;
    SoundCues sound;
    Gamepads gamepads;
    bool open = false;
    /// A close was asked for (the window's own, the rules' end, the viewer's Escape); the
    /// window goes after the turn.
    bool closeRequested = false;
    /// The window changed since the last picture: resized, exposed, or full screen switched.
    bool pictureStale = false;
    bool fullscreenActive = false;
    /// Full screen on a bare X server: the window sized to the display by the game itself,
    /// and where it was before.
    bool coveringByItself = false;
    SDL_Rect windowedArea{};
};

/// Start-up: reads "corvanth.cfg", then SDL, the window and its GL context, the picture of the
/// driver's mode, the sound, the window shown and full screen where the settings ask for it,
/// then the driver's start. False, with the reason on standard error, when there is no display
/// to show the game on or no window or context could be made (those two also in the "Error"
/// box); the driver is then not started.
bool startGameWindow(GameWindow& window, WindowDriver& driver);

/// One loop turn: the events pending at its start, each game key to the driver, then the rest
/// of the turn by the driver; after a turn in which a close was asked for, the window goes and
/// the driver is told. False once the loop ends.
bool runWindowTurn(GameWindow& window, WindowDriver& driver);

/// The whole program around a driver: the windows named, start-up, the loop, the end. Returns
/// the exit status: 0 after the driver's game, `startFailedStatus` when start-up failed.
int runGameWindow(GameWindow& window, WindowDriver& driver);

/// Draws the game's picture and shows it.
void showPicture(GameWindow& window, const Game& game);

/// True while the keyboard or any pad holds the arrow with this virtual-key code.
bool isArrowHeldNow(const GameWindow& window, int virtualKey);

/// The picture of the chosen size in the largest rectangle of its shape the window has.
void resizeToDrawable(GameWindow& window);

/// F11 and Alt+Enter: between window and full screen, for this run only.
void toggleFullscreen(GameWindow& window);

/// Releases GL and the window and gives the desktop back its mode, cursor and screen saver.
void closeGameWindow(GameWindow& window);

/// Releases everything start-up took.
void stopGameWindow(GameWindow& window);

} // namespace crv
