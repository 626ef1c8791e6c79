// Writes images as uncompressed 24-bit TGA, the one variant the game's image reader takes.
#pragma once

#include "tools/datagen/image.h"

#include <cstdint>
#include <vector>

namespace crv::datagen {

/// 18-byte header (type 2, 24 bits, origin lower left), then rows bottom-up in blue, green,
/// red order; no image id, colour map or footer. Alpha is dropped.
std::vector<std::uint8_t> encodeTga(const Image& image);

} // namespace crv::datagen
