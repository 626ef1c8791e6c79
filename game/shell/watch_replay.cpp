// Watching a recorded game in the game's window: its turns at their own pace, and nothing else.
#include "game/shell/watch_replay.h"

#include "common/file_io.h"
#include "common/game_result.h"
#include "game/render/frame.h"
#include "game/rules/playfield_text.h"
#include "game/rules/start.h"
#include "game/rules/turn.h"
#include "game/shell/frame_timer.h"
#include "game/shell/key_map.h"
#include "game/shell/start_checks.h"
#include "game/shell/window_identity.h"

#include <cstdio>

namespace crv {

namespace {

// Longer than any replay file: its packed turns at worst a little over their unpacked size.
constexpr std::size_t largestReplayFile = 2 * replayBytesReserved;
// The longest sleep of a turn with nothing to do, so events are never kept waiting.
constexpr Uint32 longestWaitMs = 10;

/// The viewer's keys; every other key belongs to the recorded game and does nothing here.
void takeWatchKey(Shell& shell, Watch& watch, int virtualKey) {
    switch (virtualKey) {
    case KeyEscape:
        closeGameWindow(shell);
        break;
    case KeyP:
        watch.paused = !watch.paused;
        watch.redraw = true;
        break;
    case KeyF:
        watch.showFps = !watch.showFps;
        watch.redraw = true;
        break;
    default:
        break;
    }
}

void handleWatchEvent(Shell& shell, Watch& watch, const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.repeat != 0) {
            break; // a held P or F would blink
        }
        if (isFullscreenToggle(event.key.keysym)) {
            toggleFullscreen(shell);
            watch.redraw = true;
        } else {
            takeWatchKey(shell, watch, virtualKeyFor(event.key.keysym));
        }
        break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERAXISMOTION:
        takeWatchKey(shell, watch, handleGamepadEvent(shell.gamepads, event, false));
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            resizeToDrawable(shell);
            watch.redraw = true;
        } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            watch.redraw = true;
        } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            closeGameWindow(shell);
        }
        break;
    case SDL_QUIT:
        closeGameWindow(shell);
        break;
    default:
        break;
    }
}

void playNextTurn(Shell& shell, Watch& watch) {
    const ReplayTurn& turn = watch.next;
    watch.effects.held = turn.held;
    playTurn(shell.game, turn.keys, turn.keyCount, turn.frameTime);
    watch.shownTime += turn.frameTime;
    ++watch.turnsPlayed;
    watch.redraw = true;
    watch.nextWaiting = nextReplayTurn(watch.record, watch.offset, watch.next);
}

/// The picture of the game as it stands, its clocks advanced by the turns played since the
/// last one; the viewer's frame-rate switch, and the game's pause picture while paused.
void drawWatched(Shell& shell, Watch& watch, std::uint64_t reading) {
    Game& shown = watch.shown;
    shown = shell.game;
    shown.frameTime = watch.shownTime;
    shown.showFps = watch.showFps ? 1 : 0;
    if (watch.paused) {
        shown.gameState = Paused;
    }
    // The shell's timer measures the pictures here, for the rate that F shows.
    float pictureTime = 0.0f;
    measureFrame(shell.timer, reading, pictureTime, shell.framesPerSecond);
    drawFrame(shell.picture, shown, shell.framesPerSecond);
    SDL_GL_SwapWindow(shell.window);
    watch.shownTime = 0.0f;
    watch.redraw = false;
}

/// Until the next turn is due, 1 to 10 ms; the longest while paused or at the end.
Uint32 waitMs(const Shell& shell, const Watch& watch) {
    if (watch.paused || !watch.nextWaiting || shell.timer.frequency <= 0) {
        return longestWaitMs;
    }
    const double ahead = (watch.next.frameTime - watch.owedTime) * 1000.0 / 60.0;
    if (ahead < 1.0) {
        return 1;
    }
    return ahead > longestWaitMs ? longestWaitMs : static_cast<Uint32>(ahead);
}

} // namespace

bool ReplayEffects::isKeyHeld(int virtualKey) {
    return (held & heldBitOf(virtualKey)) != 0;
}

void ReplayEffects::playSound(SoundCue cue) {
    if (sound != nullptr) {
        playCue(*sound, cue);
    }
}

void ReplayEffects::destroyWindow() {
    ended = true;
}

bool loadReplay(const char* fileName, ReplayRecord& record, std::string& error) {
    const FileText file = readFile(fileName, largestReplayFile + 1);
    if (file.error != 0) {
        error = describeFileError(file.error);
        return false;
    }
    if (file.text.size() > largestReplayFile) {
        error = "too large for a replay";
        return false;
    }
    return decodeReplay(file.text, record, error);
}

bool startWatching(Shell& shell, Watch& watch) {
    shell.settings = readGameSettings();
    if (!openGameWindow(shell)) {
        return false;
    }
    const ReplayStart& start = watch.record.start;
    watch.effects.sound = &shell.sound;
    shell.game.effects = &watch.effects;
    showGameWindow(shell, start.gameMode);
    startGame(shell.game, {start.bestScore, start.soundOn, start.seed});
    watch.offset = 0;
    watch.nextWaiting = nextReplayTurn(watch.record, watch.offset, watch.next);
    watch.lastReading = shell.readCounter();
    return true;
}

bool runWatchTurn(Shell& shell, Watch& watch) {
    if (!shell.running) {
        return false;
    }
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        handleWatchEvent(shell, watch, event);
        if (!shell.running) {
            return false;
        }
    }

    // Real time since the last turn is owed to the recorded turns, unless paused.
    const std::uint64_t reading = shell.readCounter();
    const std::uint64_t ticks = reading > watch.lastReading ? reading - watch.lastReading : 0;
    watch.lastReading = reading;
    if (!watch.paused && watch.nextWaiting) {
        const std::int64_t frequency = shell.timer.frequency;
        watch.owedTime += frequency > 0
                              ? 60.0 * static_cast<double>(ticks) / static_cast<double>(frequency)
                              : 1.0;
    }
    while (!watch.paused && watch.nextWaiting && watch.next.frameTime <= watch.owedTime) {
        watch.owedTime -= watch.next.frameTime;
        playNextTurn(shell, watch);
        if (watch.effects.ended) {
            closeGameWindow(shell); // as the game's window went when the rules ended it
            return false;
        }
    }
    if (!watch.nextWaiting) {
        watch.owedTime = 0.0;
    }

    if (watch.redraw) {
        drawWatched(shell, watch, reading);
    } else {
        SDL_Delay(waitMs(shell, watch));
    }
    return true;
}

std::string watchedStateText(const Game& game) {
    std::string text = "score " + std::to_string(handBackScore(game.score)) + "\n";
    for (int row = 0; row < rowCount; ++row) {
        text += playfieldRowText(game, row) + "\n";
    }
    return text;
}

int watchReplay(const char* fileName) {
    static Shell shell; // one per run, and too large for comfort on the stack
    static Watch watch;
    std::string error;
    if (!loadReplay(fileName, watch.record, error)) {
        printProblem(std::string("cannot watch \"") + fileName + "\": " + error);
        return unwatchableReplayStatus;
    }
    nameGameWindows();
    if (!startWatching(shell, watch)) {
        stopShell(shell);
        return startFailedStatus;
    }
    while (runWatchTurn(shell, watch)) {
    }
    stopShell(shell);
    std::fputs(watchedStateText(shell.game).c_str(), stdout);
    return 0;
}

} // namespace crv
