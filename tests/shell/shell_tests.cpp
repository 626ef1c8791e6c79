// The game program's shell in-process: offscreen video, disk audio, real SDL events.
#include "common/scramble.h"
#include "game/rules/game.h"
#include "game/shell/game_shell.h"
#include "game/shell/key_map.h"
#include "game/shell/sound_cues.h"

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
        shell = std::make_unique<crv::Shell>();
        shell->frontEndDirectory = directory + "/";
    }

    void TearDown() override {
        crv::stopShell(*shell);
        EXPECT_EQ(chdir(previousDirectory), 0);
        std::system(("rm -rf " + directory).c_str());
    }

    void writeFile(const char* name, const std::string& content) {
        std::ofstream file(name);
        file << content;
    }

    void pushKey(SDL_Keycode symbol) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = symbol;
        event.key.windowID = SDL_GetWindowID(shell->window);
        SDL_PushEvent(&event);
    }

    /// Runs loop turns until the loop ends or the time runs out; false on time-out.
    bool runUntilEnd(double seconds) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (crv::runLoopTurn(*shell)) {
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
    std::unique_ptr<crv::Shell> shell;
};

TEST_F(ShellTest, EscapeThenYHandsBackTheTruncatedScore) {
    ASSERT_TRUE(crv::startShell(*shell));
    EXPECT_EQ(shell->game.bestScore, 10000.0f); // no score file: the fresh table's top row
    for (int i = 0; i < 10; ++i) {
        crv::runLoopTurn(*shell);
    }
    shell->game.score = 1234.9f;
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    SDL_PushEvent(&click);
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_y);
    ASSERT_TRUE(runUntilEnd(5.0));
    EXPECT_EQ(shell->game.gameState, crv::Closed);
    EXPECT_EQ(shell->window, nullptr);
    EXPECT_EQ(handBack(), expectedHandBack(1, 1234));
}

TEST_F(ShellTest, ClosingTheWindowHandsBackTheScoreSoFarInItsMode) {
    writeFile("corvanth.cfg", "0 1 0 0 1 1 0 6 0 0"); // static playfield, 640 x 480, no sound
    ASSERT_TRUE(crv::startShell(*shell));
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(shell->window, &width, &height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_EQ(shell->game.soundOn, 0);
    crv::runLoopTurn(*shell);
    shell->game.score = 77.0f;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    ASSERT_TRUE(runUntilEnd(5.0));
    EXPECT_EQ(handBack(), expectedHandBack(0, 77));
}

TEST_F(ShellTest, AGameOverEndsTheGameByItselfAndPlaysItsCue) {
    ASSERT_TRUE(crv::startShell(*shell));
    crv::runLoopTurn(*shell);
    // Fill the two entry columns without a group, so the next spawn is blocked.
    crv::Game& game = shell->game;
    for (int row = 2; row < crv::rowCount; ++row) {
        game.playfield.at(4, row) = 1 + row % 2;
        game.playfield.at(5, row) = 3 + row % 2;
    }
    game.fallingPiece.inPlay = 0;
    game.score = 42.0f;
    ASSERT_TRUE(runUntilEnd(15.0)) << "the game-over display should end after about 4.3 s";
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

TEST(KeyMapTest, GameKeysMapToTheirVirtualKeyCodes) {
    const struct {
        SDL_Keycode symbol;
        int code;
    } cases[] = {
        {SDLK_ESCAPE, 27}, {SDLK_LEFT, 37},  {SDLK_UP, 38},     {SDLK_RIGHT, 39}, {SDLK_DOWN, 40},
        {SDLK_f, 70},      {SDLK_n, 78},     {SDLK_p, 80},      {SDLK_s, 83},     {SDLK_y, 89},
        {SDLK_a, -1},      {SDLK_SPACE, -1}, {SDLK_RETURN, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(crv::virtualKeyFor(c.symbol), c.code) << c.symbol;
    }
    EXPECT_EQ(crv::scancodeForArrow(crv::KeyDown), SDL_SCANCODE_DOWN);
    EXPECT_EQ(crv::scancodeForArrow(crv::KeyP), SDL_SCANCODE_UNKNOWN);
}

} // namespace
