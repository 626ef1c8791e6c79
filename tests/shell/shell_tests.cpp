// The game program's shell in-process: offscreen video, disk audio, real SDL events.
#include "common/scramble.h"
#include "game/rules/game.h"
#include "game/shell/key_map.h"
#include "game/shell/live_game.h"
#include "game/shell/sound_cues.h"
#include "key_events.h"
#include "replay_fixture.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

/// Each test runs the shell in a fresh working directory with a fake front end that
/// records the arguments it was started with.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        char pattern[] = "/tmp/crvshell-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        ASSERT_EQ(getcwd(previousDirectory, sizeof previousDirectory), previousDirectory);
        ASSERT_EQ(chdir(directory.c_str()), 0);
        std::ofstream script("corvanth");
        script << "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > args.tmp && mv args.tmp args.txt\n";
        script.close();
        chmod("corvanth", 0755);
        shell = std::make_unique<crv::LiveGame>();
        shell->frontEndDirectory = directory + "/";
        // A sixtieth of a second each turn, however fast the turns run.
        clock.step = crv::testing::ticksPerSixtieth;
        shell->window.clock = clock.gameClock();
    }

    void TearDown() override {
        crv::stopGameWindow(shell->window);
        EXPECT_EQ(chdir(previousDirectory), 0);
        std::system(("rm -rf " + directory).c_str());
    }

    void writeFile(const char* name, const std::string& content) {
        std::ofstream file(name);
        file << content;
    }

    void pushKey(SDL_Keycode symbol) { crv::testing::pushKeyDown(shell->window.sdlWindow, symbol); }

    /// Runs loop turns until the loop ends or the time runs out; false on time-out.
    bool runUntilEnd(double seconds) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (crv::runWindowTurn(shell->window, *shell)) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
        }
        return true;
    }

    /// The arguments the fake front end recorded, one a line, or "" if it never ran.
    std::string handBack() {
        for (int i = 0; i < 200; ++i) {
            std::ifstream file("args.txt");
            if (file) {
                std::ostringstream text;
                text << file.rdbuf();
                return text.str();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        return "";
    }

    /// What the fake front end records for a hand-back of this mode and plain score.
    std::string expectedHandBack(int mode, std::int32_t score) {
        return directory + "/corvanth\n" + std::to_string(mode) + "\n" +
               std::to_string(crv::encodeScore(score, crv::gameResultPair)) + "\n";
    }

    std::string directory;
    char previousDirectory[4096] = {};
    std::unique_ptr<crv::LiveGame> shell;
    crv::testing::TestClock clock;
};

TEST_F(ShellTest, EscapeThenYHandsBackTheTruncatedScore) {
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    EXPECT_EQ(shell->game.bestScore, 10000.0f); // no score file: the fresh table's top row
    for (int i = 0; i < 10; ++i) {
        crv::runWindowTurn(shell->window, *shell);
    }
    shell->game.score = 1234.9f;
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    SDL_PushEvent(&click);
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_y);
    ASSERT_TRUE(runUntilEnd(5.0));
    EXPECT_EQ(shell->game.gameState, crv::Closed);
    EXPECT_EQ(shell->window.sdlWindow, nullptr);
    EXPECT_EQ(handBack(), expectedHandBack(1, 1234));
}

TEST_F(ShellTest, AKeyBehindAFloodOfPointerEventsActsWithinTwoTurns) {
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    crv::runWindowTurn(shell->window, *shell);
    // Moves, wheel turns and clicks a fast mouse sends over a few seconds, then Escape.
    for (int i = 0; i < 6000; ++i) {
        SDL_Event event{};
        event.type = i % 3 == 0 ? SDL_MOUSEMOTION : i % 3 == 1 ? SDL_MOUSEWHEEL : SDL_MOUSEBUTTONUP;
        event.motion.windowID = SDL_GetWindowID(shell->window.sdlWindow);
        event.motion.x = i % 640;
        SDL_PushEvent(&event);
    }
    pushKey(SDLK_ESCAPE);
    int turns = 0;
    while (shell->game.gameState != crv::ConfirmQuit && turns < 2) {
        ASSERT_TRUE(crv::runWindowTurn(shell->window, *shell));
        ++turns;
    }
    EXPECT_EQ(shell->game.gameState, crv::ConfirmQuit) << "after " << turns << " turns";
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

TEST_F(ShellTest, ClosingTheWindowHandsBackTheScoreSoFarInItsMode) {
    writeFile("corvanth.cfg", "0 1 0 0 1 1 0 6 0 0"); // static playfield, 640 x 480, no sound
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(shell->window.sdlWindow, &width, &height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_EQ(shell->game.soundOn, 0);
    crv::runWindowTurn(shell->window, *shell);
    shell->game.score = 77.0f;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    ASSERT_TRUE(runUntilEnd(5.0));
    EXPECT_EQ(handBack(), expectedHandBack(0, 77));
}

TEST_F(ShellTest, AGameOverEndsTheGameByItselfAndPlaysItsCue) {
    ASSERT_TRUE(crv::startGameWindow(shell->window, *shell));
    crv::runWindowTurn(shell->window, *shell);
    // Fill the two entry columns without a group, so the next spawn is blocked.
    crv::Game& game = shell->game;
    for (int row = 2; row < crv::rowCount; ++row) {
        game.playfield.at(4, row) = 1 + row % 2;
        game.playfield.at(5, row) = 3 + row % 2;
    }
    game.fallingPiece.inPlay = 0;
    game.score = 42.0f;
    ASSERT_TRUE(runUntilEnd(15.0)) << "the game-over display should end after 256 sixtieths";
    EXPECT_GT(shell->game.gameOverTime, 256.0f);
    EXPECT_LT(shell->game.gameOverTime, 258.0f);
    EXPECT_EQ(handBack(), expectedHandBack(1, 42));
    struct stat audio {};
    EXPECT_EQ(stat("sdlaudio.raw", &audio), 0);
    EXPECT_GT(audio.st_size, 0);
}

TEST_F(ShellTest, WithoutCueFilesEveryCueIsTheBeepInTheDevicesOwnFormat) {
    crv::SoundCues cues;
    ASSERT_TRUE(crv::openSoundCues(cues)); // the disk driver stands in for a device
    for (const Mix_Chunk* chunk : cues.chunks) {
        EXPECT_EQ(chunk, nullptr);
    }
    ASSERT_NE(cues.beep, nullptr);
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    // 1/8 s at the device's rate, whatever rate and layout the beep was made in.
    const int frameBytes = channels * SDL_AUDIO_BITSIZE(format) / 8;
    EXPECT_NEAR(static_cast<double>(cues.beep->alen) / frameBytes, frequency / 8.0, 8.0);
    if (format == AUDIO_S16SYS) {
        // Audible, unclipped and fading: the first quarter louder than the last.
        const auto* samples = reinterpret_cast<const std::int16_t*>(cues.beep->abuf);
        const int count = static_cast<int>(cues.beep->alen / 2);
        int firstPeak = 0;
        int lastPeak = 0;
        for (int i = 0; i < count; ++i) {
            const int level = std::abs(static_cast<int>(samples[i]));
            if (i < count / 4) {
                firstPeak = std::max(firstPeak, level);
            } else if (i >= count * 3 / 4) {
                lastPeak = std::max(lastPeak, level);
            }
        }
        EXPECT_GT(firstPeak, 3000);
        EXPECT_LT(firstPeak, 7000);
        EXPECT_LT(lastPeak, firstPeak / 2);
    }
    crv::playCue(cues, crv::FallCue);
    EXPECT_EQ(Mix_GetChunk(0), cues.beep);
    crv::closeSoundCues(cues);
}

SDL_Keysym keyOf(SDL_Keycode symbol, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE) {
    SDL_Keysym key{};
    key.sym = symbol;
    key.scancode = scancode;
    key.mod = modifiers;
    return key;
}

TEST(KeyMapTest, KeysCountAsWindowsReportsThem) {
    const struct {
        const char* what;
        SDL_Keysym key;
        int code;
    } cases[] = {
        {"Escape", keyOf(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), 27},
        {"Left", keyOf(SDLK_LEFT, SDL_SCANCODE_LEFT), 37},
        {"Up", keyOf(SDLK_UP, SDL_SCANCODE_UP), 38},
        {"Right", keyOf(SDLK_RIGHT, SDL_SCANCODE_RIGHT), 39},
        {"Down", keyOf(SDLK_DOWN, SDL_SCANCODE_DOWN), 40},
        {"US f", keyOf(SDLK_f, SDL_SCANCODE_F), 70},
        {"US n", keyOf(SDLK_n, SDL_SCANCODE_N), 78},
        {"US p", keyOf(SDLK_p, SDL_SCANCODE_P), 80},
        {"US s", keyOf(SDLK_s, SDL_SCANCODE_S), 83},
        {"US y", keyOf(SDLK_y, SDL_SCANCODE_Y), 89},
        {"Shift+p", keyOf(SDLK_p, SDL_SCANCODE_P, KMOD_LSHIFT), 80},
        {"Caps Lock p", keyOf(SDLK_p, SDL_SCANCODE_P, KMOD_CAPS), 80},
        // German: y and z swap places; the letter counts, not the place.
        {"German y on US z", keyOf(SDLK_y, SDL_SCANCODE_Z), 89},
        {"German z on US y", keyOf(SDLK_z, SDL_SCANCODE_Y), -1},
        // French: a on US q, and a comma where US has m.
        {"French a on US q", keyOf(SDLK_a, SDL_SCANCODE_Q), -1},
        {"a comma on US s", keyOf(SDLK_COMMA, SDL_SCANCODE_S), -1},
        // Russian and Greek letters count as the US letter at their place.
        {"Russian ze on US p", keyOf(0x0437, SDL_SCANCODE_P), 80},
        {"Russian en on US y", keyOf(0x043D, SDL_SCANCODE_Y), 89},
        {"Russian te on US n", keyOf(0x0442, SDL_SCANCODE_N), 78},
        {"Russian yery on US s", keyOf(0x044B, SDL_SCANCODE_S), 83},
        {"Russian a on US f", keyOf(0x0430, SDL_SCANCODE_F), 70},
        {"Russian shift+ze", keyOf(0x0437, SDL_SCANCODE_P, KMOD_RSHIFT | KMOD_CAPS), 80},
        {"Greek pi on US p", keyOf(0x03C0, SDL_SCANCODE_P), 80},
        {"Russian kha on US [", keyOf(0x0445, SDL_SCANCODE_LEFTBRACKET), -1},
        // The keypad's arrows while NumLock is off; its digits while it is on.
        {"keypad 4", keyOf(SDLK_KP_4, SDL_SCANCODE_KP_4), 37},
        {"keypad 8", keyOf(SDLK_KP_8, SDL_SCANCODE_KP_8), 38},
        {"keypad 6", keyOf(SDLK_KP_6, SDL_SCANCODE_KP_6), 39},
        {"keypad 2", keyOf(SDLK_KP_2, SDL_SCANCODE_KP_2), 40},
        {"keypad 4, NumLock", keyOf(SDLK_KP_4, SDL_SCANCODE_KP_4, KMOD_NUM), -1},
        {"keypad 2, NumLock", keyOf(SDLK_KP_2, SDL_SCANCODE_KP_2, KMOD_NUM), -1},
        {"keypad 5", keyOf(SDLK_KP_5, SDL_SCANCODE_KP_5), -1},
        {"US a", keyOf(SDLK_a, SDL_SCANCODE_A), -1},
        {"space", keyOf(SDLK_SPACE, SDL_SCANCODE_SPACE), -1},
        {"Return", keyOf(SDLK_RETURN, SDL_SCANCODE_RETURN), -1},
        {"F11", keyOf(SDLK_F11, SDL_SCANCODE_F11), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(crv::virtualKeyFor(c.key), c.code) << c.what;
    }
}

TEST(KeyMapTest, HeldArrowsIncludeTheKeypadWhileNumLockIsOff) {
    Uint8 state[SDL_NUM_SCANCODES] = {};
    EXPECT_FALSE(crv::isArrowHeld(state, KMOD_NONE, crv::KeyDown));
    state[SDL_SCANCODE_DOWN] = 1;
    EXPECT_TRUE(crv::isArrowHeld(state, KMOD_NUM, crv::KeyDown));
    state[SDL_SCANCODE_DOWN] = 0;
    state[SDL_SCANCODE_KP_4] = 1;
    EXPECT_TRUE(crv::isArrowHeld(state, KMOD_NONE, crv::KeyLeft));
    EXPECT_FALSE(crv::isArrowHeld(state, KMOD_NUM, crv::KeyLeft));
    EXPECT_FALSE(crv::isArrowHeld(state, KMOD_NONE, crv::KeyRight));
    state[SDL_SCANCODE_P] = 1;
    EXPECT_FALSE(crv::isArrowHeld(state, KMOD_NONE, crv::KeyP)); // only arrows are polled
}

TEST(KeyMapTest, F11AndAltEnterSwitchFullScreen) {
    EXPECT_TRUE(crv::isFullscreenToggle(keyOf(SDLK_F11, SDL_SCANCODE_F11)));
    EXPECT_TRUE(crv::isFullscreenToggle(keyOf(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT)));
    EXPECT_TRUE(crv::isFullscreenToggle(keyOf(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, KMOD_RALT)));
    EXPECT_FALSE(crv::isFullscreenToggle(keyOf(SDLK_RETURN, SDL_SCANCODE_RETURN)));
    EXPECT_FALSE(crv::isFullscreenToggle(keyOf(SDLK_f, SDL_SCANCODE_F, KMOD_LALT)));
}

} // namespace
