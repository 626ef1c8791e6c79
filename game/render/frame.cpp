// One frame of the game picture.
#include "game/render/frame.h"

#include <GL/gl.h>

namespace crv {

void drawFrame(const Game&, float) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

} // namespace crv
