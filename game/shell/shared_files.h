// What the game program reads from the shared files and hands to the front end.
#pragma once

#include "game/shell/game_shell.h"

namespace crv {

/// The game's view of "corvanth.cfg"; built-in values where the file says nothing.
ShellSettings readShellSettings();

/// The top score of the mode's high-score table, the best score to beat.
float loadBestScore(int gameMode);

/// The front end's arguments after its name: the mode and the scrambled final score.
struct HandBackArguments {
    char mode[2];
    char score[16];
};

/// Truncates the score toward zero and scrambles it for the front end.
HandBackArguments handBackArguments(int gameMode, float score);

} // namespace crv
