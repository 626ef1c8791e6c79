// Shared files reaching into one program.
#include "common/settings.h"

#include "data/assets.h"
#include "frontend/main_menu_dialog.h"
#include "game/rules/game.h"
#include <GL/gl.h>
#include <QString>
#include <unistd.h>
