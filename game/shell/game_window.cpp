// The game's window, shared by the live game and the watching of a recorded one.
#include "game/shell/game_window.h"

#include "common/build_facts.h"

#include "game/render/view.h"
#include "game/shell/desktop_window.h"
#include "game/shell/gl_window.h"
#include "game/shell/key_map.h"
#include "game/shell/start_checks.h"
#include "game/shell/window_identity.h"

namespace crv {

namespace {

std::uint64_t readPerformanceCounter(void*) {
    return SDL_GetPerformanceCounter();
}

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
bool findChosenMode(const GameWindow& window, SDL_DisplayMode& chosen) {
    const int display = SDL_GetWindowDisplayIndex(window.sdlWindow);
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(display, &desktop);
    bool found = false;
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode{};
        if (SDL_GetDisplayMode(display, i, &mode) != 0 || mode.w != window.settings.screenWidth ||
            mode.h != window.settings.screenHeight) {
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
void enterFullscreen(GameWindow& window) {
    SDL_DisplayMode mode{};
    if (!windowIsManaged(window.sdlWindow)) {
        // Nobody answers SDL's request on a bare X server: the window covers the display
        // itself, as a pop-up at the origin did.
        SDL_Rect bounds{};
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window.sdlWindow), &bounds);
        SDL_GetWindowPosition(window.sdlWindow, &window.windowedArea.x, &window.windowedArea.y);
        SDL_GetWindowSize(window.sdlWindow, &window.windowedArea.w, &window.windowedArea.h);
        SDL_SetWindowPosition(window.sdlWindow, bounds.x, bounds.y);
        SDL_SetWindowSize(window.sdlWindow, bounds.w, bounds.h);
        SDL_RaiseWindow(window.sdlWindow);
        window.coveringByItself = true;
    } else if (!(findChosenMode(window, mode) &&
                 SDL_SetWindowDisplayMode(window.sdlWindow, &mode) == 0 &&
                 SDL_SetWindowFullscreen(window.sdlWindow, SDL_WINDOW_FULLSCREEN) == 0)) {
        SDL_SetWindowFullscreen(window.sdlWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    SDL_ShowCursor(SDL_DISABLE);
    SDL_DisableScreenSaver();
    window.fullscreenActive = true;
    resizeToDrawable(window); // the size change's event may come late, or not at all
}

void leaveFullscreen(GameWindow& window) {
    if (window.coveringByItself) {
        const SDL_Rect& area = window.windowedArea;
        SDL_SetWindowSize(window.sdlWindow, area.w, area.h);
        SDL_SetWindowPosition(window.sdlWindow, area.x, area.y);
        window.coveringByItself = false;
    } else {
        SDL_SetWindowFullscreen(window.sdlWindow, 0);
    }
    SDL_ShowCursor(SDL_ENABLE);
    SDL_EnableScreenSaver();
    window.fullscreenActive = false;
    resizeToDrawable(window);
}

/// The window procedure: the game's keys to the driver, size changes to the view, a close
/// noted for the end of the turn.
void dispatchEvent(GameWindow& window, WindowDriver& driver, const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: {
        if (isFullscreenToggle(event.key.keysym)) {
            if (event.key.repeat == 0) {
                toggleFullscreen(window);
            }
            break;
        }
        const int virtualKey = virtualKeyFor(event.key.keysym);
        if (virtualKey >= 0) {
            driver.takeKey(virtualKey, event.key.repeat != 0);
        }
        break;
    }
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERAXISMOTION: {
        const int virtualKey =
            handleGamepadEvent(window.gamepads, event, driver.quitQuestionShows());
        if (virtualKey >= 0) {
            driver.takeKey(virtualKey, false);
        }
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            resizeToDrawable(window);
        } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            window.pictureStale = true;
        } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            window.closeRequested = true;
        }
        break;
    case SDL_QUIT:
        window.closeRequested = true;
        break;
    default:
        break; // mouse clicks and everything else change nothing
    }
}

/// SDL, the hidden window and its GL context; false as startGameWindow.
bool openWindow(GameWindow& window) {
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
    window.sdlWindow = createWindow(window.settings, 32);
    if (window.sdlWindow == nullptr) {
        window.sdlWindow = createWindow(window.settings, 24);
    }
    if (window.sdlWindow == nullptr) {
        showStartError("ChoosePixelFormat failed");
        return false;
    }
    window.context = SDL_GL_CreateContext(window.sdlWindow);
    // A context made despite an X error is not trusted: the driver is broken.
    if (window.context == nullptr || !windowCreated(window.sdlWindow)) {
        showStartError("SetPixelFormat failed");
        closeGameWindow(window);
        return false;
    }
    setWindowIcon(window.sdlWindow);
    resizeToDrawable(window);
    // The game reads no pointer and no text: such events are never queued.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_EventState(SDL_FINGERMOTION, SDL_IGNORE);
    SDL_StopTextInput();
    return true;
}

} // namespace

GameClock performanceClock() {
    GameClock clock;
    clock.read = readPerformanceCounter;
    clock.frequency = static_cast<std::int64_t>(SDL_GetPerformanceFrequency());
    return clock;
}

bool startGameWindow(GameWindow& window, WindowDriver& driver) {
    window.settings = readGameSettings();
    window.timer.frequency = window.clock.frequency;
    if (!openWindow(window)) {
        return false;
    }
    setUpPicture(window.picture, window.settings, driver.gameMode(window.settings));
    openSoundCues(window.sound);
    SDL_ShowWindow(window.sdlWindow);
    if (window.settings.settings.fullscreen) {
        enterFullscreen(window);
    }
    window.open = true;
    window.closeRequested = false;
    driver.start();
    return true;
}

bool runWindowTurn(GameWindow& window, WindowDriver& driver) {
    if (!window.open) {
        return false;
    }
    // Every event that is there at the start of the turn, so that none the game ignores (a
    // pointer moving sends hundreds a second) can queue up ahead of a key; events that come
    // in meanwhile wait for the next turn, so the turn always ends.
    SDL_PumpEvents();
    SDL_Event event;
    while (!window.closeRequested &&
           SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        dispatchEvent(window, driver, event);
    }
    // A close among the events leaves the rest of the turn undone: nothing is drawn or played.
    if (!window.closeRequested) {
        driver.afterEvents();
    }
    if (!window.closeRequested) {
        return true;
    }
    closeGameWindow(window);
    driver.windowClosed();
    return false;
}

int runGameWindow(GameWindow& window, WindowDriver& driver) {
    nameGameWindows();
    const bool started = startGameWindow(window, driver);
    while (started && runWindowTurn(window, driver)) {
    }
    stopGameWindow(window);
    return started ? 0 : startFailedStatus;
}

void showPicture(GameWindow& window, const Game& game) {
    drawFrame(window.picture, game, window.framesPerSecond);
    SDL_GL_SwapWindow(window.sdlWindow);
    window.pictureStale = false;
}

bool isArrowHeldNow(const GameWindow& window, int virtualKey) {
    return isGamepadHeld(window.gamepads, virtualKey) ||
           isArrowHeld(SDL_GetKeyboardState(nullptr), static_cast<Uint16>(SDL_GetModState()),
                       virtualKey);
}

void resizeToDrawable(GameWindow& window) {
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window.sdlWindow, &width, &height);
    setView(width, height, window.settings.screenWidth, window.settings.screenHeight);
    window.pictureStale = true;
}

void toggleFullscreen(GameWindow& window) {
    if (window.fullscreenActive) {
        leaveFullscreen(window);
    } else {
        enterFullscreen(window);
    }
}

void closeGameWindow(GameWindow& window) {
    if (window.sdlWindow != nullptr) {
        SDL_GL_DeleteContext(window.context);
        window.context = nullptr;
        SDL_DestroyWindow(window.sdlWindow); // leaves full screen and restores the desktop's mode
        window.sdlWindow = nullptr;
    }
    if (window.fullscreenActive) {
        SDL_ShowCursor(SDL_ENABLE);
        SDL_EnableScreenSaver();
        window.fullscreenActive = false;
    }
    window.open = false;
}

void stopGameWindow(GameWindow& window) {
    closeGameWindow(window);
    closeSoundCues(window.sound);
    closeGamepads(window.gamepads);
    SDL_Quit();
}

} // namespace crv
