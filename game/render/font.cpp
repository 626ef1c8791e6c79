// The bitmap font: glyph layout, loading, and text drawn as additive textured squares.
#include "game/render/font.h"

#include "game/render/gl_state.h"
#include "game/render/textures.h"
#include "game/render/tga.h"

#include <GL/gl.h>

#include <cstdint>
#include <vector>

namespace crv {

int glyphNumber(char character, int currentGlyph) {
    for (int g = 0; g < fontGlyphCount; ++g) {
        if (fontCharset[g] == character) {
            return g;
        }
    }
    return currentGlyph;
}

GlyphCoords glyphCoords(const FontLayout& layout, int glyph) {
    const int column = glyph % layout.glyphsPerRow;
    const int row = glyph / layout.glyphsPerRow;
    const int left = column * layout.glyphWidth;
    const int top = row * layout.glyphHeight;
    return {left / layout.imageWidth, (left + layout.glyphWidth - 1) / layout.imageWidth,
            top / layout.imageHeight, (top + layout.glyphHeight - 1) / layout.imageHeight};
}

void loadFont(FontLayout& layout, const ImageFile& image, int glyphWidth, int glyphHeight) {
    const int imageWidth = image.width;
    const int imageHeight = image.height;
    layout.glyphWidth = glyphWidth;
    layout.glyphHeight = glyphHeight;
    layout.imageWidth = static_cast<float>(imageWidth);
    layout.imageHeight = static_cast<float>(imageHeight);
    layout.glyphsPerRow = imageWidth / glyphWidth;
    // Read once at set-up; the texture keeps the pixels, so the buffer goes afterwards.
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(imageWidth) * imageHeight * 4);
    readTga(image.name, pixels.data(), static_cast<unsigned>(imageWidth),
            static_cast<unsigned>(imageHeight));
    makeMipmappedTexture(layout.fontTexture, pixels.data(), imageWidth, imageHeight);
}

void drawText(const FontLayout& layout, float x, float y, float z, float size, const char* text) {
    glPushMatrix();
    glTranslatef(x, y, z);
    glScalef(size, size, size);
    // The texture has no alpha, so this adds the glyph image onto the frame.
    setGlState(BlendAdditive | TexturingOn);
    bindTexture(layout.fontTexture, TextureFilter::Bilinear);
    glColor3f(1.0f, 1.0f, 1.0f);

    glBegin(GL_QUADS);
    int glyph = 0;
    for (int i = 0; text[i] != '\0'; ++i) {
        glyph = glyphNumber(text[i], glyph);
        const GlyphCoords c = glyphCoords(layout, glyph);
        const float left = static_cast<float>(i);
        glTexCoord2f(c.s0, c.t0);
        glVertex3f(left, 0.0f, 0.0f);
        glTexCoord2f(c.s1, c.t0);
        glVertex3f(left + 1.0f, 0.0f, 0.0f);
        glTexCoord2f(c.s1, c.t1);
        glVertex3f(left + 1.0f, -1.0f, 0.0f);
        glTexCoord2f(c.s0, c.t1);
        glVertex3f(left, -1.0f, 0.0f);
    }
    glEnd();
    glPopMatrix();
    setGlState(restingState);
}

} // namespace crv
