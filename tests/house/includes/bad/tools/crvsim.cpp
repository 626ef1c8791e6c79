// Tools may use what they exercise.
#include "game/rules/game.h"
#include "game/shell/game_shell.h"
#include <GL/gl.h>
#include <SDL.h>
