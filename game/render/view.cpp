// The view of the game window: where the picture lies in it, perspective, base model-view.
#include "game/render/view.h"

#include "game/render/gl_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace crv {

namespace {

View view;

} // namespace

PictureArea pictureArea(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
    PictureArea area{0, 0, windowWidth, windowHeight};
    if (pictureWidth <= 0 || pictureHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) {
        return area;
    }
    // In 64 bits: the products of two sizes may pass 2^31 on a large enough screen.
    const long long across = static_cast<long long>(windowWidth) * pictureHeight;
    const long long down = static_cast<long long>(windowHeight) * pictureWidth;
    if (across > down) { // wider than the picture: bars left and right
        area.width = static_cast<int>((down + pictureHeight / 2) / pictureHeight);
    } else if (across < down) { // taller: bars above and below
        area.height = static_cast<int>((across + pictureWidth / 2) / pictureWidth);
    }
    area.x = (windowWidth - area.width) / 2;
    area.y = (windowHeight - area.height) / 2;
    return area;
}

void setView(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
    const PictureArea area = pictureArea(windowWidth, windowHeight, pictureWidth, pictureHeight);
    // A window shrunk to nothing would divide by zero; its picture does not matter.
    const int safeHeight = pictureHeight > 0 ? pictureHeight : 1;
    glViewport(area.x, area.y, area.width, area.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(65.0, static_cast<double>(pictureWidth) / static_cast<double>(safeHeight), 1.0,
                   20.0);
    // Read back once here, so that no frame needs to ask.
    glGetFloatv(GL_PROJECTION_MATRIX, view.projection);
    view.viewport[0] = area.x;
    view.viewport[1] = area.y;
    view.viewport[2] = area.width;
    view.viewport[3] = area.height;
    view.windowWidth = windowWidth;
    view.windowHeight = windowHeight;
    loadBaseModelView();
}

void resizeView(int width, int height) {
    setView(width, height, width, height);
}

const View& currentView() {
    return view;
}

void clearView() {
    const bool coversWindow =
        view.viewport[2] == view.windowWidth && view.viewport[3] == view.windowHeight;
    if (coversWindow) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        return;
    }
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const float* clear = clearColor(); // the picture's own, as tracked
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glEnable(GL_SCISSOR_TEST);
    glScissor(view.viewport[0], view.viewport[1], view.viewport[2], view.viewport[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
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
