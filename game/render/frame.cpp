// One frame of the game picture: the layers in their order, then the picture's clocks.
#include "game/render/frame.h"

#include "game/render/gl_state.h"
#include "game/render/hud_layer.h"
#include "game/render/motion.h"
#include "game/render/view.h"

#include <GL/gl.h>

namespace crv {

namespace {

// The preview turns half a degree per sixtieth: 30 degrees a second.
constexpr float previewSpinRate = 0.5f;

} // namespace

void setUpPicture(Picture& picture, const GameSettings& settings, std::int32_t gameMode) {
    setUpScene(picture.scene, settings, gameMode);
    resetWallLayer(picture.wall);
}

void drawFrame(Picture& picture, const Game& game, float framesPerSecond) {
    const Scene& scene = picture.scene;
    clearView();
    loadBaseModelView();
    if (scene.settings.backgroundPicture != 0) {
        drawWallLayer(picture.wall, scene);
    }
    drawPlayfieldLayer(picture.playfield, scene, game, picture.blockDrawing);
    drawPreviewLayer(picture.preview, scene, game, picture.blockDrawing);
    drawHud(scene, game, framesPerSecond);

    // Takes effect from the next frame on; the first is lit from the set-up direction.
    setLightDirection(-0.5f, 0.5f, 1.0f);

    // The layers above used the clocks from before this step.
    picture.playfield.swingClock =
        advanceWrapped(picture.playfield.swingClock, game.frameTime, swingCycle);
    picture.preview.spin =
        advanceWrapped(picture.preview.spin, game.frameTime * previewSpinRate, 360.0f);

    // Last, so the messages lie over everything.
    drawStateMessage(scene, game);
    setGlState(restingState);
}

} // namespace crv
