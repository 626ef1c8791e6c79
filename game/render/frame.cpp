// One frame of the game picture: world, preview, HUD, state messages, clocks.
#include "game/render/frame.h"

#include "game/render/font.h"
#include "game/render/hud_text.h"
#include "game/render/motion.h"
#include "game/render/playfield.h"
#include "game/render/wall_copy.h"

#include <GL/gl.h>

namespace crv {

namespace {

constexpr float hudSize = 0.1f;
constexpr float messageSize = 0.15f;

void drawHud(const Scene& scene, const Game& game, float framesPerSecond) {
    char text[hudTextSize];
    if (game.showFps != 0) {
        formatRate(text, framesPerSecond);
        drawText(scene.font, -2.334425f, 1.75f, 0.0f, hudSize, text);
    }
    const HudColumn column = hudColumn(scene.settings.screenWidth);
    drawText(scene.font, column.labelX, 1.15f, 0.0f, hudSize, "     Score:");
    formatScoreField(text, game.score);
    drawText(scene.font, column.valueX, 1.05f, 0.0f, hudSize, text);
    drawText(scene.font, column.valueX, 0.75f, 0.0f, hudSize, "  Hi-Score:");
    formatScoreField(text, game.bestScore);
    drawText(scene.font, column.valueX, 0.65f, 0.0f, hudSize, text);
    drawText(scene.font, column.valueX, 0.35f, 0.0f, hudSize, "Next Piece:");
}

/// Drawn last, so the messages lie over everything.
void drawStateMessage(const Scene& scene, const Game& game) {
    if (game.gameState == GameOver) {
        // Scaled before placing, so each line grows and shrinks about the view's centre.
        const float first = gameOverPulse(game.gameOverTime);
        glPushMatrix();
        glScalef(first, first, first);
        drawText(scene.font, -1.0f, 0.2f, 0.0f, 0.2f, "Game Over!");
        glPopMatrix();

        char text[hudTextSize];
        formatFinalScore(text, game.score);
        const float second = gameOverPulse(game.gameOverTime + 32.0f);
        glPushMatrix();
        glScalef(second, second, second);
        drawText(scene.font, -1.2f, -0.2f, 0.0f, messageSize, text);
        glPopMatrix();
    } else if (game.gameState == ConfirmQuit) {
        drawText(scene.font, -1.2f, 0.2f, 0.0f, messageSize, "Quit game? (Y/N)");
    } else if (game.gameState == Paused) {
        drawText(scene.font, -1.2f, 0.2f, 0.0f, messageSize, " Game is paused ");
    }
}

} // namespace

void drawFrame(Scene& scene, const Game& game, float framesPerSecond) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    if (scene.settings.backgroundPicture != 0) {
        drawWall(scene);
    }
    if (scene.settings.gameMode != 0) {
        swingTransform(scene, game);
    }
    glTranslatef(-0.3f, 0.0f, 0.0f);
    glDisable(GL_TEXTURE_2D);
    drawPlayfield(scene, game);
    glPopMatrix();
    drawPreview(scene, game);
    drawHud(scene, game, framesPerSecond);

    // Takes effect from the next frame on; the first is lit from the set-up direction.
    const GLfloat lightDirection[4] = {-0.5f, 0.5f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightDirection);

    // The pieces above used the clocks from before this step.
    scene.swingClock = advanceWrapped(scene.swingClock, game.frameTime, swingCycle);
    scene.previewSpin = advanceWrapped(scene.previewSpin, game.frameTime * 0.5f, 360.0f);

    drawStateMessage(scene, game);
}

} // namespace crv
