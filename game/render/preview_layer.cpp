// The next piece beside the playfield: small, spinning, in its true colours in every state.
#include "game/render/preview_layer.h"

#include <GL/gl.h>

namespace crv {

void drawPreviewLayer(PreviewLayer& layer, const Scene& scene, const Game& game, BlockDrawing how) {
    for (int k = 0; k < previewBlockCount; ++k) {
        const int colorIndex = colorIndexOf(game.nextPiece[k]);
        const BlockRecord block = withColor(scene.previewBlocks[k], scene.cellColors[colorIndex]);
        const bool textured = scene.settings.texturedBlocks != 0 && colorIndex <= blockTextureCount;
        layer.blocks[k] = {block, textured ? colorIndex : 0};
    }
    glPushMatrix();
    glTranslatef(0.95f, -0.15f, 1.5f);
    glRotatef(layer.spin, 0.0f, 0.0f, 1.0f);
    drawBlocks(scene, layer.blocks, previewBlockCount, how);
    glPopMatrix();
}

} // namespace crv
