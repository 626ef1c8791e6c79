// Rules reaching out of their folder and onto the platform.
#include "game/rules/game.h"

#include "common/settings.h"
#include <SDL.h>
#include <cstdint>
#include <stdint.h>
#include <unistd.h>
