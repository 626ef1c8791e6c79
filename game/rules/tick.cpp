// The state machine of one game: the work of each tick in each phase.
#include "game/rules/tick.h"

#include "game/rules/landing.h"

namespace crv {

namespace {

/// Starts a removal step: the clock from 0 and its whoosh still to play.
void startRemovalStep(Game& game) {
    game.gameState = Removing;
    game.removalProgress = 0.0f;
    game.whooshPending = 1;
}

} // namespace

void playSoundCue(Game& game, const char* fileName) {
    if (game.soundOn && game.effects != nullptr) {
        game.effects->playSound(fileName);
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
        game.removalProgress += game.frameTime * 0.08f;
        // With frameTime 0 the whoosh waits for the first tick in which the clock runs.
        if (game.removalProgress > 0.0f && game.whooshPending) {
            playSoundCue(game, "WHOOSH.WAV");
            game.whooshPending = 0;
        }
        if (game.removalProgress > 3.0f) {
            removeMarked(game);
            collapseColumns(game);
            if (markGroups(game)) {
                startRemovalStep(game);
                game.scoreMultiplier = game.scoreMultiplier * 1.5f;
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
        if (game.gameOverTime > 256.0f) {
            game.gameState = Quitting;
        }
    }

    if (game.score > game.bestScore) {
        game.bestScore = game.score;
    }
}

} // namespace crv
