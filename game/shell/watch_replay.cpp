// Watching a recorded game in the game's window: its turns at their own pace, and nothing else.
#include "game/shell/watch_replay.h"

#include "common/file_io.h"
#include "common/game_result.h"
#include "common/replay_files.h"
#include "game/rules/playfield_text.h"
#include "game/rules/start.h"
#include "game/rules/turn.h"
#include "game/shell/frame_timer.h"

#include <cstdio>

namespace crv {

namespace {

// The longest sleep of a turn with nothing to do, so events are never kept waiting.
constexpr Uint32 longestWaitMs = 10;

void playNextTurn(Watch& watch) {
    const ReplayTurn& turn = watch.next;
    watch.effects.held = turn.held;
    playTurn(watch.game, turn.keys, turn.keyCount, turn.frameTime);
    watch.shownTime += turn.frameTime;
    ++watch.turnsPlayed;
    watch.redraw = true;
    watch.nextWaiting = nextReplayTurn(watch.record, watch.offset, watch.next);
}

/// The picture of the game as it stands, its clocks advanced by the turns played since the
/// last one; the viewer's frame-rate switch, and the game's pause picture while paused.
void drawWatched(Watch& watch, std::uint64_t reading) {
    Game& shown = watch.shown;
    shown = watch.game;
    shown.frameTime = watch.shownTime;
    shown.showFps = watch.showFps ? 1 : 0;
    if (watch.paused) {
        shown.gameState = Paused;
    }
    // The window's timer measures the pictures here, for the rate that F shows.
    float pictureTime = 0.0f;
    measureFrame(watch.window.timer, reading, pictureTime, watch.window.framesPerSecond);
    showPicture(watch.window, shown);
    watch.shownTime = 0.0f;
    watch.redraw = false;
}

/// Until the next turn is due, 1 to 10 ms; the longest while paused or at the end.
Uint32 waitMs(const Watch& watch) {
    if (watch.paused || !watch.nextWaiting || watch.window.clock.frequency <= 0) {
        return longestWaitMs;
    }
    const double ahead = (watch.next.frameTime - watch.owedTime) * 1000.0 / sixtiethsPerSecond;
    if (ahead < 1.0) {
        return 1;
    }
    return ahead > longestWaitMs ? longestWaitMs : static_cast<Uint32>(ahead);
}

} // namespace

bool WatchEffects::isKeyHeld(int virtualKey) {
    return (held & heldBitOf(virtualKey)) != 0;
}

void WatchEffects::playSound(SoundCue cue) {
    playCue(window->sound, cue);
}

void WatchEffects::destroyWindow() {
    window->closeRequested = true; // as the game's window went when the rules ended it
}

std::int32_t Watch::gameMode(const GameSettings&) const {
    return record.start.gameMode;
}

void Watch::start() {
    const ReplayStart& start = record.start;
    effects.window = &window;
    game.effects = &effects;
    startGame(game, {start.bestScore, start.soundOn, start.seed});
    offset = 0;
    nextWaiting = nextReplayTurn(record, offset, next);
    lastReading = readClock(window.clock);
}

/// The viewer's keys; every other key belongs to the recorded game and does nothing here.
void Watch::takeKey(int virtualKey, bool repeat) {
    if (repeat) {
        return; // a held P or F would blink
    }
    switch (virtualKey) {
    case KeyEscape:
        window.closeRequested = true;
        break;
    case KeyP:
        paused = !paused;
        redraw = true;
        break;
    case KeyF:
        showFps = !showFps;
        redraw = true;
        break;
    default:
        break;
    }
}

bool Watch::quitQuestionShows() const {
    return false; // the recorded game's question is not the viewer's
}

void Watch::afterEvents() {
    // Real time since the last turn is owed to the recorded turns, unless paused.
    const std::uint64_t reading = readClock(window.clock);
    const std::uint64_t ticks = ticksSince(lastReading, reading);
    lastReading = reading;
    if (!paused && nextWaiting) {
        const std::int64_t frequency = window.clock.frequency;
        owedTime += frequency > 0 ? sixtiethsPerSecond * static_cast<double>(ticks) /
                                        static_cast<double>(frequency)
                                  : 1.0;
    }
    while (!paused && nextWaiting && next.frameTime <= owedTime && !window.closeRequested) {
        owedTime -= next.frameTime;
        playNextTurn(*this);
    }
    if (!nextWaiting) {
        owedTime = 0.0;
    }
    if (window.closeRequested) {
        return; // the rules ended the game: the window goes without another picture
    }
    if (redraw || window.pictureStale) {
        drawWatched(*this, reading);
    } else {
        SDL_Delay(waitMs(*this));
    }
}

void Watch::windowClosed() {}

std::string watchedStateText(const Game& game) {
    std::string text = "score " + std::to_string(handBackScore(game.score)) + "\n";
    for (int row = 0; row < rowCount; ++row) {
        text += playfieldRowText(game, row) + "\n";
    }
    return text;
}

int watchReplayInWindow(const char* fileName) {
    static Watch watch; // one per run, and too large for comfort on the stack
    std::string problem;
    if (!readReplayFile(fileName, watch.record, problem)) {
        printProblem(std::string("cannot watch \"") + fileName + "\": " + problem);
        return unwatchableReplayStatus;
    }
    const int status = runGameWindow(watch.window, watch);
    if (status == 0) {
        std::fputs(watchedStateText(watch.game).c_str(), stdout);
    }
    return status;
}

} // namespace crv
