// Watching a recorded game in the game's window: its turns at their own pace, and nothing else.
//
// Does: reads and checks a replay file; opens the window with the picture settings of
// "corvanth.cfg" in the recorded mode; plays each recorded turn once real time has reached it,
// several before one picture when the drawing is slower, with the sound cues the recorded sound
// switch allows; Escape (a pad's Back) or a close ends it, P (Start) pauses it with the game's
// own pause picture, F shows the frame rate, F11 and Alt+Enter switch full screen; the window
// closes when the rules end the game; the final state goes to standard output.
// Does not: take any other key, hand back to the front end, count the game or write a file.
#pragma once

#include "common/replay.h"
#include "game/rules/game.h"
#include "game/shell/game_window.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace crv {

/// The exit status of a replay that could not be read or is not a replay.
constexpr int unwatchableReplayStatus = 2;

/// The rules' platform while watching: the arrows held as the turn recorded them, the cues
/// played, the end of the game noted for the window.
class WatchEffects final : public GameEffects {
  public:
    bool isKeyHeld(int virtualKey) override;
    void playSound(SoundCue cue) override;
    void destroyWindow() override;

    GameWindow* window = nullptr;
    std::uint8_t held = 0; // HeldArrow bits of the turn being played
};

/// A replay being watched in the window, and where the watching stands.
class Watch final : public WindowDriver {
  public:
    std::int32_t gameMode(const GameSettings& settings) const override;
    void start() override;
    void takeKey(int virtualKey, bool repeat) override;
    bool quitQuestionShows() const override;
    void afterEvents() override;
    void windowClosed() override;

    GameWindow window;
    Game game;
    WatchEffects effects;
    ReplayRecord record;
    std::size_t offset = 0; // of the turn after `next` in the record
    ReplayTurn next;        // the turn to play next, while `nextWaiting`
    bool nextWaiting = false;
    std::uint32_t turnsPlayed = 0;
    double owedTime = 0.0; // sixtieths of real time that turns not yet played are owed
    std::uint64_t lastReading = 0;
    float shownTime = 0.0f; // the frameTimes of the turns played since the last picture
    bool paused = false;
    bool showFps = false;
    bool redraw = true; // something changed since the last picture
    Game shown;         // what the picture shows: a copy, so the viewer's switches stay out
};

/// The final state as the watching prints it: "score N" with the score as handed back (before
/// scrambling), then the grid's rows as crvsim shows them.
std::string watchedStateText(const Game& game);

/// The whole of `crvmain --replay FILE`: 0 after watching (the final state printed), 2 when
/// the file cannot be watched, `startFailedStatus` when no window could be opened.
int watchReplayInWindow(const char* fileName);

} // namespace crv
