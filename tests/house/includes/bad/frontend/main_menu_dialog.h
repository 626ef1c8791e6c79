// The front end reaching into the game.
#pragma once

#include "common/score_table.h"
#include "game/rules/game.h"
#include "ui_main_menu_dialog.h"
#include <EGL/egl.h>
#include <QDialog>
#include <SDL_keycode.h>
