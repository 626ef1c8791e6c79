// Keys and held arrows: moving, turning and dropping the piece, pause, quit question, toggles.
#include "game/rules/controls.h"

namespace crv {

namespace {

// Rows the held down key adds per sixtieth of a second, on top of the fall: 12 more a second.
constexpr float dropRate = 0.2f;
// Fall progress beyond which the side test also covers the row the piece is about to enter.
constexpr float lookAheadProgress = 0.75f;

bool isKeyHeld(Game& game, int virtualKey) {
    return game.effects != nullptr && game.effects->isKeyHeld(virtualKey);
}

/// Leaves Playing (or whatever runs) for a waiting state, remembering where to return.
void enterWaitingState(Game& game, std::int32_t waitingState) {
    game.savedState = game.gameState;
    game.gameState = waitingState;
}

void moveLeft(Game& game) {
    FallingPiece& piece = game.fallingPiece;
    if (!piece.slidingLeft && !piece.slidingRight && canMoveLeft(game)) {
        piece.slidingLeft = 1;
        piece.column -= 1;
        playSoundCue(game, MoveCue);
    }
}

void moveRight(Game& game) {
    FallingPiece& piece = game.fallingPiece;
    if (!piece.slidingRight && !piece.slidingLeft && canMoveRight(game)) {
        piece.slidingRight = 1;
        piece.column += 1;
        playSoundCue(game, MoveCue);
    }
}

void dropFaster(Game& game) {
    game.fallingPiece.fallProgress += game.frameTime * dropRate;
}

void turn(Game& game) {
    FallingPiece& piece = game.fallingPiece;
    if (!piece.turning && canRotate(game)) {
        piece.turning = 1;
        rotateClockwise(game);
        playSoundCue(game, MoveCue);
    }
}

/// Tests the side column beside the piece, reaching into the next row once the piece is
/// more than three quarters of the way there.
int sideIsFree(const Game& game, int sideColumn) {
    const FallingPiece& piece = game.fallingPiece;
    const Playfield& field = game.playfield;
    if (field.at(sideColumn, piece.row) != 0 || field.at(sideColumn, piece.row + 1) != 0) {
        return 0;
    }
    if (piece.fallProgress > lookAheadProgress && piece.row + 2 <= rowCount - 1 &&
        field.at(sideColumn, piece.row + 2) != 0) {
        return 0;
    }
    return 1;
}

} // namespace

void handleGameKey(Game& game, int virtualKey) {
    switch (virtualKey) {
    case KeyEscape:
        if (game.gameState == ConfirmQuit) {
            game.gameState = game.savedState;
        } else if (game.gameState != GameOver && game.gameState != Paused) {
            enterWaitingState(game, ConfirmQuit);
        }
        break;
    case KeyLeft:
    case KeyUp:
    case KeyRight:
    case KeyDown:
        game.keyDown[virtualKey] = 1;
        break;
    case KeyF:
        game.showFps = 1 - game.showFps;
        break;
    case KeyN:
        if (game.gameState == ConfirmQuit) {
            game.gameState = game.savedState;
        }
        break;
    case KeyP:
        if (game.gameState == Paused) {
            game.gameState = game.savedState;
        } else if (game.gameState != GameOver && game.gameState != ConfirmQuit) {
            enterWaitingState(game, Paused);
        }
        break;
    case KeyS:
        game.soundOn = 1 - game.soundOn;
        break;
    case KeyY:
        if (game.gameState == ConfirmQuit) {
            game.gameState = Quitting;
        }
        break;
    default:
        break;
    }
}

void pollControls(Game& game) {
    // The order matters: a left and a right in the same turn resolve to the left.
    static constexpr int arrows[] = {KeyLeft, KeyRight, KeyDown, KeyUp};
    for (int key : arrows) {
        const bool held = isKeyHeld(game, key);
        if (held) {
            game.keyDown[key] = 1;
        }
        if (!game.keyDown[key]) {
            continue;
        }
        // A tap released before this poll still acts once, through its latch.
        if (!held) {
            game.keyDown[key] = 0;
        }
        switch (key) {
        case KeyLeft:
            moveLeft(game);
            break;
        case KeyRight:
            moveRight(game);
            break;
        case KeyDown:
            dropFaster(game);
            break;
        default:
            turn(game);
            break;
        }
    }
}

int canMoveLeft(const Game& game) {
    const int column = game.fallingPiece.column;
    return column > 0 ? sideIsFree(game, column - 1) : 0;
}

int canMoveRight(const Game& game) {
    const int column = game.fallingPiece.column;
    return column < columnCount - 2 ? sideIsFree(game, column + 2) : 0;
}

int canRotate(const Game&) {
    return 1;
}

void rotateClockwise(Game& game) {
    std::int32_t* colors = game.fallingPiece.colors;
    const std::int32_t topLeft = colors[0];
    colors[0] = colors[2];
    colors[2] = colors[3];
    colors[3] = colors[1];
    colors[1] = topLeft;
}

} // namespace crv
