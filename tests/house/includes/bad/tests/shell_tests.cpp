// Tests may use what they exercise.
#include "frontend/front_end.h"
#include "game/shell/game_shell.h"
#include <QTest>
#include <SDL.h>
