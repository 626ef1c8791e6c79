// A fresh game per test with effects that record what the rules asked of the platform.
#pragma once

#include "game/rules/controls.h"
#include "game/rules/game.h"
#include "game/rules/landing.h"
#include "game/rules/random.h"
#include "game/rules/tick.h"
#include "game/rules/turn.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

class RecordingEffects final : public crv::GameEffects {
  public:
    bool isKeyHeld(int virtualKey) override { return held[virtualKey]; }
    void playSound(crv::SoundCue cue) override { sounds.push_back(cue); }
    void destroyWindow() override { ++destroyCount; }

    bool held[256] = {};
    std::vector<crv::SoundCue> sounds;
    int destroyCount = 0;
};

class RulesTest : public ::testing::Test {
  protected:
    RulesTest() { restart(); }

    /// A new game with sound on and nothing recorded, for table tests that run several.
    void restart() {
        game = crv::Game{};
        effects = RecordingEffects{};
        game.effects = &effects;
        game.soundOn = 1;
        resetGame(game);
    }

    /// One loop turn as the game program ends it: poll, then tick.
    void turn(float frameTime = 1.0f) { crv::finishTurn(game, frameTime); }

    void turns(int count, float frameTime = 1.0f) {
        for (int i = 0; i < count; ++i) {
            turn(frameTime);
        }
    }

    /// A key pressed and released between two polls.
    void tap(int virtualKey) { crv::handleGameKey(game, virtualKey); }

    void press(int virtualKey) {
        effects.held[virtualKey] = true;
        crv::handleGameKey(game, virtualKey);
    }

    void release(int virtualKey) { effects.held[virtualKey] = false; }

    /// Fills the bottom rows of the grid from text, top line first: '.' empty, '1'..'6'.
    void setBottomRows(std::initializer_list<const char*> lines) {
        int row = crv::rowCount - static_cast<int>(lines.size());
        for (const char* line : lines) {
            for (int column = 0; column < crv::columnCount; ++column) {
                game.playfield.at(column, row) = line[column] == '.' ? 0 : line[column] - '0';
            }
            ++row;
        }
    }

    /// The grid as text, row 0 first: '.' empty, '1'..'6' a colour, 'A'..'F' marked.
    std::string gridText() const {
        std::string text;
        for (int row = 0; row < crv::rowCount; ++row) {
            for (int column = 0; column < crv::columnCount; ++column) {
                const int cell = game.playfield.at(column, row);
                text += cell == 0 ? '.' : cell > 0 ? char('0' + cell) : char('A' - 1 - cell);
            }
            text += '\n';
        }
        return text;
    }

    /// Runs turns until the state leaves `state` or the limit is reached; returns the count.
    int turnsWhile(int state, int limit = 10000) {
        int count = 0;
        while (game.gameState == state && count < limit) {
            turn();
            ++count;
        }
        return count;
    }

    crv::Game game;
    RecordingEffects effects;
};
