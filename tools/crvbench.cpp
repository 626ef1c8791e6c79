// crvbench: frames per second of the game picture with a full playfield, drawn offscreen.
//
// Draws frames as the game does (frame, swap) at 640 x 480 and 1280 x 1024, and a 640 x 480
// picture scaled into a 1920 x 1080 screen (its 1440 x 1080 rectangle, black bars beside), with
// every detail on ("High") and every detail off ("Low"), and prints the rate of each. SDL's
// offscreen driver is used unless SDL_VIDEODRIVER says otherwise (x11 under Xvfb, for comparison).
// Run it from the directory that holds the game's images.
#include "common/settings.h"
#include "game/render/frame.h"
#include "game/render/view.h"
#include "game/rules/game.h"
#include "game/rules/start.h"
#include "game/shell/gl_window.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Detail {
    const char* name;
    crv::Settings settings; // at any resolution: each size sets its own
    int showFps;
    bool emptyPlayfield;
};

crv::Settings highSettings() {
    crv::Settings s = crv::gameDefaultSettings;
    s.gameMode = 1;
    s.texturedPlayfield = 1;
    s.texturedBlocks = 1;
    s.bilinearFiltering = 1;
    s.backgroundPicture = 1;
    s.antialiasedLines = 1;
    return s;
}

crv::Settings lowSettings() {
    crv::Settings s = crv::gameDefaultSettings;
    s.gameMode = 0;
    s.texturedPlayfield = 0;
    s.texturedBlocks = 0;
    s.bilinearFiltering = 0;
    s.backgroundPicture = 0;
    s.antialiasedLines = 0;
    return s;
}

/// A playfield full to the top with all six colours, well into a game.
void fillGame(crv::Game& game, const Detail& detail) {
    for (int column = 0; column < crv::columnCount; ++column) {
        for (int row = 0; row < crv::rowCount; ++row) {
            const int color = (column * 7 + row * 3) % crv::colorCount + 1;
            game.playfield.at(column, row) = detail.emptyPlayfield ? 0 : color;
        }
    }
    game.gameState = crv::Playing;
    game.swingAmplitude[0] = 30.0f;
    game.swingAmplitude[1] = 20.0f;
    game.swingAmplitude[2] = 20.0f;
    game.score = 12345.0f;
    game.bestScore = 23456.0f;
    game.showFps = detail.showFps;
    game.frameTime = 1.0f;
}

/// A window and the screen size chosen for the picture drawn in it.
struct Size {
    int width; // the window's
    int height;
    std::int32_t resolutionIndex;
};

/// The settings as the game reads them, the detail's at the size's resolution.
crv::GameSettings gameSettingsFor(const Size& size, const Detail& detail) {
    crv::Settings settings = detail.settings;
    settings.resolutionIndex = size.resolutionIndex;
    return crv::deriveGameSettings(settings);
}

/// Frames per second over about the given time, after a short warm-up.
double measure(const Size& size, const Detail& detail, bool blockByBlock, double seconds) {
    const int width = size.width;
    const int height = size.height;
    SDL_Window* window =
        SDL_CreateWindow("crvbench", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        std::fprintf(stderr, "crvbench: no window: %s\n", SDL_GetError());
        return 0.0;
    }
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr) {
        std::fprintf(stderr, "crvbench: no GL context: %s\n", SDL_GetError());
        SDL_DestroyWindow(window);
        return 0.0;
    }
    SDL_GL_SetSwapInterval(0);
    const crv::GameSettings settings = gameSettingsFor(size, detail);
    crv::setView(width, height, settings.screenWidth, settings.screenHeight);
    static bool named = false;
    if (!named) {
        std::printf("renderer %s\n", crv::rendererName());
        named = true;
    }

    auto picture = std::make_unique<crv::Picture>();
    auto game = std::make_unique<crv::Game>();
    crv::setUpPicture(*picture, settings, detail.settings.gameMode);
    picture->blockDrawing = blockByBlock ? crv::BlockDrawing::OneByOne : crv::BlockDrawing::Batched;
    crv::startGame(*game, {0.0f, 0, 1}); // the first next piece, as in every game
    fillGame(*game, detail);

    for (int i = 0; i < 30; ++i) {
        crv::drawFrame(*picture, *game, 60.0f);
        SDL_GL_SwapWindow(window);
    }
    const Uint64 frequency = SDL_GetPerformanceFrequency();
    const Uint64 start = SDL_GetPerformanceCounter();
    int frames = 0;
    double elapsed = 0.0;
    while (elapsed < seconds) {
        for (int i = 0; i < 20; ++i) {
            crv::drawFrame(*picture, *game, 60.0f);
            SDL_GL_SwapWindow(window);
        }
        frames += 20;
        crv::finishDrawing();
        elapsed = static_cast<double>(SDL_GetPerformanceCounter() - start) / frequency;
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    return frames / elapsed;
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 2.0;
    bool blockByBlock = false;
    bool both = false;
    bool breakdown = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--block-by-block") == 0) {
            blockByBlock = true;
        } else if (std::strcmp(argv[i], "--both") == 0) {
            both = true;
        } else if (std::strcmp(argv[i], "--breakdown") == 0) {
            breakdown = true;
        } else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: crvbench [--block-by-block | --both] [--breakdown] "
                                 "[--seconds S]\n");
            return 2;
        }
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "crvbench: %s\n", SDL_GetError());
        return 1;
    }
    crv::setGlWindowAttributes(24);

    crv::Settings highNoWall = highSettings();
    highNoWall.backgroundPicture = 0;
    // The breakdown shows where a High frame's time goes: the wall, or the blocks.
    const Detail details[] = {{"High", highSettings(), 1, false},
                              {"Low", lowSettings(), 0, false},
                              {"High, no background", highNoWall, 1, false},
                              {"High, no blocks", highSettings(), 1, true}};
    const int detailCount = breakdown ? 4 : 2;
    // Resolution index 1 is 640 x 480, index 4 1280 x 1024.
    const Size sizes[] = {{640, 480, 1}, {1280, 1024, 4}, {1920, 1080, 1}};
    std::printf("video driver %s\n", SDL_GetCurrentVideoDriver());
    for (const auto& size : sizes) {
        for (int d = 0; d < detailCount; ++d) {
            const Detail& detail = details[d];
            for (int pass = 0; pass < (both ? 2 : 1); ++pass) {
                const bool slow = both ? pass == 1 : blockByBlock;
                const double fps = measure(size, detail, slow, seconds);
                const crv::GameSettings settings = gameSettingsFor(size, detail);
                char picture[32] = "";
                if (settings.screenWidth != size.width || settings.screenHeight != size.height) {
                    std::snprintf(picture, sizeof picture, " (%dx%d scaled)", settings.screenWidth,
                                  settings.screenHeight);
                }
                std::printf("%4dx%-4d%s %-19s %-14s %7.1f fps\n", size.width, size.height, picture,
                            detail.name, slow ? "block-by-block" : "batched", fps);
                std::fflush(stdout);
            }
        }
    }
    SDL_Quit();
    return 0;
}
