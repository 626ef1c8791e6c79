// The game's font sheet: a glyph cell per character of fontCharset, light on black.
#include "tools/datagen/font_sheet.h"

#include "tools/datagen/font_raster.h"

#include <algorithm>
#include <iterator>

namespace crv::datagen {

namespace {

// Sizes tried in turn for each glyph: the first is the face of the sheet; the few glyphs whose
// strokes reach beyond 16 rows (the tail of j, the bar) get a slightly smaller face.
constexpr int faceHeights[] = {15, 14, 13};
constexpr int faceWidth = 15;
// Rows 0..12 above the baseline and 13..15 below, the split that suits most glyphs.
constexpr int baseline = 13;

/// Where the glyph's top row goes inside the ink area: on the baseline when it fits there,
/// else moved up or down as little as fits (an underscore sits a row higher); -1 when it is
/// taller than the ink area.
int placeGlyphTop(const Glyph& glyph) {
    if (glyph.height > fontInkHeight) {
        return -1;
    }
    return std::clamp(baseline - glyph.top, 0, fontInkHeight - glyph.height);
}

} // namespace

bool makeFontSheet(const std::string& fontPath, Image& sheet, std::string& error) {
    FontFace faces[std::size(faceHeights)];
    for (std::size_t i = 0; i < std::size(faceHeights); ++i) {
        if (!faces[i].open(fontPath, faceWidth * faceHeights[i] / faceHeights[0], faceHeights[i],
                           error)) {
            return false;
        }
    }
    sheet = Image(fontImageFile.width, fontImageFile.height, {0, 0, 0, 1});
    for (int g = 0; g < fontGlyphCount; ++g) {
        const char character = fontCharset[g];
        if (character == ' ') {
            continue;
        }
        Glyph glyph;
        int left = -1;
        int top = -1;
        for (const FontFace& face : faces) {
            if (!face.render(static_cast<unsigned char>(character), glyph)) {
                error = std::string("font lacks the character '") + character + "'";
                return false;
            }
            left = (fontInkWidth - glyph.width) / 2;
            top = placeGlyphTop(glyph);
            if (top >= 0 && left >= 0) {
                break;
            }
        }
        if (top < 0 || left < 0) {
            error = std::string("glyph '") + character + "' does not fit its cell";
            return false;
        }
        const int cellX = (g % glyphsPerRow) * glyphWidth;
        const int cellY = (g / glyphsPerRow) * glyphHeight;
        drawGlyph(sheet, glyph, cellX + left - glyph.left, cellY + top + glyph.top, {1, 1, 1, 1});
    }
    return true;
}

} // namespace crv::datagen
