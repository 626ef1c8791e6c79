// Keys and held arrows: moving, turning and dropping the piece, pause, quit question, toggles.
#pragma once

#include "game/rules/game.h"

namespace crv {

/// Reacts to one key-down message, auto-repeats included; latches arrows, runs one-shot keys.
void handleGameKey(Game& game, int virtualKey);

/// Once per loop turn, before the tick: reads the held arrows and acts on each latched one.
void pollControls(Game& game);

/// 1 if the piece may move one column left now, else 0.
int canMoveLeft(const Game& game);

/// 1 if the piece may move one column right now, else 0.
int canMoveRight(const Game& game);

/// Always 1: a 2x2 square turning its colours in place cannot collide.
int canRotate(const Game& game);

/// Moves the piece's four colours one place clockwise around the square.
void rotateClockwise(Game& game);

} // namespace crv
