// The entry: it starts the shell.
#include "game/shell/game_shell.h"
