// Glyph rasterising through FreeType, for the font sheet and the title banner.
#pragma once

#include "tools/datagen/image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace crv::datagen {

/// One rendered glyph: 8-bit coverage rows top-down, placed relative to the pen position on
/// the baseline (`left` to the right, `top` upwards).
struct Glyph {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int advance = 0; // whole pixels
    std::vector<std::uint8_t> coverage;
};

/// A font file opened at one pixel size. Not copyable; owns its FreeType handles.
class FontFace {
  public:
    FontFace() = default;
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    /// Opens `path` and sets the size in pixels (`width` may differ from `height` to narrow or
    /// widen the glyphs); false with `error` set when FreeType refuses.
    bool open(const std::string& path, int width, int height, std::string& error);
    /// Renders one character with anti-aliasing; false when the font lacks it.
    bool render(char32_t character, Glyph& glyph) const;
    /// Distance from the baseline to the top of the tallest glyphs, in pixels.
    int ascender() const;

  private:
    void* m_library = nullptr; // FT_Library, kept opaque to keep FreeType out of this header
    void* m_face = nullptr;    // FT_Face
};

/// Composites a glyph's coverage in `color` with its pen position at (x, baseline).
void drawGlyph(Image& image, const Glyph& glyph, int x, int baseline, Color color);

/// Width in pixels of `text` set with the face's advances.
int textWidth(const FontFace& face, const std::string& text);

} // namespace crv::datagen
