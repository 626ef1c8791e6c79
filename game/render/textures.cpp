// OpenGL textures from RGBA buffers.
#include "game/render/textures.h"

#include "game/render/gl_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace crv {

namespace {

unsigned newTexture() {
    GLuint name = 0;
    glGenTextures(1, &name);
    bindTextureForUpload(name);
    return name;
}

} // namespace

bool makeMipmappedTexture(unsigned& textureName, const std::uint8_t* pixels, int width,
                          int height) {
    textureName = newTexture();
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    return true;
}

bool makeTexture(unsigned& textureName, const std::uint8_t* pixels, int width, int height) {
    textureName = newTexture();
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    return true;
}

} // namespace crv
