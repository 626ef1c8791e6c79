// The bitmap font: glyph layout, loading, and text drawn as additive textured squares.
#pragma once

#include "data/assets.h"

namespace crv {

/// Where the glyphs lie in the font image.
struct FontLayout {
    int glyphWidth = ::crv::glyphWidth;
    int glyphHeight = ::crv::glyphHeight;
    float imageWidth = static_cast<float>(fontImageFile.width);
    float imageHeight = static_cast<float>(fontImageFile.height);
    int glyphsPerRow = ::crv::glyphsPerRow;
    unsigned fontTexture = 0;
};

/// The glyph of a character; one outside the charset keeps the current glyph.
int glyphNumber(char character, int currentGlyph);

/// Texture coordinates of a glyph cell; t = 0 is the top of the image, and the far edges
/// stop one texel short of the next cell.
struct GlyphCoords {
    float s0;
    float s1;
    float t0;
    float t1;
};

GlyphCoords glyphCoords(const FontLayout& layout, int glyph);

/// Fills the layout and builds the font texture from the image; a missing image gives a
/// black texture, which adds nothing to the frame.
void loadFont(FontLayout& layout, const ImageFile& image, int glyphWidth, int glyphHeight);

/// Draws text from its upper-left corner (x, y, z) to the right, each character a square of
/// side size, added onto the frame over everything.
void drawText(const FontLayout& layout, float x, float y, float z, float size, const char* text);

} // namespace crv
