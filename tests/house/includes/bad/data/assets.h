// Data facts with a dependency.
#pragma once

#include "common/settings.h"
#include <cstdint>
#include <sys/types.h>
