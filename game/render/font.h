// The bitmap font: glyph layout, loading, and text drawn as additive textured squares.
#pragma once

namespace crv {

/// Where the glyphs lie in the font image.
struct FontLayout {
    int glyphWidth = 12;
    int glyphHeight = 17;
    float imageWidth = 256.0f;
    float imageHeight = 128.0f;
    int glyphsPerRow = 21;
    unsigned fontTexture = 0;
};

constexpr int fontGlyphCount = 95;

/// The characters in glyph order: a-z, A-Z, 1-9 then 0, punctuation, space last.
extern const char fontCharset[fontGlyphCount + 1];

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
void loadFont(FontLayout& layout, const char* fileName, int imageWidth, int imageHeight,
              int glyphWidth, int glyphHeight);

/// Draws text from its upper-left corner (x, y, z) to the right, each character a square of
/// side size, added onto the frame over everything. On return depth test and culling are
/// on; blending, texturing and lighting are off.
void drawText(const FontLayout& layout, float x, float y, float z, float size, const char* text);

} // namespace crv
