// The entry calling SDL directly.
#include "game/shell/game_shell.h"
#include <SDL.h>
