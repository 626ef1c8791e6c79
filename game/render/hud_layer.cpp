// The texts over the picture: frame rate, score column, and the message of a paused, quitting
// or lost game.
#include "game/render/hud_layer.h"

#include "game/render/font.h"
#include "game/render/hud_text.h"
#include "game/render/motion.h"
#include "game/render/scene.h"

#include <GL/gl.h>

namespace crv {

namespace {

constexpr float hudSize = 0.1f;
constexpr float messageSize = 0.15f;
constexpr float gameOverSize = 0.2f;
// The second line of the game-over message pulses a quarter period ahead of the first.
constexpr float finalScorePulseLead = 32.0f;

} // namespace

void drawHud(const Scene& scene, const Game& game, float framesPerSecond) {
    char text[hudTextSize];
    if (game.showFps != 0) {
        formatRate(text, framesPerSecond);
        drawText(scene.font, -2.334425f, 1.75f, 0.0f, hudSize, text);
    }
    const HudColumn column = hudColumn(scene.screenWidth);
    drawText(scene.font, column.labelX, 1.15f, 0.0f, hudSize, "     Score:");
    formatScoreField(text, game.score);
    drawText(scene.font, column.valueX, 1.05f, 0.0f, hudSize, text);
    drawText(scene.font, column.valueX, 0.75f, 0.0f, hudSize, "  Hi-Score:");
    formatScoreField(text, game.bestScore);
    drawText(scene.font, column.valueX, 0.65f, 0.0f, hudSize, text);
    drawText(scene.font, column.valueX, 0.35f, 0.0f, hudSize, "Next Piece:");
}

void drawStateMessage(const Scene& scene, const Game& game) {
    if (game.gameState == GameOver) {
        // Scaled before placing, so each line grows and shrinks about the view's centre.
        const float first = gameOverPulse(game.gameOverTime);
        glPushMatrix();
        glScalef(first, first, first);
        drawText(scene.font, -1.0f, 0.2f, 0.0f, gameOverSize, "Game Over!");
        glPopMatrix();

        char text[hudTextSize];
        formatFinalScore(text, game.score);
        const float second = gameOverPulse(game.gameOverTime + finalScorePulseLead);
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

} // namespace crv
