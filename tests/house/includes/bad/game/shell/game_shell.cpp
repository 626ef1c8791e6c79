// The shell drawing and showing dialogs itself.
#include "game/shell/game_shell.h"

#include "frontend/front_end.h"
#include "game/render/frame.h"
#include "ui_options_dialog.h"
#include <GL/glu.h>
#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>
