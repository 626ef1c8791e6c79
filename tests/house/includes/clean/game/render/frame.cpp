// The picture: the rules, the shared files, the data facts and GL.
#include "game/render/frame.h"

#include "common/settings.h"
#include "data/assets.h"
#include "game/rules/game.h"
#include <GL/gl.h>
