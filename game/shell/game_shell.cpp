// The game program's platform layer: window, GL context, loop turn, keys, sound, hand-back.
#include "game/shell/game_shell.h"

#include "common/build_facts.h"
#include "common/game_result.h"
#include "common/score_table.h"
#include "game/render/frame.h"
#include "game/render/view.h"
#include "game/rules/controls.h"
#include "game/rules/start.h"
#include "game/rules/tick.h"
#include "game/shell/desktop_window.h"
#include "game/shell/gl_window.h"
#include "game/shell/key_map.h"
#include "game/shell/process_start.h"
#include "game/shell/start_checks.h"
#include "game/shell/window_identity.h"

namespace crv {

namespace {

SDL_Window* createWindow(const GameSettings& settings, int depthBits) {
    setGlWindowAttributes(depthBits);
    const int position = settings.settings.fullscreen ? 0 : SDL_WINDOWPOS_CENTERED;
    // The player may resize the window; the picture keeps its shape inside it.
    return SDL_CreateWindow(windowTitle, position, position, settings.screenWidth,
                            settings.screenHeight,
                            SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
}

/// The display's mode of exactly the chosen size, at the desktop's refresh rate where it has
/// one there; false when the display offers no such mode.
bool findChosenMode(const Shell& shell, SDL_DisplayMode& chosen) {
    const int display = SDL_GetWindowDisplayIndex(shell.window);
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(display, &desktop);
    bool found = false;
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode{};
        if (SDL_GetDisplayMode(display, i, &mode) != 0 || mode.w != shell.settings.screenWidth ||
            mode.h != shell.settings.screenHeight) {
            continue;
        }
        if (!found || mode.refresh_rate == desktop.refresh_rate) {
            chosen = mode;
            found = true;
        }
    }
    return found;
}

/// Full screen: the display switched to the chosen mode where it offers exactly that mode;
/// elsewhere (and under Wayland, which switches no modes) the window covers the desktop and
/// the picture is scaled into it.
void enterFullscreen(Shell& shell) {
    SDL_DisplayMode mode{};
    if (!windowIsManaged(shell.window)) {
        // Nobody answers SDL's request on a bare X server: the window covers the display
        // itself, as a pop-up at the origin did.
        SDL_Rect bounds{};
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(shell.window), &bounds);
        SDL_GetWindowPosition(shell.window, &shell.windowedArea.x, &shell.windowedArea.y);
        SDL_GetWindowSize(shell.window, &shell.windowedArea.w, &shell.windowedArea.h);
        SDL_SetWindowPosition(shell.window, bounds.x, bounds.y);
        SDL_SetWindowSize(shell.window, bounds.w, bounds.h);
        SDL_RaiseWindow(shell.window);
        shell.coveringByItself = true;
    } else if (!(findChosenMode(shell, mode) &&
                 SDL_SetWindowDisplayMode(shell.window, &mode) == 0 &&
                 SDL_SetWindowFullscreen(shell.window, SDL_WINDOW_FULLSCREEN) == 0)) {
        SDL_SetWindowFullscreen(shell.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    SDL_ShowCursor(SDL_DISABLE);
    SDL_DisableScreenSaver();
    shell.fullscreenActive = true;
    resizeToDrawable(shell); // the size change's event may come late, or not at all
}

void leaveFullscreen(Shell& shell) {
    if (shell.coveringByItself) {
        const SDL_Rect& area = shell.windowedArea;
        SDL_SetWindowSize(shell.window, area.w, area.h);
        SDL_SetWindowPosition(shell.window, area.x, area.y);
        shell.coveringByItself = false;
    } else {
        SDL_SetWindowFullscreen(shell.window, 0);
    }
    SDL_ShowCursor(SDL_ENABLE);
    SDL_EnableScreenSaver();
    shell.fullscreenActive = false;
    resizeToDrawable(shell);
}

/// A key-down for the rules, recorded first: the replay gives them in the same order.
void dispatchGameKey(Shell& shell, int virtualKey) {
    recordKey(shell.recording, virtualKey);
    handleGameKey(shell.game, virtualKey);
}

/// The window procedure: keys to the rules, size changes to the view, a close to the end.
void handleEvent(Shell& shell, const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: {
        if (isFullscreenToggle(event.key.keysym)) {
            if (event.key.repeat == 0) {
                toggleFullscreen(shell);
            }
            break;
        }
        const int virtualKey = virtualKeyFor(event.key.keysym);
        if (virtualKey >= 0) {
            dispatchGameKey(shell, virtualKey);
        }
        break;
    }
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERAXISMOTION: {
        const int virtualKey =
            handleGamepadEvent(shell.gamepads, event, shell.game.gameState == ConfirmQuit);
        if (virtualKey >= 0) {
            dispatchGameKey(shell, virtualKey);
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
    const bool held = isGamepadHeld(shell.gamepads, virtualKey) ||
                      isArrowHeld(SDL_GetKeyboardState(nullptr),
                                  static_cast<Uint16>(SDL_GetModState()), virtualKey);
    if (held) {
        recordHeld(shell.recording, virtualKey);
    }
    return held;
}

void ShellEffects::playSound(SoundCue cue) {
    playCue(shell.sound, cue);
}

void ShellEffects::destroyWindow() {
    destroyGameWindow(shell);
}

void resizeToDrawable(Shell& shell) {
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(shell.window, &width, &height);
    setView(width, height, shell.settings.screenWidth, shell.settings.screenHeight);
}

void toggleFullscreen(Shell& shell) {
    if (shell.fullscreenActive) {
        leaveFullscreen(shell);
    } else {
        enterFullscreen(shell);
    }
}

bool openGameWindow(Shell& shell) {
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
    // Pads are a bonus: where SDL cannot reach them the game plays from the keyboard alone.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);

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
    // The game reads no pointer and no text: such events are never queued.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_EventState(SDL_FINGERMOTION, SDL_IGNORE);
    SDL_StopTextInput();
    return true;
}

void showGameWindow(Shell& shell, std::int32_t gameMode) {
    RenderSettings render = renderSettingsOf(shell.settings);
    render.gameMode = gameMode;
    setUpPicture(shell.picture, render);
    openSoundCues(shell.sound);

    SDL_ShowWindow(shell.window);
    if (shell.settings.settings.fullscreen) {
        enterFullscreen(shell);
    }
    shell.running = true;
}

bool startShell(Shell& shell) {
    shell.settings = readGameSettings();
    if (!openGameWindow(shell)) {
        return false;
    }
    const Settings& settings = shell.settings.settings;
    shell.game.effects = &shell.effects;
    const float bestScore = readBestScore(settings.gameMode);
    showGameWindow(shell, settings.gameMode);
    const auto seed = static_cast<std::uint32_t>(shell.readCounter());
    startRecording(shell.recording, {seed, settings.gameMode, settings.soundOn, bestScore},
                   shell.replayCapacity);
    startGame(shell.game, {bestScore, settings.soundOn, seed});
    return true;
}

bool runLoopTurn(Shell& shell) {
    if (!shell.running) {
        return false;
    }
    // Every event that is there at the start of the turn, so that none the game ignores (a
    // pointer moving sends hundreds a second) can queue up ahead of a key; events that come
    // in meanwhile wait for the next turn, so the turn always ends.
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        handleEvent(shell, event);
        if (!shell.running) {
            return false; // the window went with this event; nothing is left to draw on
        }
    }
    drawFrame(shell.picture, shell.game, shell.framesPerSecond);
    SDL_GL_SwapWindow(shell.window);
    measureFrame(shell.timer, shell.readCounter(), shell.game.frameTime, shell.framesPerSecond);
    shell.turnTicking = true;
    pollControls(shell.game);
    gameTick(shell.game);
    shell.turnTicking = false;
    if (shell.running) {
        endRecordedTurn(shell.recording, shell.game.frameTime);
    }
    return shell.running;
}

void destroyGameWindow(Shell& shell) {
    if (shell.window == nullptr) {
        return;
    }
    releaseWindow(shell);
    // The rules end the game inside a tick: that turn is part of the game. A close between
    // turns leaves the keys of the unfinished one out, which changed neither score nor grid.
    if (shell.turnTicking) {
        endRecordedTurn(shell.recording, shell.game.frameTime);
    }
    writeLastGame(shell.recording, handBackScore(shell.game.score));
    handBack(shell);
    shell.running = false;
}

void closeGameWindow(Shell& shell) {
    if (shell.window != nullptr) {
        releaseWindow(shell);
    }
    shell.running = false;
}

void stopShell(Shell& shell) {
    if (shell.window != nullptr) {
        releaseWindow(shell);
    }
    shell.running = false;
    closeSoundCues(shell.sound);
    closeGamepads(shell.gamepads);
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
