// What the game needs to know of the desktop its window lives on.
#include "game/shell/desktop_window.h"

#include <SDL_syswm.h>

namespace crv {

bool windowIsManaged(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return true;
    }
    // A window manager that follows the desktop conventions announces itself on the root.
    Display* display = info.info.x11.display;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* value = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &remaining, &value);
    const bool announced = status == Success && type == XA_WINDOW && count == 1;
    if (value != nullptr) {
        XFree(value);
    }
    return announced;
#else
    (void)window;
    return true;
#endif
}

} // namespace crv
