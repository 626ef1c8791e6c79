// Replays through the shell: games played with keys and pads on a varying clock, written at
// their end, and watched again to the same state; the watching's pace, pause and keys.
#include "pad_fixture.h"
#include "replay_fixture.h"

#include "common/game_result.h"
#include "common/replay.h"
#include "common/replay_files.h"
#include "game/rules/game.h"
#include "game/rules/start.h"
#include "game/rules/turn.h"
#include "game/shell/live_game.h"
#include "game/shell/watch_replay.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <thread>

namespace {

using crv::testing::PadTest;
using crv::testing::ticksPerSixtieth;

template <class T> bool sameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

/// Every part of the game that the rules own, bit for bit.
void expectSameGame(const crv::Game& watched, const crv::Game& played, const std::string& what) {
    EXPECT_TRUE(sameBits(watched.playfield, played.playfield)) << what;
    EXPECT_TRUE(sameBits(watched.fallingPiece, played.fallingPiece)) << what;
    EXPECT_TRUE(sameBits(watched.nextPiece, played.nextPiece)) << what;
    EXPECT_TRUE(sameBits(watched.score, played.score)) << what << ": " << watched.score;
    EXPECT_TRUE(sameBits(watched.bestScore, played.bestScore)) << what;
    EXPECT_TRUE(sameBits(watched.scoreMultiplier, played.scoreMultiplier)) << what;
    EXPECT_TRUE(sameBits(watched.swingAmplitude, played.swingAmplitude)) << what;
    EXPECT_EQ(watched.gameState, played.gameState) << what;
    EXPECT_EQ(watched.savedState, played.savedState) << what;
    EXPECT_TRUE(sameBits(watched.removalProgress, played.removalProgress)) << what;
    EXPECT_EQ(watched.whooshPending, played.whooshPending) << what;
    EXPECT_TRUE(sameBits(watched.gameOverTime, played.gameOverTime)) << what;
    EXPECT_TRUE(sameBits(watched.keyDown, played.keyDown)) << what;
    EXPECT_EQ(watched.showFps, played.showFps) << what;
    EXPECT_EQ(watched.soundOn, played.soundOn) << what;
    EXPECT_TRUE(sameBits(watched.frameTime, played.frameTime)) << what;
    EXPECT_EQ(watched.random.next, played.random.next) << what;
}

std::string fileText(const char* name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// The working directory's files, but the sound SDL's disk driver writes for every run.
std::set<std::string> fileNames() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        names.insert(entry.path().filename().string());
    }
    names.erase("sdlaudio.raw");
    return names;
}

class ReplayTest : public PadTest {
  protected:
    void pushQuit() {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }

    void TearDown() override {
        if (watch) {
            crv::stopGameWindow(watch->window);
        }
        PadTest::TearDown();
    }

    /// The live game's window gone, as at the end of its run, and `watch` started on a clock
    /// that moves this far at each reading, as a new run of the program watches.
    void startWatching(std::uint64_t clockStep) {
        crv::stopGameWindow(shell->window);
        clock = {};
        clock.step = clockStep;
        watch->window.clock = clock.gameClock();
        ASSERT_TRUE(crv::startGameWindow(watch->window, *watch));
    }

    /// A new watch, as a new run of the program has; the one before stopped.
    void newWatch() {
        if (watch) {
            crv::stopGameWindow(watch->window);
        }
        watch = std::make_unique<crv::Watch>();
    }

    bool watchTurn() { return crv::runWindowTurn(watch->window, *watch); }

    /// Watches until the turns run out or the watching ends; false if it took too long.
    bool watchToTheEnd() {
        for (int turn = 0; turn < 100000; ++turn) {
            if (!watchTurn() || !watch->nextWaiting) {
                return true;
            }
        }
        return false;
    }

    void pushWatchKey(SDL_Keycode symbol) {
        crv::testing::pushKeyDown(watch->window.sdlWindow, symbol);
    }

    std::unique_ptr<crv::Watch> watch;
};

enum class Ending { ByItself, QuitFromThePad, WindowClosed };

TEST_F(ReplayTest, PlayedGamesWatchedAgainEndInTheSameState) {
    const struct {
        const char* name;
        Ending ending;
    } cases[] = {
        {"game over", Ending::ByItself},
        {"Back, then A", Ending::QuitFromThePad},
        {"window closed", Ending::WindowClosed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell = std::make_unique<crv::LiveGame>();
        shell->frontEndDirectory = dir.string() + "/";
        std::remove("lastgame.crr");
        std::remove("started");
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        SDL_Joystick* pad = plugPad();
        clock = {};
        clock.varied = true;
        shell->window.clock = clock.gameClock();
        ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));

        // Keys and pad presses now and then, the pad's down held from turn 20: the stack grows
        // in the middle until the entry is blocked.
        bool goesOn = true;
        for (int turn = 0; goesOn && turn < 6000; ++turn) {
            if (turn < 400 && turn % 53 == 0) {
                pushKey(turn % 2 == 0 ? SDLK_LEFT : SDLK_RIGHT);
            }
            if (turn % 41 == 0) {
                pushKey(SDLK_UP);
            }
            if (turn < 400 && turn % 37 == 0) {
                tap(pad, turn % 2 == 0 ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT
                                       : SDL_CONTROLLER_BUTTON_DPAD_LEFT);
            }
            if (turn < 400 && turn % 97 == 0) {
                flick(pad, SDL_CONTROLLER_AXIS_LEFTX, -26000);
            }
            if (turn == 20) {
                SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1);
            }
            const SDL_Keycode keyAt[][2] = {
                {150, SDLK_p}, {160, SDLK_p}, {170, SDLK_f}, {180, SDLK_s}, {400, SDLK_s}};
            for (const auto& key : keyAt) {
                if (turn == key[0]) {
                    pushKey(key[1]);
                }
            }
            if (c.ending == Ending::QuitFromThePad && turn == 300) {
                tap(pad, SDL_CONTROLLER_BUTTON_BACK);
            }
            if (c.ending == Ending::QuitFromThePad && turn == 305) {
                tap(pad, SDL_CONTROLLER_BUTTON_A);
            }
            if (c.ending == Ending::WindowClosed && turn == 300) {
                pushQuit();
            }
            goesOn = crv::runWindowTurn(shell->window, *shell);
        }
        ASSERT_FALSE(goesOn) << "the game did not end";
        const crv::Game played = shell->game;
        EXPECT_EQ(played.gameState, c.ending == Ending::WindowClosed ? crv::Playing : crv::Closed);
        EXPECT_TRUE(handedBack());

        // What was recorded: the keys and the pad's held arrows among the turns.
        const std::string written = fileText("lastgame.crr");
        crv::ReplayRecord record;
        std::string error;
        ASSERT_TRUE(crv::decodeReplay(written, record, error)) << error;
        EXPECT_FALSE(record.cut);
        EXPECT_EQ(record.start.seed, 12345u); // the clock's first reading, at start
        EXPECT_EQ(record.finalScore, crv::handBackScore(played.score));
        int keys = 0;
        int heldTurns = 0;
        int stalls = 0;
        int zeroTurns = 0;
        std::size_t offset = 0;
        crv::ReplayTurn turn;
        while (crv::nextReplayTurn(record, offset, turn)) {
            keys += turn.keyCount;
            heldTurns += turn.held == crv::HeldDown ? 1 : 0;
            stalls += turn.frameTime == 90.0f ? 1 : 0;
            zeroTurns += turn.frameTime == 0.0f ? 1 : 0;
        }
        EXPECT_GT(keys, 10);
        EXPECT_GT(heldTurns, 100);
        EXPECT_GT(stalls, 0);
        EXPECT_GT(zeroTurns, 10);

        // Watched again, 50 sixtieths of the clock to each turn of watching.
        std::remove("started");
        const std::set<std::string> filesBefore = fileNames();
        newWatch();
        ASSERT_TRUE(crv::readReplayFile("lastgame.crr", watch->record, error)) << error;
        startWatching(50 * ticksPerSixtieth);
        ASSERT_TRUE(watchToTheEnd());
        if (c.ending == Ending::WindowClosed) {
            // No end was recorded: the last picture stays until the player ends it.
            ASSERT_NE(watch->window.sdlWindow, nullptr);
            ASSERT_TRUE(watchTurn());
            pushWatchKey(SDLK_ESCAPE);
            EXPECT_FALSE(watchTurn());
        }
        EXPECT_EQ(watch->window.sdlWindow, nullptr);
        EXPECT_EQ(watch->turnsPlayed, record.turnCount);
        expectSameGame(watch->game, played, c.name);
        EXPECT_EQ(crv::watchedStateText(watch->game), crv::watchedStateText(played));
        EXPECT_EQ(fileNames(), filesBefore) << "watching writes nothing";
        EXPECT_FALSE(std::filesystem::exists("started")) << "no front end started";
        EXPECT_EQ(fileText("lastgame.crr"), written);
        crv::stopGameWindow(watch->window);
    }
}

TEST_F(ReplayTest, ACutRecordLetsTheGameGoOnAndSaysSo) {
    const struct {
        const char* name;
        std::size_t capacity;
        int keysInOneTurn;
        std::uint32_t turnsKept;
    } cases[] = {
        {"a full buffer", 64, 0, 10}, // ten turns of six bytes each
        {"too many keys in a turn", crv::replayBytesReserved, crv::maxKeysPerTurn + 1, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell = std::make_unique<crv::LiveGame>();
        shell->frontEndDirectory = dir.string() + "/";
        shell->replayCapacity = c.capacity;
        std::remove("started");
        ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
        for (int turn = 0; turn < 30; ++turn) {
            ASSERT_TRUE(crv::runWindowTurn(shell->window, *shell));
        }
        for (int i = 0; i < c.keysInOneTurn; ++i) {
            pushKey(SDLK_s);
        }
        for (int turn = 0; turn < 30; ++turn) {
            ASSERT_TRUE(crv::runWindowTurn(shell->window, *shell));
        }
        EXPECT_EQ(shell->game.gameState, crv::Playing);
        EXPECT_EQ(shell->game.soundOn, c.keysInOneTurn % 2 == 0 ? 1 : 0) << "every key acted";
        pushKey(SDLK_ESCAPE);
        pushKey(SDLK_y);
        for (int turn = 0; turn < 10 && crv::runWindowTurn(shell->window, *shell); ++turn) {
        }
        EXPECT_EQ(shell->window.sdlWindow, nullptr);
        EXPECT_TRUE(handedBack());

        crv::ReplayRecord record;
        std::string error;
        ASSERT_TRUE(crv::decodeReplay(fileText("lastgame.crr"), record, error)) << error;
        EXPECT_TRUE(record.cut);
        EXPECT_EQ(record.turnCount, c.turnsKept);
        crv::stopGameWindow(shell->window);
    }
}

TEST_F(ReplayTest, AReplayThatCannotBeWrittenIsReportedAndTheHandBackGoesOn) {
    std::filesystem::create_directory("lastgame.crr");
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    for (int turn = 0; turn < 5; ++turn) {
        ASSERT_TRUE(crv::runWindowTurn(shell->window, *shell));
    }
    ::testing::internal::CaptureStderr();
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_y);
    for (int turn = 0; turn < 10 && crv::runWindowTurn(shell->window, *shell); ++turn) {
    }
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(shell->window.sdlWindow, nullptr);
    EXPECT_EQ(errors, "shell_tests: Could not save \"lastgame.crr\": Is a directory\n");
    EXPECT_TRUE(handedBack());
    EXPECT_TRUE(std::filesystem::is_directory("lastgame.crr"));
}

/// A replay of a few seconds: frame times of 0, of several sixtieths and a stall among them,
/// keys of the game and held arrows.
void recordSample(crv::ReplayRecord& record) {
    crv::reserveReplay(record, {777, 1, 0, 500.0f}, 4096);
    crv::testing::recordTurns(record, {{1.0f, 0, {}},
                                       {0.0f, 0, {crv::KeyLeft}},
                                       {0.0f, 0, {}},
                                       {2.0f, crv::HeldRight, {crv::KeyUp}},
                                       {0.5f, 0, {}},
                                       {120.0f, crv::HeldDown, {}},
                                       {1.0f, 0, {crv::KeyP}},
                                       {1.0f, 0, {crv::KeyP, crv::KeyF}}});
    crv::testing::recordTurns(record, {{1.0f, crv::HeldDown, {}}, {1.0f, 0, {crv::KeyUp}}}, 100);
}

TEST_F(ReplayTest, WatchingKeepsTheRecordedPaceAndItsPause) {
    newWatch();
    recordSample(watch->record);
    startWatching(0);
    // Real time since the start, in sixtieths, and the turns due by then: a turn is played once
    // the time of all turns up to it has passed, many at once when the picture lags behind.
    const struct {
        double time;
        std::uint32_t turns;
    } steps[] = {{0.5, 0},   {1.0, 3},   {2.5, 3},   {3.0, 4},    {3.5, 5},    {100.0, 5},
                 {123.0, 5}, {123.5, 6}, {125.5, 8}, {175.5, 58}, {175.75, 58}};
    for (const auto& step : steps) {
        clock.now = 12345 + static_cast<std::uint64_t>(step.time * ticksPerSixtieth);
        ASSERT_TRUE(watchTurn());
        EXPECT_EQ(watch->turnsPlayed, step.turns) << "at " << step.time;
    }
    EXPECT_EQ(watch->shown.gameState, crv::Playing);
    EXPECT_FLOAT_EQ(watch->window.framesPerSecond, 1.2f)
        << "the last two pictures 50 sixtieths apart";

    // Paused, the game stands still however long, and the pause picture shows; going on, the
    // time paused is not owed.
    const crv::Game before = watch->game;
    pushWatchKey(SDLK_p);
    clock.now += 1000 * ticksPerSixtieth;
    ASSERT_TRUE(watchTurn());
    clock.now += 1000 * ticksPerSixtieth;
    ASSERT_TRUE(watchTurn());
    EXPECT_EQ(watch->turnsPlayed, 58u);
    EXPECT_EQ(watch->shown.gameState, crv::Paused);
    expectSameGame(watch->game, before, "paused");
    pushWatchKey(SDLK_p);
    ASSERT_TRUE(watchTurn());
    clock.now += ticksPerSixtieth;
    ASSERT_TRUE(watchTurn());
    EXPECT_EQ(watch->turnsPlayed, 59u);
    EXPECT_EQ(watch->shown.gameState, crv::Playing);
}

TEST_F(ReplayTest, WatchingTakesNoGameKeysAndEndsWithoutAHandBack) {
    // The sample played by the rules alone.
    crv::ReplayRecord record;
    recordSample(record);
    crv::Game expected;
    crv::WatchEffects effects;
    expected.effects = &effects;
    crv::startGame(expected, {500.0f, 0, 777});
    std::size_t offset = 0;
    crv::ReplayTurn turn;
    while (crv::nextReplayTurn(record, offset, turn)) {
        effects.held = turn.held;
        crv::playTurn(expected, turn.keys, turn.keyCount, turn.frameTime);
    }

    const struct {
        const char* name;
        bool byClosing; // else Escape
    } enders[] = {{"Escape", false}, {"a close", true}};
    for (const auto& ender : enders) {
        SCOPED_TRACE(ender.name);
        std::remove("started");
        const std::set<std::string> filesBefore = fileNames();
        newWatch();
        recordSample(watch->record);
        startWatching(3 * ticksPerSixtieth);
        // The game's keys between the turns, and F twice.
        const SDL_Keycode gameKeys[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN,
                                        SDLK_s,    SDLK_y,     SDLK_n};
        for (int i = 0; watch->nextWaiting && i < 1000; ++i) {
            pushWatchKey(i == 5 || i == 9 ? SDLK_f : gameKeys[i % 7]);
            ASSERT_TRUE(watchTurn());
        }
        EXPECT_FALSE(watch->nextWaiting);
        expectSameGame(watch->game, expected, ender.name);
        EXPECT_EQ(watch->game.showFps, 1) << "the recorded F";
        EXPECT_EQ(watch->shown.showFps, 0) << "the viewer's F, twice";

        ender.byClosing ? pushQuit() : pushWatchKey(SDLK_ESCAPE);
        EXPECT_FALSE(watchTurn());
        EXPECT_EQ(watch->window.sdlWindow, nullptr);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(std::filesystem::exists("started")) << "no front end started";
        EXPECT_EQ(fileNames(), filesBefore);
    }
}

} // namespace
