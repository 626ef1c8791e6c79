// The live game in the game's window: the player's keys and pads, the record, the hand-back.
//
// Does: starts the game with its seed from the clock and the best score of its mode's table;
// gives the rules each key as it arrives and ends each turn with a picture, the measured frame
// time, the poll and the tick; records every turn; once the window has gone, writes
// "lastgame.crr" and starts the front end with the game's result. Does not: own the window,
// its events or full screen (the game window does) or decide anything about the game (the
// rules do).
#pragma once

#include "game/rules/game.h"
#include "game/shell/game_window.h"
#include "game/shell/recording.h"

#include <cstddef>
#include <string>

namespace crv {

class LiveGame;

/// The platform as the rules of a live game see it: held arrows, sound cues, the end noted.
class LiveEffects final : public GameEffects {
  public:
    explicit LiveEffects(LiveGame& live) : live(live) {}
    bool isKeyHeld(int virtualKey) override;
    void playSound(SoundCue cue) override;
    void destroyWindow() override;

  private:
    LiveGame& live;
};

/// One live game, played by the player in the window.
class LiveGame final : public WindowDriver {
  public:
    LiveGame() : effects(*this) {}
    LiveGame(const LiveGame&) = delete;
    LiveGame& operator=(const LiveGame&) = delete;

    std::int32_t gameMode(const GameSettings& settings) const override;
    void start() override;
    void takeKey(int virtualKey, bool repeat) override;
    bool quitQuestionShows() const override;
    void afterEvents() override;
    void windowClosed() override;

    GameWindow window;
    Game game;
    LiveEffects effects;
    Recording recording;
    std::size_t replayCapacity = replayBytesReserved; // tests give less
    /// Where the front end is looked for first; the game program's own directory.
    std::string frontEndDirectory;
};

/// The whole of `crvmain` without arguments: one live game. Returns the exit status: 0 after
/// a game, `startFailedStatus` when start-up failed.
int runGame();

} // namespace crv
