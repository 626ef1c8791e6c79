// The shell: the picture, SDL, Xlib and the system.
#include "game/shell/game_shell.h"

#include "game/render/frame.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <X11/Xlib.h>
#include <unistd.h>
