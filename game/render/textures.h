// OpenGL textures from RGBA buffers, and the filter every textured drawing applies.
#pragma once

#include <cstdint>

namespace crv {

/// Creates a texture with its whole mipmap chain, stored as RGB; it stays bound.
bool makeMipmappedTexture(unsigned& textureName, const std::uint8_t* pixels, int width, int height);

/// Creates a texture of level 0 only, stored as RGB; it stays bound.
bool makeTexture(unsigned& textureName, const std::uint8_t* pixels, int width, int height);

/// Sets the bound texture's filters: bilinear when the setting is on, nearest otherwise.
/// Never a mipmap filter, so only level 0 is ever sampled.
void applyFilter(int bilinearFiltering);

} // namespace crv
