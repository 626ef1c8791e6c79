// Games played through the rules by a scripted player and recorded turn by turn.
#include "tests/tools/recorded_game.h"

#include "common/game_result.h"
#include "data/assets.h"
#include "game/rules/start.h"
#include "game/rules/turn.h"

namespace crvtest {

namespace {

/// The player's dice: a linear congruential generator, the same on every machine and build.
struct Dice {
    std::uint32_t state;

    int roll(int sides) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(sides));
    }
};

// 1 most of the time, as a steady 60 Hz loop measures; 0 and a tiny one as a fast machine
// does; odd ones as a busy one does.
constexpr float frameTimes[] = {1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 1e-6f, 0.5f, 1.25f, 3.75f};
constexpr float stallFrameTime = 600.0f; // ten seconds without a turn
constexpr int leftKey = 37, fpsKey = 70, pauseKey = 80;

void addKey(crv::ReplayTurn& turn, int key) {
    if (turn.keyCount < crv::maxKeysPerTurn) {
        turn.keys[turn.keyCount++] = key;
    }
}

} // namespace

bool TurnEffects::isKeyHeld(int virtualKey) {
    return (crv::heldBitOf(virtualKey) & held) != 0;
}

void TurnEffects::playSound(crv::SoundCue cue) {
    events.emplace_back(crv::soundCueFiles[cue]);
}

void TurnEffects::destroyWindow() {
    events.emplace_back("DESTROY");
    windowClosed = true;
}

void startRecordedGame(RecordedGame& recorded, const crv::ReplayStart& start,
                       std::size_t capacity) {
    recorded.game.effects = &recorded.effects;
    crv::startGame(recorded.game, {start.bestScore, start.soundOn, start.seed});
    crv::reserveReplay(recorded.record, start, capacity);
}

void playAndRecord(RecordedGame& recorded, const crv::ReplayTurn& turn) {
    recorded.effects.held = turn.held;
    crv::playTurn(recorded.game, turn.keys, turn.keyCount, turn.frameTime);
    crv::recordTurn(recorded.record, turn);
    recorded.record.finalScore = crv::handBackScore(recorded.game.score);
}

void playPlayersGame(RecordedGame& recorded, std::uint32_t seed, int turnCount, int stallTurn) {
    Dice dice{seed};
    int heldFor[4] = {}; // turns each arrow stays held, left, up, right, down
    int pausedFor = 0;   // turns until the pause ends; 0 while not paused
    for (int i = 0; i < turnCount && !recorded.effects.windowClosed; ++i) {
        crv::ReplayTurn turn;
        turn.frameTime = i == 0           ? 1.0f // the loop's first measurement
                         : i == stallTurn ? stallFrameTime
                                          : frameTimes[dice.roll(10)];
        if (dice.roll(6) == 0) {
            // Down twice as often as each of the others, and held longer.
            const int arrow = dice.roll(5) % 4 == 0 ? 3 : dice.roll(4);
            addKey(turn, leftKey + arrow);
            // Some taps go down and up within the turn, so the poll never sees them held.
            heldFor[arrow] = dice.roll(4) == 0 ? 0 : 1 + dice.roll(arrow == 3 ? 60 : 15);
        }
        for (int arrow = 0; arrow < 4; ++arrow) {
            if (heldFor[arrow] > 0 && dice.roll(8) == 0) {
                addKey(turn, leftKey + arrow); // the keyboard's repeat
            }
        }
        if (dice.roll(300) == 0) {
            addKey(turn, fpsKey);
        }
        bool pause = false; // P pauses, and P again some turns later resumes
        if (pausedFor > 0) {
            pause = --pausedFor == 0;
        } else if (dice.roll(400) == 0) {
            pause = true;
            pausedFor = 10 + dice.roll(50);
        }
        if (pause) {
            addKey(turn, pauseKey);
        }
        for (int arrow = 0; arrow < 4; ++arrow) {
            if (heldFor[arrow] > 0) {
                turn.held |= crv::heldBitOf(leftKey + arrow);
                --heldFor[arrow];
            }
        }
        playAndRecord(recorded, turn);
    }
}

crv::ReplayTurn keyTurn(std::vector<int> keys, float frameTime) {
    crv::ReplayTurn turn;
    turn.frameTime = frameTime;
    for (int key : keys) {
        addKey(turn, key);
    }
    return turn;
}

} // namespace crvtest
