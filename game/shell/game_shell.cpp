// The game program's platform layer: window, GL context, loop turn, keys, sound, hand-back.
#include "game/shell/game_shell.h"

#include "common/game_result.h"
#include "common/score_table.h"
#include "game/render/frame.h"
#include "game/render/view.h"
#include "game/rules/controls.h"
#include "game/rules/start.h"
#include "game/rules/tick.h"
#include "game/shell/gl_window.h"
#include "game/shell/key_map.h"
#include "game/shell/process_start.h"
#include "game/shell/start_checks.h"
#include "game/shell/window_identity.h"

namespace crv {

namespace {

const char* const windowTitle = "Corvanth v1.5";

SDL_Window* createWindow(const GameSettings& settings, int depthBits) {
    setGlWindowAttributes(depthBits);
    const int position = settings.settings.fullscreen ? 0 : SDL_WINDOWPOS_CENTERED;
    return SDL_CreateWindow(windowTitle, position, position, settings.screenWidth,
                            settings.screenHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
}

void resizeToDrawable(Shell& shell) {
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(shell.window, &width, &height);
    resizeView(width, height);
}

/// Exclusive full screen at the game's resolution, keeping the desktop's depth and refresh.
void enterFullscreen(Shell& shell) {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        mode.w = shell.settings.screenWidth;
        mode.h = shell.settings.screenHeight;
        SDL_SetWindowDisplayMode(shell.window, &mode);
    }
    // A display that cannot take the mode leaves the window at the origin, as it is.
    SDL_SetWindowFullscreen(shell.window, SDL_WINDOW_FULLSCREEN);
    SDL_ShowCursor(SDL_DISABLE);
    SDL_DisableScreenSaver();
    shell.fullscreenActive = true;
}

/// The window procedure: keys to the rules, size changes to the view, a close to the end.
void handleEvent(Shell& shell, const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: {
        const int virtualKey = virtualKeyFor(event.key.keysym.sym);
        if (virtualKey >= 0) {
            handleGameKey(shell.game, virtualKey);
        }
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            resizeToDrawable(shell);
        } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            destroyGameWindow(shell);
        }
        break;
    case SDL_QUIT:
        destroyGameWindow(shell);
        break;
    default:
        break; // mouse clicks and everything else change nothing
    }
}

/// Releases GL and the window, and gives the desktop back its mode, cursor and screen saver.
void releaseWindow(Shell& shell) {
    SDL_GL_DeleteContext(shell.context);
    shell.context = nullptr;
    SDL_DestroyWindow(shell.window); // leaves full screen and restores the desktop's mode
    shell.window = nullptr;
    if (shell.fullscreenActive) {
        SDL_ShowCursor(SDL_ENABLE);
        SDL_EnableScreenSaver();
        shell.fullscreenActive = false;
    }
}

/// Starts the front end with the mode and the scrambled, truncated score.
void handBack(Shell& shell) {
    const std::vector<std::string> arguments =
        handBackArguments(shell.settings.settings.gameMode, handBackScore(shell.game.score));
    const char* argv[2] = {arguments[1].c_str(), arguments[2].c_str()};
    startDetached(arguments[0], argv, 2, shell.frontEndDirectory); // failure is silent
}

RenderSettings renderSettingsOf(const GameSettings& game) {
    const Settings& settings = game.settings;
    RenderSettings render;
    render.gameMode = settings.gameMode;
    render.texturedPlayfield = settings.texturedPlayfield;
    render.texturedBlocks = settings.texturedBlocks;
    render.bilinearFiltering = settings.bilinearFiltering;
    render.gammaFactor = game.gammaFactor;
    render.backgroundPicture = settings.backgroundPicture;
    render.antialiasedLines = settings.antialiasedLines;
    render.screenWidth = game.screenWidth;
    return render;
}

} // namespace

bool ShellEffects::isKeyHeld(int virtualKey) {
    const SDL_Scancode scancode = scancodeForArrow(virtualKey);
    if (scancode == SDL_SCANCODE_UNKNOWN) {
        return false;
    }
    return SDL_GetKeyboardState(nullptr)[scancode] != 0;
}

void ShellEffects::playSound(SoundCue cue) {
    playCue(shell.sound, cue);
}

void ShellEffects::destroyWindow() {
    destroyGameWindow(shell);
}

bool startShell(Shell& shell) {
    shell.settings = readGameSettings();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        reportStartFailure("cannot open the game's window", SDL_GetError());
        return false;
    }
    if (!driverShowsWindows(SDL_GetCurrentVideoDriver(), SDL_GetHint(SDL_HINT_VIDEODRIVER))) {
        reportStartFailure("cannot open the game's window: no display (none reached through "
                           "DISPLAY or WAYLAND_DISPLAY)",
                           nullptr);
        return false;
    }

    beginWindowCreation();
    // A driver without a 32-bit depth buffer gets the nearest it has.
    shell.window = createWindow(shell.settings, 32);
    if (shell.window == nullptr) {
        shell.window = createWindow(shell.settings, 24);
    }
    if (shell.window == nullptr) {
        showStartError("ChoosePixelFormat failed");
        return false;
    }
    shell.timer.frequency = static_cast<std::int64_t>(SDL_GetPerformanceFrequency());
    shell.context = SDL_GL_CreateContext(shell.window);
    // A context made despite an X error is not trusted: the driver is broken.
    if (shell.context == nullptr || !windowCreated(shell.window)) {
        showStartError("SetPixelFormat failed");
        releaseWindow(shell);
        return false;
    }
    setWindowIcon(shell.window);
    resizeToDrawable(shell);

    const Settings& settings = shell.settings.settings;
    shell.game.effects = &shell.effects;
    const float bestScore = readBestScore(settings.gameMode);
    setUpPicture(shell.picture, renderSettingsOf(shell.settings));
    openSoundCues(shell.sound);

    SDL_ShowWindow(shell.window);
    if (settings.fullscreen) {
        enterFullscreen(shell);
    }
    const auto seed = static_cast<std::uint32_t>(SDL_GetPerformanceCounter());
    startGame(shell.game, {bestScore, settings.soundOn, seed});
    shell.running = true;
    return true;
}

bool runLoopTurn(Shell& shell) {
    if (!shell.running) {
        return false;
    }
    SDL_Event event;
    if (SDL_PollEvent(&event)) {
        handleEvent(shell, event);
        if (!shell.running) {
            return false; // the window went with this event; nothing is left to draw on
        }
    }
    drawFrame(shell.picture, shell.game, shell.framesPerSecond);
    SDL_GL_SwapWindow(shell.window);
    measureFrame(shell.timer, SDL_GetPerformanceCounter(), shell.game.frameTime,
                 shell.framesPerSecond);
    pollControls(shell.game);
    gameTick(shell.game);
    return shell.running;
}

void destroyGameWindow(Shell& shell) {
    if (shell.window == nullptr) {
        return;
    }
    releaseWindow(shell);
    handBack(shell);
    shell.running = false;
}

void stopShell(Shell& shell) {
    if (shell.window != nullptr) {
        releaseWindow(shell);
    }
    shell.running = false;
    closeSoundCues(shell.sound);
    SDL_Quit();
}

int runGame() {
    static Shell shell; // one per run, and too large for comfort on the stack
    shell.frontEndDirectory = executableDirectory();
    nameGameWindows();
    if (!startShell(shell)) {
        stopShell(shell);
        return startFailedStatus;
    }
    while (runLoopTurn(shell)) {
    }
    stopShell(shell);
    return 0;
}

} // namespace crv
