// The view of the game window: viewport, perspective and the base model-view.
#include "game/render/view.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace crv {

namespace {

View view;

} // namespace

void resizeView(int width, int height) {
    // A window shrunk to nothing would divide by zero; its picture does not matter.
    const int safeHeight = height > 0 ? height : 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(65.0, static_cast<double>(width) / static_cast<double>(safeHeight), 1.0, 20.0);
    // Read back once here, so that no frame needs to ask.
    glGetFloatv(GL_PROJECTION_MATRIX, view.projection);
    view.viewport[0] = 0;
    view.viewport[1] = 0;
    view.viewport[2] = width;
    view.viewport[3] = height;
    loadBaseModelView();
}

const View& currentView() {
    return view;
}

void loadBaseModelView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -3.0f);
}

void restoreProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(view.projection);
    glMatrixMode(GL_MODELVIEW);
}

void finishDrawing() {
    glFinish();
}

const char* rendererName() {
    const GLubyte* name = glGetString(GL_RENDERER);
    return name != nullptr ? reinterpret_cast<const char*>(name) : "none";
}

} // namespace crv
