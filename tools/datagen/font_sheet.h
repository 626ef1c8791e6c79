// The game's font sheet: a glyph cell per character of fontCharset, light on black.
#pragma once

#include "data/assets.h"
#include "tools/datagen/image.h"

#include <string>

namespace crv::datagen {

/// Ink stays inside the first 11 columns and 16 rows of a cell: the game samples each cell up
/// to one texel short of its far edges with linear filtering, so the last column and row are a
/// gutter that keeps a neighbour's ink from bleeding in.
constexpr int fontInkWidth = glyphWidth - 1;
constexpr int fontInkHeight = glyphHeight - 1;

/// Renders every glyph of `fontCharset` from the font file at `fontPath`; false with `error`
/// when the font cannot be used or a glyph would not fit its ink area.
bool makeFontSheet(const std::string& fontPath, Image& sheet, std::string& error);

} // namespace crv::datagen
