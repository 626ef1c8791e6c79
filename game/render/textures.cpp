// OpenGL textures from RGBA buffers, and the filter every textured drawing applies.
#include "game/render/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace crv {

bool makeMipmappedTexture(unsigned& textureName, const std::uint8_t* pixels, int width,
                          int height) {
    GLuint name = 0;
    glGenTextures(1, &name);
    textureName = name;
    glBindTexture(GL_TEXTURE_2D, name);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    return true;
}

bool makeTexture(unsigned& textureName, const std::uint8_t* pixels, int width, int height) {
    GLuint name = 0;
    glGenTextures(1, &name);
    textureName = name;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    return true;
}

void applyFilter(int bilinearFiltering) {
    const GLfloat filter = bilinearFiltering != 0 ? GL_LINEAR : GL_NEAREST;
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

} // namespace crv
