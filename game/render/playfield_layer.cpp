// The playfield: the back panel, its frame and one block per occupied cell, swinging in the
// swinging mode.
#include "game/render/playfield_layer.h"

#include "game/render/colors.h"
#include "game/render/gl_state.h"
#include "game/render/motion.h"
#include "game/render/scene.h"

#include <GL/gl.h>

namespace crv {

namespace {

// The panel and its frame, in the playfield's own units.
constexpr float panelLeft = -1.0098f;
constexpr float panelRight = 0.8262f;
constexpr float panelBottom = -1.5606f;
constexpr float panelTop = 1.5606f;
// The panel's texture repeats 1.25 times across and 2.125 times up.
constexpr float panelRepeatS = 1.25f;
constexpr float panelRepeatT = 2.125f;
// The playfield stands left of the view's centre, to leave room for the score column.
constexpr float playfieldShift = -0.3f;
// The blocks lie just in front of the panel.
constexpr float blockPlane = 0.05f;

constexpr std::int32_t hidingStates = Paused | ConfirmQuit;

void swingTransform(float swingClock, const Game& game) {
    const SwingAngles angles = swingAngles(swingClock, game.swingAmplitude);
    glRotatef(angles.aboutZ, 0.0f, 0.0f, 1.0f);
    glRotatef(angles.aboutY, 0.0f, 1.0f, 0.0f);
    glRotatef(angles.aboutX, 1.0f, 0.0f, 0.0f);
}

/// The back panel, textured and tinted by its corner colours; seen from both sides.
void drawPanel(const Scene& scene) {
    setGlState(DepthTestOn | TexturingOn);
    bindTexture(scene.panelTexture, filterFor(scene.settings.bilinearFiltering));
    const Color* corner = scene.panelCornerColors;
    glBegin(GL_QUADS);
    glColor3f(corner[0].red, corner[0].green, corner[0].blue);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(panelLeft, panelBottom, 0.0f);
    glColor3f(corner[1].red, corner[1].green, corner[1].blue);
    glTexCoord2f(0.0f, panelRepeatT);
    glVertex3f(panelLeft, panelTop, 0.0f);
    glColor3f(corner[2].red, corner[2].green, corner[2].blue);
    glTexCoord2f(panelRepeatS, panelRepeatT);
    glVertex3f(panelRight, panelTop, 0.0f);
    glColor3f(corner[3].red, corner[3].green, corner[3].blue);
    glTexCoord2f(panelRepeatS, 0.0f);
    glVertex3f(panelRight, panelBottom, 0.0f);
    glEnd();
}

/// The frame's two sides and its floor, light below and dark above, over the panel.
void drawFrameLines(const Scene& scene) {
    const bool smooth = scene.settings.antialiasedLines != 0;
    setGlState(CullingOn | (smooth ? LineSmoothOn | BlendAlpha : 0u));
    glBegin(GL_LINES);
    glColor3f(1.0f, 1.0f, 1.0f);
    glVertex3f(panelLeft, panelBottom, 0.0f);
    glColor3f(0.3f, 0.3f, 0.3f);
    glVertex3f(panelLeft, panelTop, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glVertex3f(panelRight, panelBottom, 0.0f);
    glColor3f(0.3f, 0.3f, 0.3f);
    glVertex3f(panelRight, panelTop, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glVertex3f(panelLeft, panelBottom, 0.0f);
    glVertex3f(panelRight, panelBottom, 0.0f);
    glEnd();
}

void queueCells(PlayfieldLayer& layer, const Scene& scene, const Game& game) {
    const bool hidden = (game.gameState & hidingStates) != 0;
    const bool textured = scene.settings.texturedBlocks != 0 && !hidden;
    layer.cellsQueued = 0;
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            const std::int32_t value = game.playfield.at(column, row);
            if (value == 0) {
                continue;
            }
            const int colorIndex = colorIndexOf(value);
            Color color;
            if (hidden) {
                // Once per drawn block, so a fuller playfield runs the wave faster.
                layer.hiddenColorPhase = advanceHiddenPhase(layer.hiddenColorPhase, game.frameTime);
                color = hiddenBlockColor(column * row, layer.hiddenColorPhase);
            } else if (value > 0) {
                color = scene.cellColors[colorIndex];
            } else {
                color = markedCellColor(scene.cellColors[colorIndex], game.removalProgress);
            }
            const int textureIndex = textured && colorIndex <= blockTextureCount ? colorIndex : 0;
            const BlockRecord& place = scene.cellBlocks[column * rowCount + row];
            layer.cells[layer.cellsQueued++] = {withColor(place, color), textureIndex};
        }
    }
}

} // namespace

void drawPlayfieldLayer(PlayfieldLayer& layer, const Scene& scene, const Game& game,
                        BlockDrawing how) {
    glPushMatrix();
    if (scene.settings.gameMode != 0) {
        swingTransform(layer.swingClock, game);
    }
    glTranslatef(playfieldShift, 0.0f, 0.0f);
    if (scene.settings.texturedPlayfield != 0) {
        drawPanel(scene);
    }
    drawFrameLines(scene);
    glTranslatef(0.0f, 0.0f, blockPlane);
    queueCells(layer, scene, game);
    drawBlocks(scene, layer.cells, layer.cellsQueued, how);
    glPopMatrix();
}

} // namespace crv
