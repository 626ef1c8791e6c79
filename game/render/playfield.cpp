// The game's world: background wall, back panel, walls and floor, blocks, swing, preview.
#include "game/render/playfield.h"

#include "game/render/block_batch.h"
#include "game/render/motion.h"
#include "game/render/textures.h"

#include <GL/gl.h>

namespace crv {

namespace {

// The panel and its frame, in the playfield's own units.
constexpr float panelLeft = -1.0098f;
constexpr float panelRight = 0.8262f;
constexpr float panelBottom = -1.5606f;
constexpr float panelTop = 1.5606f;
constexpr float blockPlane = 0.05f;

constexpr std::int32_t hidingStates = Paused | ConfirmQuit;

void drawFrameLines() {
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

/// Cell values are -6..6 and next-piece colours 1..6; anything else draws black.
int colorIndexOf(std::int32_t value) {
    const std::int32_t index = value < 0 ? -value : value;
    return index < cellColorCount ? index : 0;
}

void setColor(BlockRecord& block, Color color) {
    block.red = color.red;
    block.green = color.green;
    block.blue = color.blue;
}

} // namespace

void drawBackground(const Scene& scene) {
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            glBindTexture(GL_TEXTURE_2D, scene.backgroundTiles[(2 - i) * 4 + j]);
            applyFilter(scene.settings.bilinearFiltering);
            const float left = 3.2f * j - 6.4f;
            const float right = 3.2f * j - 3.2f;
            const float bottom = 3.2f * i - 4.8f;
            const float top = 3.2f * i - 1.6f;
            // Inset by 0.002 so bilinear filtering never reaches the tile's far edge.
            glBegin(GL_QUADS);
            glTexCoord2f(0.002f, 0.998f);
            glVertex3f(left, bottom, -4.5f);
            glTexCoord2f(0.998f, 0.998f);
            glVertex3f(right, bottom, -4.5f);
            glTexCoord2f(0.998f, 0.002f);
            glVertex3f(right, top, -4.5f);
            glTexCoord2f(0.002f, 0.002f);
            glVertex3f(left, top, -4.5f);
            glEnd();
        }
    }
}

void drawPanel(const Scene& scene) {
    glPushMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, scene.panelTexture);
    applyFilter(scene.settings.bilinearFiltering);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);

    const Color* corner = scene.panelCornerColors;
    glBegin(GL_QUADS);
    glColor3f(corner[0].red, corner[0].green, corner[0].blue);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(panelLeft, panelBottom, 0.0f);
    glColor3f(corner[1].red, corner[1].green, corner[1].blue);
    glTexCoord2f(0.0f, 2.125f);
    glVertex3f(panelLeft, panelTop, 0.0f);
    glColor3f(corner[2].red, corner[2].green, corner[2].blue);
    glTexCoord2f(1.25f, 2.125f);
    glVertex3f(panelRight, panelTop, 0.0f);
    glColor3f(corner[3].red, corner[3].green, corner[3].blue);
    glTexCoord2f(1.25f, 0.0f);
    glVertex3f(panelRight, panelBottom, 0.0f);
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glPopMatrix();
}

void drawPlayfield(Scene& scene, const Game& game) {
    const RenderSettings& settings = scene.settings;
    if (settings.texturedPlayfield != 0) {
        drawPanel(scene);
    }
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    if (settings.antialiasedLines != 0) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_BLEND);
    }
    drawFrameLines();
    if (settings.antialiasedLines != 0) {
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_BLEND);
    }
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glTranslatef(0.0f, 0.0f, blockPlane);

    const bool hidden = (game.gameState & hidingStates) != 0;
    const bool textured = settings.texturedBlocks != 0 && !hidden;
    scene.queueLength = 0;
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            const std::int32_t value = game.playfield.at(column, row);
            if (value == 0) {
                continue;
            }
            const int colorIndex = colorIndexOf(value);
            const int cell = column * rowCount + row;
            BlockRecord& block = scene.cellBlocks[cell];
            if (hidden) {
                // Once per drawn block, so a fuller playfield runs the wave faster.
                scene.hiddenColorPhase = advanceHiddenPhase(scene.hiddenColorPhase, game.frameTime);
                setColor(block, hiddenBlockColor(column * row, scene.hiddenColorPhase));
            } else if (value > 0) {
                setColor(block, scene.cellColors[colorIndex]);
            } else {
                setColor(block,
                         markedCellColor(scene.cellColors[colorIndex], game.removalProgress));
            }
            const int textureIndex = textured && colorIndex <= colorCount ? colorIndex : 0;
            if (scene.blockByBlock) {
                drawBlock(scene, block, textureIndex);
            } else {
                scene.queue[scene.queueLength++] = {cell, textureIndex};
            }
        }
    }
    if (!scene.blockByBlock) {
        drawQueuedBlocks(scene, scene.cellBlocks, scene.queue, scene.queueLength);
    }
}

void drawPreview(Scene& scene, const Game& game) {
    glPushMatrix();
    glTranslatef(0.95f, -0.15f, 1.5f);
    glRotatef(scene.previewSpin, 0.0f, 0.0f, 1.0f);
    for (int k = 0; k < previewBlockCount; ++k) {
        setColor(scene.previewBlocks[k], scene.cellColors[colorIndexOf(game.nextPiece[k])]);
    }
    QueuedBlock queue[previewBlockCount];
    for (int k = 0; k < previewBlockCount; ++k) {
        const int colorIndex = colorIndexOf(game.nextPiece[k]);
        const int textureIndex =
            scene.settings.texturedBlocks != 0 && colorIndex <= colorCount ? colorIndex : 0;
        if (scene.blockByBlock) {
            drawBlock(scene, scene.previewBlocks[k], textureIndex);
        }
        queue[k] = {k, textureIndex};
    }
    if (!scene.blockByBlock) {
        drawQueuedBlocks(scene, scene.previewBlocks, queue, previewBlockCount);
    }
    glPopMatrix();
}

void swingTransform(const Scene& scene, const Game& game) {
    const SwingAngles angles = swingAngles(scene.swingClock, game.swingAmplitude);
    glRotatef(angles.aboutZ, 0.0f, 0.0f, 1.0f);
    glRotatef(angles.aboutY, 0.0f, 1.0f, 0.0f);
    glRotatef(angles.aboutX, 1.0f, 0.0f, 0.0f);
}

} // namespace crv
