// Scene set-up at window creation: the drawing state and the first next piece.
#include "game/render/scene.h"

#include "game/rules/random.h"

#include <GL/gl.h>

namespace crv {

void setUpScene(Game& game) {
    glEnable(GL_DEPTH_TEST);
    for (std::int32_t& color : game.nextPiece) {
        color = randomColor(game);
    }
}

} // namespace crv
