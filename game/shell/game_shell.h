// The game program's platform layer: window, GL context, loop turn, keys, sound, hand-back.
//
// Does: start-up in the game's order (settings, window and context, best score, picture,
// full-screen switch, the start of the game with its seed), one loop turn that dispatches the
// events pending at its start and never waits, the record of every turn, the window's destruction
// with "lastgame.crr" written and the hand-back to the front end. Does not: draw (the render
// library does) or decide anything about the game (the rules do).
#pragma once

#include "common/settings.h"
#include "game/render/frame.h"
#include "game/rules/game.h"
#include "game/shell/frame_timer.h"
#include "game/shell/gamepads.h"
#include "game/shell/recording.h"
#include "game/shell/sound_cues.h"

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace crv {

class Shell;

/// The platform as the rules see it: held arrows, sound cues, the window's destruction.
class ShellEffects final : public GameEffects {
  public:
    explicit ShellEffects(Shell& shell) : shell(shell) {}
    bool isKeyHeld(int virtualKey) override;
    void playSound(SoundCue cue) override;
    void destroyWindow() override;

  private:
    Shell& shell;
};

/// Everything one run of the game program holds.
class Shell {
  public:
    Shell() : effects(*this) {}
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    Game game;
    GameSettings settings;
    Picture picture;
    FrameTimer timer;
    float framesPerSecond = 0.0f;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    SoundCues sound;
    Gamepads gamepads;
    ShellEffects effects;
    /// Where the front end is looked for first; the game program's own directory.
    std::string frontEndDirectory;
    /// The clock every frame time comes from, and the seed; tests give their own.
    Uint64 (*readCounter)() = SDL_GetPerformanceCounter;
    Recording recording;
    std::size_t replayCapacity = replayBytesReserved; // tests give less
    /// From the poll to the end of the tick: the turn is whole, should the window go in it.
    bool turnTicking = false;
    bool running = false;
    bool fullscreenActive = false;
    /// Full screen on a bare X server: the window sized to the display by the game itself,
    /// and where it was before.
    bool coveringByItself = false;
    SDL_Rect windowedArea{};
};

/// Start-up: reads the settings, opens the window or full screen with its GL context, loads
/// the best score, sets up the picture, and starts the game with its seed and its record.
/// False, with the reason on standard error and no hand-back, when there is no display to show
/// the game on or no window or context could be made (those two also in the "Error" box).
bool startShell(Shell& shell);

/// The first half of start-up, from the settings already read: SDL, the hidden window and its
/// GL context. False as startShell.
bool openGameWindow(Shell& shell);

/// The second half: the picture of the settings in `gameMode`, the sound, the window shown, and
/// full screen where the settings ask for it.
void showGameWindow(Shell& shell, std::int32_t gameMode);

/// One loop turn: the pending events, then draw, measure, poll, tick, and the turn recorded.
/// False once the loop ends.
bool runLoopTurn(Shell& shell);

/// Destroys the window: releases GL, leaves full screen, writes the game's replay, starts the
/// front end with the game's result and ends the loop. Runs once; later calls do nothing.
void destroyGameWindow(Shell& shell);

/// Releases GL and the window, leaves full screen and ends the loop, without a hand-back.
void closeGameWindow(Shell& shell);

/// The picture of the chosen size in the largest rectangle of its shape the window has.
void resizeToDrawable(Shell& shell);

/// F11 and Alt+Enter: between window and full screen, for this run only.
void toggleFullscreen(Shell& shell);

/// Releases everything start-up took, without a hand-back.
void stopShell(Shell& shell);

/// The whole program: start-up, the loop, the end. Returns the exit status: 0 after a game,
/// `startFailedStatus` when start-up failed.
int runGame();

} // namespace crv
