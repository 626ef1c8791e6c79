// The live game in the game's window: the player's keys and pads, the record, the hand-back.
#include "game/shell/live_game.h"

#include "common/game_result.h"
#include "common/score_table.h"
#include "game/rules/controls.h"
#include "game/rules/start.h"
#include "game/rules/turn.h"
#include "game/shell/process_start.h"

#include <string>
#include <vector>

namespace crv {

bool LiveEffects::isKeyHeld(int virtualKey) {
    const bool held = isArrowHeldNow(live.window, virtualKey);
    if (held) {
        recordHeld(live.recording, virtualKey);
    }
    return held;
}

void LiveEffects::playSound(SoundCue cue) {
    playCue(live.window.sound, cue);
}

void LiveEffects::destroyWindow() {
    live.window.closeRequested = true;
}

std::int32_t LiveGame::gameMode(const GameSettings& settings) const {
    return settings.settings.gameMode;
}

void LiveGame::start() {
    const Settings& settings = window.settings.settings;
    game.effects = &effects;
    const float bestScore = readBestScore(settings.gameMode);
    const auto seed = static_cast<std::uint32_t>(readClock(window.clock));
    startRecording(recording, {seed, settings.gameMode, settings.soundOn, bestScore},
                   replayCapacity);
    startGame(game, {bestScore, settings.soundOn, seed});
}

void LiveGame::takeKey(int virtualKey, bool) {
    // Recorded first: the replay gives the keys in the order the rules took them.
    recordKey(recording, virtualKey);
    handleGameKey(game, virtualKey);
}

bool LiveGame::quitQuestionShows() const {
    return game.gameState == ConfirmQuit;
}

void LiveGame::afterEvents() {
    showPicture(window, game);
    float frameTime = 0.0f;
    measureFrame(window.timer, readClock(window.clock), frameTime, window.framesPerSecond);
    finishTurn(game, frameTime);
    // Whole, even when the rules ended the game in it: that turn is part of the game.
    endRecordedTurn(recording, game.frameTime);
}

void LiveGame::windowClosed() {
    // A close among a turn's events leaves that turn's keys out of the record; they changed
    // neither score nor grid.
    const std::int32_t score = handBackScore(game.score);
    writeLastGame(recording, score);
    const std::vector<std::string> arguments =
        handBackArguments(window.settings.settings.gameMode, score);
    const char* argv[2] = {arguments[1].c_str(), arguments[2].c_str()};
    startDetached(arguments[0], argv, 2, frontEndDirectory); // failure is silent
}

int runGame() {
    static LiveGame live; // one per run, and too large for comfort on the stack
    live.frontEndDirectory = executableDirectory();
    return runGameWindow(live.window, live);
}

} // namespace crv
