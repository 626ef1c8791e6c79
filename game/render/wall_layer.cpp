// The background wall: twelve tiles far behind the playfield, drawn once for a view and then
// copied from the kept picture.
#include "game/render/wall_layer.h"

#include "game/render/gl_state.h"
#include "game/render/scene.h"
#include "game/render/view.h"

#include <GL/gl.h>

#include <algorithm>

namespace crv {

namespace {

constexpr float wallDepth = -4.5f;
constexpr float tileSide = 3.2f;
// Inset so bilinear filtering never reaches a tile's far edge.
constexpr float tileNear = 0.002f;
constexpr float tileFar = 0.998f;

// All that is drawn later lies far in front of the wall, so no depth test ever meets the
// depth the wall would leave; without it, the copy needs no depth of its own.
constexpr unsigned wallState = CullingOn | TexturingOn;

/// Whether the last frame that drew the wall drew it for this view, clear colour and filter.
bool drawnFor(const WallLayer& wall, const View& view, const float* clear, int bilinear) {
    return std::equal(view.viewport, view.viewport + 4, wall.viewport) &&
           std::equal(view.projection, view.projection + 16, wall.projection) &&
           std::equal(clear, clear + 4, wall.clearColor) && bilinear == wall.bilinearFiltering;
}

void noteDrawnFor(WallLayer& wall, const View& view, const float* clear, int bilinear) {
    std::copy(view.viewport, view.viewport + 4, wall.viewport);
    std::copy(view.projection, view.projection + 16, wall.projection);
    std::copy(clear, clear + 4, wall.clearColor);
    wall.bilinearFiltering = bilinear;
}

int powerOfTwoAtLeast(int size) {
    int power = 1;
    while (power < size) {
        power *= 2;
    }
    return power;
}

/// Only where a copy gives back exactly what was drawn: 8 bits a channel, one sample a pixel.
bool canKeep(const View& view) {
    const GlLimits& limits = glLimits();
    const int width = view.viewport[2];
    const int height = view.viewport[3];
    return limits.redBits == 8 && limits.greenBits == 8 && limits.blueBits == 8 &&
           limits.sampleBuffers == 0 && width > 0 && height > 0 &&
           powerOfTwoAtLeast(width) <= limits.maxTextureSize &&
           powerOfTwoAtLeast(height) <= limits.maxTextureSize;
}

void drawTiles(const Scene& scene) {
    setGlState(wallState);
    glColor3f(1.0f, 1.0f, 1.0f);
    const TextureFilter filter = filterFor(scene.settings.bilinearFiltering);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            // Tile 0 is the picture's top left; rows are placed from the bottom up.
            bindTexture(scene.backgroundTiles[(2 - i) * 4 + j], filter);
            const float left = tileSide * j - 6.4f;
            const float right = tileSide * j - 3.2f;
            const float bottom = tileSide * i - 4.8f;
            const float top = tileSide * i - 1.6f;
            glBegin(GL_QUADS);
            glTexCoord2f(tileNear, tileFar);
            glVertex3f(left, bottom, wallDepth);
            glTexCoord2f(tileFar, tileFar);
            glVertex3f(right, bottom, wallDepth);
            glTexCoord2f(tileFar, tileNear);
            glVertex3f(right, top, wallDepth);
            glTexCoord2f(tileNear, tileNear);
            glVertex3f(left, top, wallDepth);
            glEnd();
        }
    }
}

/// Takes the viewport's pixels, just drawn, into the kept texture.
void keep(WallLayer& wall, const View& view, const float* clear, int bilinear) {
    const int width = powerOfTwoAtLeast(view.viewport[2]);
    const int height = powerOfTwoAtLeast(view.viewport[3]);
    if (wall.texture == 0) {
        GLuint name = 0;
        glGenTextures(1, &name);
        wall.texture = name;
    }
    bindTexture(wall.texture, TextureFilter::Nearest);
    if (width != wall.textureWidth || height != wall.textureHeight) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
        wall.textureWidth = width;
        wall.textureHeight = height;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, view.viewport[0], view.viewport[1],
                        view.viewport[2], view.viewport[3]);
    noteDrawnFor(wall, view, clear, bilinear);
    wall.valid = true;
}

/// The kept pixels over the whole viewport, each texel on its own pixel's centre.
void copyBack(const WallLayer& wall) {
    const float width = static_cast<float>(wall.viewport[2]);
    const float height = static_cast<float>(wall.viewport[3]);
    const float s = width / static_cast<float>(wall.textureWidth);
    const float t = height / static_cast<float>(wall.textureHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    setGlState(wallState | TextureReplaces);
    bindTexture(wall.texture, TextureFilter::Nearest);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(s, 0.0f);
    glVertex2f(width, 0.0f);
    glTexCoord2f(s, t);
    glVertex2f(width, height);
    glTexCoord2f(0.0f, t);
    glVertex2f(0.0f, height);
    glEnd();
    glPopMatrix();
    restoreProjection();
}

} // namespace

void resetWallLayer(WallLayer& wall) {
    wall = WallLayer{}; // a texture of an earlier context is not this one's
}

void drawWallLayer(WallLayer& wall, const Scene& scene) {
    const View& view = currentView();
    const float* clear = clearColor();
    const int bilinear = scene.settings.bilinearFiltering;
    const bool sameAsLast = drawnFor(wall, view, clear, bilinear);
    if (wall.valid && sameAsLast) {
        copyBack(wall);
        return;
    }
    drawTiles(scene);
    // A window's buffers take a new size only at the swap after it changed, so the pixels of
    // the first frame for a view may lie partly outside them: the second frame's are kept.
    if (sameAsLast && canKeep(view)) {
        keep(wall, view, clear, bilinear);
    } else {
        noteDrawnFor(wall, view, clear, bilinear);
        wall.valid = false;
    }
}

} // namespace crv
