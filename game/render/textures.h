// OpenGL textures from RGBA buffers.
#pragma once

#include <cstdint>

namespace crv {

/// Creates a texture with its whole mipmap chain, stored as RGB.
bool makeMipmappedTexture(unsigned& textureName, const std::uint8_t* pixels, int width, int height);

/// Creates a texture of level 0 only, stored as RGB.
bool makeTexture(unsigned& textureName, const std::uint8_t* pixels, int width, int height);

} // namespace crv
