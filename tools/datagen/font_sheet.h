// The game's font sheet: 95 glyph cells of 12 x 17 pixels, 21 to a row, light on black.
#pragma once

#include "tools/datagen/image.h"

#include <string>

namespace crv::datagen {

/// The characters of the sheet in cell order; the glyph number is the index.
extern const char fontCharset[];

constexpr int fontGlyphCount = 95;
constexpr int fontGlyphWidth = 12;
constexpr int fontGlyphHeight = 17;
constexpr int fontSheetWidth = 256;
constexpr int fontSheetHeight = 128;
constexpr int fontGlyphsPerRow = fontSheetWidth / fontGlyphWidth;

/// Ink stays inside the first 11 columns and 16 rows of a cell: the game samples each cell up
/// to one texel short of its far edges with linear filtering, so the last column and row are a
/// gutter that keeps a neighbour's ink from bleeding in.
constexpr int fontInkWidth = fontGlyphWidth - 1;
constexpr int fontInkHeight = fontGlyphHeight - 1;

/// Renders every glyph of `fontCharset` from the font file at `fontPath`; false with `error`
/// when the font cannot be used or a glyph would not fit its ink area.
bool makeFontSheet(const std::string& fontPath, Image& sheet, std::string& error);

} // namespace crv::datagen
