// The view of the game window: viewport, perspective and the base model-view.
#include "game/render/view.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace crv {

void resizeView(int width, int height) {
    // A window shrunk to nothing would divide by zero; its picture does not matter.
    const int safeHeight = height > 0 ? height : 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(65.0, static_cast<double>(width) / static_cast<double>(safeHeight), 1.0, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -3.0f);
}

void finishDrawing() {
    glFinish();
}

const char* rendererName() {
    const GLubyte* name = glGetString(GL_RENDERER);
    return name != nullptr ? reinterpret_cast<const char*>(name) : "none";
}

} // namespace crv
