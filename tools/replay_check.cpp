// crvsim --replay: a replay file played headless through the rules, its state printed.
#include "tools/replay_check.h"

#include "common/game_result.h"
#include "common/replay_files.h"
#include "data/assets.h"
#include "game/rules/start.h"
#include "game/rules/turn.h"
#include "tools/simulator.h"

#include <ostream>
#include <vector>

namespace crv {

namespace {

/// The platform as a replay gives it: the arrows held in the current turn, the cues heard.
class ReplayCheckEffects final : public GameEffects {
  public:
    bool isKeyHeld(int virtualKey) override { return (heldBitOf(virtualKey) & held) != 0; }
    void playSound(SoundCue cue) override { events.emplace_back(soundCueFiles[cue]); }
    void destroyWindow() override {
        events.emplace_back("DESTROY");
        windowClosed = true;
    }

    std::uint8_t held = 0;
    bool windowClosed = false;
    std::vector<std::string> events;
};

void printCannotCheck(std::ostream& err, const std::string& name, const std::string& reason) {
    err << "crvsim: cannot check \"" << name << "\": " << reason << '\n';
}

/// The record played and its claims checked, for simCheckReplay and simCheckReplayFile.
int checkRecord(const std::string& name, const ReplayRecord& record, std::uint32_t blockEvery,
                std::ostream& out, std::ostream& err) {
    const ReplayRun run = playReplay(record, blockEvery, out);
    out.flush();
    if (run.turnsPlayed < record.turnCount) {
        err << "crvsim: \"" << name << "\": the game ended at turn " << run.turnsPlayed << "; the "
            << record.turnCount - run.turnsPlayed << " turns after it were not played\n";
    }
    if (record.cut) {
        err << "crvsim: \"" << name << "\" was cut after " << record.turnCount
            << " turns: the game went on unrecorded, so this is not its end\n";
        return 0;
    }
    const std::int32_t score = handBackScore(run.score);
    if (score != record.finalScore) {
        err << "crvsim: \"" << name << "\" claims a final score of " << record.finalScore
            << ", but its turns give " << score << '\n';
        return 1;
    }
    return 0;
}

} // namespace

ReplayRun playReplay(const ReplayRecord& record, std::uint32_t blockEvery, std::ostream& out) {
    Game game;
    ReplayCheckEffects effects;
    game.effects = &effects;
    startGame(game, {record.start.bestScore, record.start.soundOn, record.start.seed});

    ReplayRun run;
    std::size_t offset = 0;
    ReplayTurn turn;
    while (!effects.windowClosed && nextReplayTurn(record, offset, turn)) {
        effects.held = turn.held;
        playTurn(game, turn.keys, turn.keyCount, turn.frameTime);
        ++run.turnsPlayed;
        const bool last = effects.windowClosed || run.turnsPlayed == record.turnCount;
        if (blockEvery != 0 && !last && run.turnsPlayed % blockEvery == 0) {
            out << "turn " << run.turnsPlayed << '\n';
            dumpState(game, effects.events, out);
        }
    }
    if (blockEvery != 0) {
        out << "final turn " << run.turnsPlayed << '\n';
    }
    dumpState(game, effects.events, out);
    run.windowClosed = effects.windowClosed;
    run.score = game.score;
    return run;
}

int simCheckReplay(const std::string& name, std::string_view content, std::uint32_t blockEvery,
                   std::ostream& out, std::ostream& err) {
    ReplayRecord record;
    std::string problem;
    if (!decodeReplay(content, record, problem)) {
        printCannotCheck(err, name, problem);
        return 2;
    }
    return checkRecord(name, record, blockEvery, out, err);
}

int simCheckReplayFile(const std::string& name, std::uint32_t blockEvery, std::ostream& out,
                       std::ostream& err) {
    ReplayRecord record;
    std::string problem;
    if (!readReplayFile(name.c_str(), record, problem)) {
        printCannotCheck(err, name, problem);
        return 2;
    }
    return checkRecord(name, record, blockEvery, out, err);
}

} // namespace crv
