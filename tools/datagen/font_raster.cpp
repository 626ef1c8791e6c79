// Glyph rasterising through FreeType, for the font sheet and the title banner.
#include "tools/datagen/font_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace crv::datagen {

FontFace::~FontFace() {
    if (m_face) {
        FT_Done_Face(static_cast<FT_Face>(m_face));
    }
    if (m_library) {
        FT_Done_FreeType(static_cast<FT_Library>(m_library));
    }
}

bool FontFace::open(const std::string& path, int width, int height, std::string& error) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        error = "cannot start FreeType";
        return false;
    }
    m_library = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        error = "cannot open font " + path;
        return false;
    }
    m_face = face;
    if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(width), static_cast<FT_UInt>(height)) != 0) {
        error = "cannot size font " + path;
        return false;
    }
    return true;
}

bool FontFace::render(char32_t character, Glyph& glyph) const {
    const FT_Face face = static_cast<FT_Face>(m_face);
    const FT_UInt index = FT_Get_Char_Index(face, character);
    if (index == 0 && character != 0) {
        return false;
    }
    // Light hinting keeps stems crisp at small sizes without distorting the outlines.
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
        return false;
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = face->glyph->bitmap_left;
    glyph.top = face->glyph->bitmap_top;
    glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
    for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* source = bitmap.buffer + row * bitmap.pitch;
        for (int column = 0; column < glyph.width; ++column) {
            glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column] = source[column];
        }
    }
    return true;
}

int FontFace::ascender() const {
    const FT_Face face = static_cast<FT_Face>(m_face);
    return static_cast<int>((face->size->metrics.ascender + 32) >> 6);
}

void drawGlyph(Image& image, const Glyph& glyph, int x, int baseline, Color color) {
    for (int row = 0; row < glyph.height; ++row) {
        for (int column = 0; column < glyph.width; ++column) {
            const std::uint8_t value =
                glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column];
            if (value != 0) {
                blendPixel(image, x + glyph.left + column, baseline - glyph.top + row, color,
                           value / 255.0f);
            }
        }
    }
}

int textWidth(const FontFace& face, const std::string& text) {
    int width = 0;
    Glyph glyph;
    for (char c : text) {
        if (face.render(static_cast<unsigned char>(c), glyph)) {
            width += glyph.advance;
        }
    }
    return width;
}

} // namespace crv::datagen
