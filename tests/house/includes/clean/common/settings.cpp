// Shared files: their own folder and the system, no program and no platform.
#include "common/settings.h"

#include <unistd.h>
