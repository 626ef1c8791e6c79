// The background wall kept as a picture: drawn once for a view, copied in the frames after.
#include "game/render/wall_copy.h"

#include "game/render/playfield.h"

#include <GL/gl.h>

#include <algorithm>

namespace crv {

namespace {

/// What the wall's pixels depend on besides the fixed tiles.
struct WallView {
    GLint viewport[4];
    GLfloat projection[16];
    GLfloat modelView[16];
    GLfloat clearColor[4];
    int bilinearFiltering;
};

WallView currentView(const Scene& scene) {
    WallView view{};
    glGetIntegerv(GL_VIEWPORT, view.viewport);
    glGetFloatv(GL_PROJECTION_MATRIX, view.projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, view.modelView);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, view.clearColor);
    view.bilinearFiltering = scene.settings.bilinearFiltering;
    return view;
}

bool keptFor(const WallCopy& copy, const WallView& view) {
    return copy.valid && std::equal(view.viewport, view.viewport + 4, copy.viewport) &&
           std::equal(view.projection, view.projection + 16, copy.projection) &&
           std::equal(view.modelView, view.modelView + 16, copy.modelView) &&
           std::equal(view.clearColor, view.clearColor + 4, copy.clearColor) &&
           view.bilinearFiltering == copy.bilinearFiltering;
}

int powerOfTwoAtLeast(int size) {
    int power = 1;
    while (power < size) {
        power *= 2;
    }
    return power;
}

/// Only where a copy gives back exactly what was drawn: 8 bits a channel, one sample a pixel.
bool canKeep(const GLint viewport[4]) {
    GLint red = 0;
    GLint green = 0;
    GLint blue = 0;
    GLint sampleBuffers = 0;
    GLint largest = 0;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    glGetIntegerv(GL_BLUE_BITS, &blue);
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return red == 8 && green == 8 && blue == 8 && sampleBuffers == 0 && viewport[2] > 0 &&
           viewport[3] > 0 && powerOfTwoAtLeast(viewport[2]) <= largest &&
           powerOfTwoAtLeast(viewport[3]) <= largest;
}

/// Takes the viewport's pixels, just drawn, into the copy's texture.
void keep(WallCopy& copy, const WallView& view) {
    const int width = powerOfTwoAtLeast(view.viewport[2]);
    const int height = powerOfTwoAtLeast(view.viewport[3]);
    if (copy.texture == 0) {
        GLuint name = 0;
        glGenTextures(1, &name);
        copy.texture = name;
    }
    glBindTexture(GL_TEXTURE_2D, copy.texture);
    if (width != copy.textureWidth || height != copy.textureHeight) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        copy.textureWidth = width;
        copy.textureHeight = height;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, view.viewport[0], view.viewport[1],
                        view.viewport[2], view.viewport[3]);
    std::copy(view.viewport, view.viewport + 4, copy.viewport);
    std::copy(view.projection, view.projection + 16, copy.projection);
    std::copy(view.modelView, view.modelView + 16, copy.modelView);
    std::copy(view.clearColor, view.clearColor + 4, copy.clearColor);
    copy.bilinearFiltering = view.bilinearFiltering;
    copy.valid = true;
}

/// The kept pixels over the whole viewport, each texel on its own pixel's centre.
void copyBack(const WallCopy& copy) {
    const float width = static_cast<float>(copy.viewport[2]);
    const float height = static_cast<float>(copy.viewport[3]);
    const float s = width / static_cast<float>(copy.textureWidth);
    const float t = height / static_cast<float>(copy.textureHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, copy.texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
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
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(copy.projection);
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

void drawWall(Scene& scene) {
    WallCopy& copy = scene.wallCopy;
    const WallView view = currentView(scene);
    glDisable(GL_LIGHTING);
    // All that is drawn later lies far in front of the wall, so no depth test ever meets
    // the depth the wall would leave; without it, the copy needs no depth of its own.
    glDisable(GL_DEPTH_TEST);
    if (keptFor(copy, view)) {
        copyBack(copy);
    } else {
        drawBackground(scene);
        copy.valid = false;
        if (canKeep(view.viewport)) {
            keep(copy, view);
        }
    }
    glEnable(GL_DEPTH_TEST);
}

} // namespace crv
