// Data facts: the C++ standard alone.
#pragma once

#include <cstdint>
