// crvsim's engine: plays one headless game from a script and prints the rules' state.
#include "tools/simulator.h"

#include "data/assets.h"
#include "game/rules/controls.h"
#include "game/rules/game.h"
#include "game/rules/playfield_text.h"
#include "game/rules/start.h"
#include "game/rules/turn.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

namespace crv {

namespace {

/// The platform as a script sees it: keys held between `down` and `up`, effects recorded.
class ScriptEffects final : public GameEffects {
  public:
    bool isKeyHeld(int virtualKey) override {
        return virtualKey >= 0 && virtualKey < keyLimit && held[virtualKey];
    }
    void playSound(SoundCue cue) override { events.emplace_back(soundCueFiles[cue]); }
    void destroyWindow() override { events.emplace_back("DESTROY"); }

    static constexpr int keyLimit = 256;
    bool held[keyLimit] = {};
    std::vector<std::string> events;
};

bool parseInteger(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

bool parseFloat(const std::string& text, float& value) {
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const float parsed = std::strtof(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

std::string formatFloat(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

} // namespace

void dumpState(const Game& game, std::vector<std::string>& events, std::ostream& out) {
    const FallingPiece& piece = game.fallingPiece;
    out << "state " << game.gameState << " saved " << game.savedState << " score "
        << formatFloat(game.score) << " best " << formatFloat(game.bestScore) << " mult "
        << formatFloat(game.scoreMultiplier) << '\n';
    out << "removal " << formatFloat(game.removalProgress) << " whoosh " << game.whooshPending
        << " gameover " << formatFloat(game.gameOverTime) << '\n';
    out << "piece " << piece.column << ' ' << piece.row << " colors " << piece.colors[0] << ' '
        << piece.colors[1] << ' ' << piece.colors[2] << ' ' << piece.colors[3] << " inplay "
        << piece.inPlay << " last " << piece.lastColumn << ' ' << piece.lastRow << '\n';
    out << "clocks " << formatFloat(piece.fallProgress) << ' ' << formatFloat(piece.slideProgress)
        << ' ' << formatFloat(piece.turnProgress) << " flags " << piece.slidingLeft << ' '
        << piece.slidingRight << ' ' << piece.turning << '\n';
    out << "next " << game.nextPiece[0] << ' ' << game.nextPiece[1] << ' ' << game.nextPiece[2]
        << ' ' << game.nextPiece[3] << '\n';
    out << "swing " << formatFloat(game.swingAmplitude[0]) << ' '
        << formatFloat(game.swingAmplitude[1]) << ' ' << formatFloat(game.swingAmplitude[2])
        << '\n';
    out << "keys " << game.keyDown[KeyLeft] << ' ' << game.keyDown[KeyUp] << ' '
        << game.keyDown[KeyRight] << ' ' << game.keyDown[KeyDown] << " fps " << game.showFps
        << " sound " << game.soundOn << '\n';
    out << "events";
    for (const std::string& event : events) {
        out << ' ' << event;
    }
    out << '\n';
    events.clear();
    for (int row = 0; row < rowCount; ++row) {
        out << playfieldRowText(game, row) << '\n';
    }
    out << "end\n";
}

namespace {

/// One script run: the game, its platform and whether the first turn has been taken.
struct Simulation {
    Game game;
    ScriptEffects effects;
    bool firstTurnTaken = false;
};

/// Carries out one command line; false with a message when the line is not a valid command.
bool runCommand(Simulation& sim, const std::vector<std::string>& words, std::ostream& out,
                std::string& error) {
    Game& game = sim.game;
    const std::string& command = words[0];
    const std::size_t argumentCount = words.size() - 1;
    long long a = 0, b = 0, c = 0;

    if (command == "down" || command == "up") {
        if (argumentCount != 1 || !parseInteger(words[1], 0, ScriptEffects::keyLimit - 1, a)) {
            error = command + " takes one virtual-key code 0..255";
            return false;
        }
        sim.effects.held[a] = command == "down";
        if (command == "down") {
            handleGameKey(game, static_cast<int>(a));
        }
        return true;
    }
    if (command == "turn") {
        long long count = 1;
        float frameTime = 1.0f;
        if (argumentCount > 2 ||
            (argumentCount >= 1 && !parseInteger(words[1], 0, INT32_MAX, count)) ||
            (argumentCount == 2 && (!parseFloat(words[2], frameTime) || frameTime < 0.0f))) {
            error = "turn takes an optional count and an optional frame time of 0 or more";
            return false;
        }
        for (long long i = 0; i < count; ++i) {
            // The loop's first measurement is exactly 1, whatever the counter says.
            finishTurn(game, sim.firstTurnTaken ? frameTime : 1.0f);
            sim.firstTurnTaken = true;
        }
        return true;
    }
    if (command == "set") {
        if (argumentCount != 3 || !parseInteger(words[1], 0, columnCount - 1, a) ||
            !parseInteger(words[2], 0, rowCount - 1, b) || !parseInteger(words[3], -6, 6, c)) {
            error = "set takes a column 0..9, a row 0..17 and a value -6..6";
            return false;
        }
        game.playfield.at(static_cast<int>(a), static_cast<int>(b)) = static_cast<std::int32_t>(c);
        return true;
    }
    if (command == "next") {
        long long colors[4];
        bool valid = argumentCount == 4;
        for (std::size_t i = 0; valid && i < 4; ++i) {
            valid = parseInteger(words[i + 1], 1, colorCount, colors[i]);
        }
        if (!valid) {
            error = "next takes four colours 1..6";
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            game.nextPiece[i] = static_cast<std::int32_t>(colors[i]);
        }
        return true;
    }
    if (command == "dump") {
        if (argumentCount != 0) {
            error = "dump takes no arguments";
            return false;
        }
        dumpState(game, sim.effects.events, out);
        return true;
    }
    error = "unknown command '" + command + "'";
    return false;
}

} // namespace

bool parseSimArguments(int argc, const char* const* argv, SimOptions& options, std::string& error) {
    std::string scriptFlag; // the last option that belongs to a script's game
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--help" || flag == "--version") {
            error = flag + " takes no other arguments"; // crvsim's main answers it alone
            return false;
        }
        if (i + 1 >= argc) {
            error = flag + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        long long number = 0;
        if (flag == "--seed" && parseInteger(value, 0, UINT32_MAX, number)) {
            options.seed = static_cast<std::uint32_t>(number);
            scriptFlag = flag;
        } else if (flag == "--best" && parseFloat(value, options.best)) {
            scriptFlag = flag;
        } else if (flag == "--sound" && parseInteger(value, 0, 1, number)) {
            options.sound = static_cast<int>(number);
            scriptFlag = flag;
        } else if (flag == "--replay") {
            if (options.replay) {
                error = "--replay takes one file";
                return false;
            }
            options.replay = true;
            options.replayFile = value;
        } else if (flag == "--turns") {
            // Digits only: strtoll would also take blanks and a sign in front.
            if (value.find_first_not_of("0123456789") != std::string::npos ||
                !parseInteger(value, 1, UINT32_MAX, number)) {
                error = "--turns takes a whole number of turns from 1, not '" + value + "'";
                return false;
            }
            options.blockEvery = static_cast<std::uint32_t>(number);
        } else {
            error = "bad option " + flag + " " + value;
            return false;
        }
    }
    if (options.replay && !scriptFlag.empty()) {
        error = scriptFlag + " does not go with --replay: the replay holds its game's start";
        return false;
    }
    if (options.blockEvery != 0 && !options.replay) {
        error = "--turns goes only with --replay";
        return false;
    }
    return true;
}

int runSimulation(const SimOptions& options, std::istream& script, std::ostream& out,
                  std::ostream& err) {
    Simulation sim;
    Game& game = sim.game;
    game.effects = &sim.effects;

    startGame(game, {options.best, options.sound, options.seed});

    std::string line;
    for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::istringstream words(line);
        std::vector<std::string> tokens;
        for (std::string word; words >> word;) {
            tokens.push_back(word);
        }
        if (tokens.empty() || tokens[0][0] == '#') {
            continue;
        }
        std::string error;
        if (!runCommand(sim, tokens, out, error)) {
            out.flush();
            err << "crvsim: line " << lineNumber << ": " << error << '\n';
            return 2;
        }
    }
    return 0;
}

} // namespace crv
