// The picture reaching into the shell, past it and onto other platforms, Xlib included.
#include "game/render/frame.h"

#include "../shell/key_map.h"
#include "common/settings.h"
#include "data/assets.h"
#include "game/rules/game.h"
#include "game/shell/game_shell.h"
#include <GL/gl.h>
#include <QtCore/QString>
#include <SDL2/SDL.h>
#include <X11/Xlib.h>
