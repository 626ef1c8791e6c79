// The rules: their own folder and the C++ standard.
#include "game/rules/game.h"

#include <cstdint>
