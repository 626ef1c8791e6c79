// The game program's platform layer: window, GL context, loop turn, keys, sound, hand-back.
//
// Does: start-up in the game's order (settings, window and context, best score, picture,
// full-screen switch, the start of the game with its seed), one loop turn that dispatches the
// events pending at its start and never waits, the window's destruction with the hand-back to the
// front end. Does not: draw (the render library does) or decide anything about the game (the rules
// do).
#pragma once

#include "common/settings.h"
#include "game/render/frame.h"
#include "game/rules/game.h"
#include "game/shell/frame_timer.h"
#include "game/shell/gamepads.h"
#include "game/shell/sound_cues.h"

#include <SDL.h>

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
    bool running = false;
    bool fullscreenActive = false;
    /// Full screen on a bare X server: the window sized to the display by the game itself,
    /// and where it was before.
    bool coveringByItself = false;
    SDL_Rect windowedArea{};
};

/// Start-up: reads the settings, opens the window or full screen with its GL context, loads
/// the best score, sets up the picture, and starts the game with its seed. False, with the
/// reason on standard error and no hand-back, when there is no display to show the game on
/// or no window or context could be made (those two also in the "Error" box).
bool startShell(Shell& shell);

/// One loop turn: the pending events, then draw, measure, poll, tick. False once the loop ends.
bool runLoopTurn(Shell& shell);

/// Destroys the window: releases GL, leaves full screen, starts the front end with the
/// game's result and ends the loop. Runs once; later calls do nothing.
void destroyGameWindow(Shell& shell);

/// Releases everything start-up took, without a hand-back.
void stopShell(Shell& shell);

/// The whole program: start-up, the loop, the end. Returns the exit status: 0 after a game,
/// `startFailedStatus` when start-up failed.
int runGame();

} // namespace crv
