// The front end's pictures: the title banner, the About picture and the application icon.
#pragma once

#include "data/assets.h"
#include "tools/datagen/image.h"

#include <string>
#include <vector>

namespace crv::datagen {

/// The name "Corvanth" as a banner, set in the font at `fontPath`, opaque.
bool makeTitlePicture(const std::string& fontPath, Image& picture, std::string& error);

/// A few of the game's blocks in perspective on a dark ground, opaque.
Image makeAboutPicture();

/// A 2 x 2 piece seen from the front on a transparent ground, one square image per size.
std::vector<Image> makeIcons(const std::vector<int>& sizes);

/// An icon for a file without alpha: each pixel at least half covered in its own colour, kept
/// off exact black, and exact black for the ground that shows through.
Image onBlackGround(const Image& icon);

} // namespace crv::datagen
