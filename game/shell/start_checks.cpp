// What start-up checks before it trusts the game's window, and how a failure is told.
#include "game/shell/start_checks.h"

#include "common/file_io.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace crv {

namespace {

/// SDL's drivers that draw into memory only; SDL_VIDEODRIVER must ask for them by name.
constexpr const char* windowlessDrivers[] = {"offscreen", "dummy"};

/// The first X error that came while the window was made; there is one connection, and one
/// thread.
struct XErrorTrap {
    bool installed = false;
    XErrorHandler previous = nullptr;
    bool caught = false;
    char text[256] = {};
};
XErrorTrap xErrors;

int recordXError(Display* display, XErrorEvent* event) {
    if (!xErrors.caught) {
        char name[160] = {};
        XGetErrorText(display, event->error_code, name, sizeof name);
        std::snprintf(xErrors.text, sizeof xErrors.text, "X error %s in request %d.%d", name,
                      static_cast<int>(event->request_code), static_cast<int>(event->minor_code));
        xErrors.caught = true;
    }
    return 0; // Xlib goes on with the call that failed; its caller sees the failure.
}

bool namedIn(const char* driver, const char* list) {
    const std::size_t length = std::strlen(driver);
    for (const char* item = list; *item != '\0';) {
        const char* end = std::strchr(item, ',');
        const std::size_t itemLength =
            end ? static_cast<std::size_t>(end - item) : std::strlen(item);
        // SDL matches the names in any case.
        if (itemLength == length && SDL_strncasecmp(item, driver, length) == 0) {
            return true;
        }
        item += itemLength + (end ? 1 : 0);
    }
    return false;
}

} // namespace

bool driverShowsWindows(const char* driver, const char* requested) {
    if (driver == nullptr) {
        return false;
    }
    if (requested != nullptr && namedIn(driver, requested)) {
        return true;
    }
    for (const char* windowless : windowlessDrivers) {
        if (SDL_strcasecmp(driver, windowless) == 0) {
            return false;
        }
    }
    return true;
}

void reportStartFailure(const char* what, const char* detail) {
    std::string line = what;
    if (detail != nullptr && *detail != '\0') {
        line += std::string(": ") + detail;
    }
    printProblem(line);
}

void beginWindowCreation() {
    SDL_ClearError();
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!xErrors.installed && driver != nullptr && std::strcmp(driver, "x11") == 0) {
        xErrors.previous = XSetErrorHandler(recordXError);
        xErrors.installed = true;
    }
}

bool windowCreated(SDL_Window* window) {
    if (!xErrors.installed) {
        return true;
    }
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        XSync(info.info.x11.display, False); // an error is answered late; all are in after this
    }
    if (xErrors.caught) {
        return false;
    }
    XSetErrorHandler(xErrors.previous);
    xErrors.installed = false;
    return true;
}

void showStartError(const char* text) {
    const char* sdlError = SDL_GetError();
    reportStartFailure(text, *sdlError != '\0' ? sdlError : xErrors.text);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", text, nullptr);
}

} // namespace crv
