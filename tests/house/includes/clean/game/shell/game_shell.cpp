// The shell: the picture, SDL and the system.
#include "game/shell/game_shell.h"

#include "game/render/frame.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>
