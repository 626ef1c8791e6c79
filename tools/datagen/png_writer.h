// Writes images as 8-bit RGB or RGBA PNG for the front end's resources.
#pragma once

#include "tools/datagen/image.h"

#include <cstdint>
#include <vector>

namespace crv::datagen {

enum class PngChannels { Rgb, Rgba };

/// Non-interlaced PNG with one IDAT chunk at the strongest zlib level; no time or text chunks,
/// so the same image always gives the same bytes.
std::vector<std::uint8_t> encodePng(const Image& image, PngChannels channels);

} // namespace crv::datagen
