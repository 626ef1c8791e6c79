// The game's textures: six block patterns, the playfield's back panel and the background picture.
#pragma once

#include "tools/datagen/image.h"

namespace crv::datagen {

constexpr int blockTextureCount = 6;
constexpr int blockTextureSize = 32;

/// Texture of colour `colorNumber` (1..6): light grey with a dark pattern of its own (dots,
/// stripes, rings, cross, diamond, grid), so blocks differ by more than colour. Each is mirror
/// symmetric top to bottom, because the game shows one quarter of a block's top face flipped.
Image makeBlockTexture(int colorNumber);

/// 256 x 256 calm clouds that tile seamlessly in both directions.
Image makePanelTexture();

/// 1024 x 768 nebula with stars, dimmer toward the middle where the playfield stands.
Image makeBackgroundPicture();

} // namespace crv::datagen
