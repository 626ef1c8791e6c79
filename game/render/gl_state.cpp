// The fixed-function GL state of the picture: each drawing step asks for what it needs.
#include "game/render/gl_state.h"

#include <GL/gl.h>

namespace crv {

namespace {

// Texture names are handed out from 1 and the picture makes about twenty; a name beyond
// the table simply has its filter set every time.
constexpr unsigned trackedTextureCount = 64;
constexpr int unknownFilter = -1;

struct TrackedState {
    unsigned bits = 0;
    unsigned boundTexture = 0;
    int filters[trackedTextureCount]{};
    float lightDirection[3]{};
    float clearColor[4]{};
    GlLimits limits;
};

TrackedState state;

void setSwitch(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void applyBlending(unsigned bits) {
    if ((bits & BlendAlpha) != 0) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else if ((bits & BlendAdditive) != 0) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    setSwitch(GL_BLEND, (bits & (BlendAlpha | BlendAdditive)) != 0);
}

/// Sets every switch to `bits` whatever was tracked.
void applyAll(unsigned bits) {
    setSwitch(GL_LIGHTING, (bits & LightingOn) != 0);
    setSwitch(GL_DEPTH_TEST, (bits & DepthTestOn) != 0);
    setSwitch(GL_CULL_FACE, (bits & CullingOn) != 0);
    setSwitch(GL_LINE_SMOOTH, (bits & LineSmoothOn) != 0);
    applyBlending(bits);
    setSwitch(GL_TEXTURE_2D, (bits & TexturingOn) != 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE,
              (bits & TextureReplaces) != 0 ? GL_REPLACE : GL_MODULATE);
    state.bits = bits;
}

void readLimits(GlLimits& limits) {
    glGetIntegerv(GL_RED_BITS, &limits.redBits);
    glGetIntegerv(GL_GREEN_BITS, &limits.greenBits);
    glGetIntegerv(GL_BLUE_BITS, &limits.blueBits);
    glGetIntegerv(GL_SAMPLE_BUFFERS, &limits.sampleBuffers);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limits.maxTextureSize);
}

} // namespace

TextureFilter filterFor(int bilinearFiltering) {
    return bilinearFiltering != 0 ? TextureFilter::Bilinear : TextureFilter::Nearest;
}

void resetGlState() {
    state = TrackedState{};
    for (int& filter : state.filters) {
        filter = unknownFilter;
    }
    glEnable(GL_COLOR_MATERIAL);
    glCullFace(GL_BACK);
    glDepthFunc(GL_LESS);
    glEnable(GL_LIGHT0);
    // Blocks are scaled down to 0.09, which makes GL lengthen their normals elevenfold and
    // wash every lit colour out to white or cyan; unit normals keep the six colours apart.
    glEnable(GL_NORMALIZE);
    // Brighter than 1 on purpose: it lifts the dim colour tables on the lit faces.
    const GLfloat diffuse[4] = {2.5f, 2.5f, 2.5f, 1.0f};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    setLightDirection(-1.0f, 1.0f, 1.0f);
    setClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    applyAll(restingState);
    readLimits(state.limits);
}

void setGlState(unsigned bits) {
    const unsigned changed = bits ^ state.bits;
    if (changed == 0) {
        return;
    }
    if ((changed & LightingOn) != 0) {
        setSwitch(GL_LIGHTING, (bits & LightingOn) != 0);
    }
    if ((changed & DepthTestOn) != 0) {
        setSwitch(GL_DEPTH_TEST, (bits & DepthTestOn) != 0);
    }
    if ((changed & CullingOn) != 0) {
        setSwitch(GL_CULL_FACE, (bits & CullingOn) != 0);
    }
    if ((changed & LineSmoothOn) != 0) {
        setSwitch(GL_LINE_SMOOTH, (bits & LineSmoothOn) != 0);
    }
    if ((changed & (BlendAlpha | BlendAdditive)) != 0) {
        applyBlending(bits);
    }
    if ((changed & TexturingOn) != 0) {
        setSwitch(GL_TEXTURE_2D, (bits & TexturingOn) != 0);
    }
    if ((changed & TextureReplaces) != 0) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE,
                  (bits & TextureReplaces) != 0 ? GL_REPLACE : GL_MODULATE);
    }
    state.bits = bits;
}

void bindTexture(unsigned texture, TextureFilter filter) {
    if (texture != state.boundTexture) {
        glBindTexture(GL_TEXTURE_2D, texture);
        state.boundTexture = texture;
    }
    const int wanted = static_cast<int>(filter);
    const bool tracked = texture < trackedTextureCount;
    if (tracked && state.filters[texture] == wanted) {
        return;
    }
    // Never a mipmap filter, so only level 0 is ever sampled.
    const GLint value = filter == TextureFilter::Bilinear ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, value);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, value);
    if (tracked) {
        state.filters[texture] = wanted;
    }
}

void bindTextureForUpload(unsigned texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    state.boundTexture = texture;
    if (texture < trackedTextureCount) {
        state.filters[texture] = unknownFilter;
    }
}

void setLightDirection(float x, float y, float z) {
    float* d = state.lightDirection;
    if (d[0] == x && d[1] == y && d[2] == z) {
        return;
    }
    const GLfloat position[4] = {x, y, z, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    d[0] = x;
    d[1] = y;
    d[2] = z;
}

void setClearColor(float red, float green, float blue, float alpha) {
    glClearColor(red, green, blue, alpha);
    float* c = state.clearColor;
    c[0] = red;
    c[1] = green;
    c[2] = blue;
    c[3] = alpha;
}

const float* clearColor() {
    return state.clearColor;
}

const GlLimits& glLimits() {
    return state.limits;
}

} // namespace crv
