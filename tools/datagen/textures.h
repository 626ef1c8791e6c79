// The game's textures: six block patterns, the playfield's back panel and the background picture.
#pragma once

#include "data/assets.h"
#include "tools/datagen/image.h"

namespace crv::datagen {

/// Texture of colour `colorNumber` (1..6): light grey with a dark pattern of its own (dots,
/// stripes, rings, cross, diamond, grid), so blocks differ by more than colour. Each is mirror
/// symmetric top to bottom, because the game shows one quarter of a block's top face flipped.
Image makeBlockTexture(int colorNumber);

/// Calm clouds at the panel image's size that tile seamlessly in both directions.
Image makePanelTexture();

/// A nebula with stars at the background picture's size, dimmer toward the middle where the
/// playfield stands.
Image makeBackgroundPicture();

} // namespace crv::datagen
