// The state machine of one game: the work of each tick in each phase.
#include "game/rules/tick.h"

#include "game/rules/landing.h"

namespace crv {

namespace {

// Removal clock per sixtieth of a second: a step lasts 38 ticks at 60 a second, 0.63 s.
constexpr float removalRate = 0.08f;
// Each further link of a chain scores half as much again as the one before.
constexpr float chainFactor = 1.5f;
// Sixtieths of a second "Game Over!" shows before the game ends: about 4.3 s.
constexpr float gameOverLength = 256.0f;

/// Starts a removal step: the clock from 0 and its whoosh still to play.
void startRemovalStep(Game& game) {
    game.gameState = Removing;
    game.removalProgress = 0.0f;
    game.whooshPending = 1;
}

} // namespace

void playSoundCue(Game& game, SoundCue cue) {
    if (game.soundOn && game.effects != nullptr) {
        game.effects->playSound(cue);
    }
}

void resetGame(Game& game) {
    for (std::int32_t& cell : game.playfield.cells) {
        cell = 0;
    }
    for (float& amplitude : game.swingAmplitude) {
        amplitude = 0.0f;
    }
    game.gameState = Playing;
    for (std::int32_t& key : game.keyDown) {
        key = 0;
    }
}

void gameTick(Game& game) {
    // Each step sees the state the previous one left, so one tick may act in several.
    if (game.gameState == Playing) {
        fallStep(game);
        if (!game.fallingPiece.inPlay) {
            collapseColumns(game);
            if (markGroups(game)) {
                startRemovalStep(game);
                game.scoreMultiplier = 1.0f;
            }
        }
    }

    if (game.gameState == Removing) {
        game.removalProgress += game.frameTime * removalRate;
        // With frameTime 0 the whoosh waits for the first tick in which the clock runs.
        if (game.removalProgress > 0.0f && game.whooshPending) {
            playSoundCue(game, WhooshCue);
            game.whooshPending = 0;
        }
        if (game.removalProgress > removalLength) {
            removeMarked(game);
            collapseColumns(game);
            if (markGroups(game)) {
                startRemovalStep(game);
                game.scoreMultiplier = game.scoreMultiplier * chainFactor;
            } else {
                game.gameState = Playing;
            }
        }
    }

    if (game.gameState == Quitting) {
        // Closed first: the window goes exactly once, and nothing runs after it.
        game.gameState = Closed;
        if (game.effects != nullptr) {
            game.effects->destroyWindow();
        }
    }

    if (game.gameState == GameOver) {
        game.gameOverTime += game.frameTime;
        if (game.gameOverTime > gameOverLength) {
            game.gameState = Quitting;
        }
    }

    if (game.score > game.bestScore) {
        game.bestScore = game.score;
    }
}

} // namespace crv
