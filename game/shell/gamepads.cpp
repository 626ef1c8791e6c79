// Gamepads through SDL's game-controller API, as the keys the rules already know.
#include "game/shell/gamepads.h"

#include "game/rules/game.h"

namespace crv {

namespace {

// The stick counts as pushed beyond 40% of full deflection and as let go only below 30%,
// so a stick resting near the edge of the dead zone does not flicker between the two.
constexpr int stickPressLevel = 32767 * 40 / 100;
constexpr int stickReleaseLevel = 32767 * 30 / 100;
constexpr SDL_GameControllerAxis stickAxes[] = {SDL_CONTROLLER_AXIS_LEFTX,
                                                SDL_CONTROLLER_AXIS_LEFTY};

enum StickBit : int {
    StickLeft = 1,
    StickRight = 2,
    StickDown = 4,
};

Gamepad* padWithId(Gamepads& gamepads, SDL_JoystickID id) {
    for (Gamepad& pad : gamepads.pads) {
        if (pad.controller != nullptr && pad.instanceId == id) {
            return &pad;
        }
    }
    return nullptr;
}

void openPad(Gamepads& gamepads, int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || padWithId(gamepads, id) != nullptr) {
        return; // gone again, or announced twice
    }
    for (Gamepad& pad : gamepads.pads) {
        if (pad.controller == nullptr) {
            pad.controller = SDL_GameControllerOpen(deviceIndex);
            pad.instanceId = id;
            pad.stickHeld = 0;
            return;
        }
    }
}

void closePad(Gamepad& pad) {
    SDL_GameControllerClose(pad.controller);
    pad = Gamepad{};
}

/// Sets or clears one stick direction from how far the stick reaches that way.
int withDirection(int held, int bit, int reach) {
    const int level = (held & bit) != 0 ? stickReleaseLevel : stickPressLevel;
    return reach >= level ? held | bit : held & ~bit;
}

/// Takes one axis value into the pad's stick; returns the directions newly pushed.
int moveStick(Gamepad& pad, int axis, int value) {
    int held = pad.stickHeld;
    if (axis == SDL_CONTROLLER_AXIS_LEFTX) {
        held = withDirection(held, StickLeft, -value);
        held = withDirection(held, StickRight, value);
    } else if (axis == SDL_CONTROLLER_AXIS_LEFTY) {
        held = withDirection(held, StickDown, value); // SDL's y grows downwards
    }
    const int pushed = held & ~pad.stickHeld;
    pad.stickHeld = held;
    return pushed;
}

int keyForStick(int pushed) {
    if ((pushed & StickLeft) != 0) {
        return KeyLeft;
    }
    if ((pushed & StickRight) != 0) {
        return KeyRight;
    }
    if ((pushed & StickDown) != 0) {
        return KeyDown;
    }
    return -1;
}

int handleStick(Gamepads& gamepads, const SDL_ControllerAxisEvent& motion) {
    int pushed = 0;
    if (Gamepad* pad = padWithId(gamepads, motion.which)) {
        pushed = moveStick(*pad, motion.axis, motion.value);
    }
    // A moving stick sends an event for every step; those still waiting say less than the
    // sticks do now, so they go and each stick is read as it is.
    SDL_FlushEvent(SDL_CONTROLLERAXISMOTION);
    SDL_FlushEvent(SDL_JOYAXISMOTION);
    for (Gamepad& pad : gamepads.pads) {
        if (pad.controller != nullptr) {
            for (SDL_GameControllerAxis axis : stickAxes) {
                pushed |= moveStick(pad, axis, SDL_GameControllerGetAxis(pad.controller, axis));
            }
        }
    }
    return keyForStick(pushed);
}

int keyForButton(int button, bool quitQuestionShows) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return KeyLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return KeyRight;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return KeyDown;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return KeyUp;
    case SDL_CONTROLLER_BUTTON_A:
        return quitQuestionShows ? KeyY : KeyUp;
    case SDL_CONTROLLER_BUTTON_B:
        return quitQuestionShows ? KeyN : -1;
    case SDL_CONTROLLER_BUTTON_START:
        return KeyP;
    case SDL_CONTROLLER_BUTTON_BACK:
        return KeyEscape;
    default:
        return -1;
    }
}

bool padHolds(const Gamepad& pad, int virtualKey) {
    const auto button = [&pad](SDL_GameControllerButton which) {
        return SDL_GameControllerGetButton(pad.controller, which) != 0;
    };
    switch (virtualKey) {
    case KeyLeft:
        return button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || (pad.stickHeld & StickLeft) != 0;
    case KeyRight:
        return button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || (pad.stickHeld & StickRight) != 0;
    case KeyDown:
        return button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || (pad.stickHeld & StickDown) != 0;
    case KeyUp:
        return button(SDL_CONTROLLER_BUTTON_DPAD_UP) || button(SDL_CONTROLLER_BUTTON_A);
    default:
        return false;
    }
}

} // namespace

int handleGamepadEvent(Gamepads& gamepads, const SDL_Event& event, bool quitQuestionShows) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        openPad(gamepads, event.cdevice.which); // a device index here
        return -1;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (Gamepad* pad = padWithId(gamepads, event.cdevice.which)) { // an instance id here
            closePad(*pad);
        }
        return -1;
    case SDL_CONTROLLERBUTTONDOWN:
        return keyForButton(event.cbutton.button, quitQuestionShows);
    case SDL_CONTROLLERAXISMOTION:
        return handleStick(gamepads, event.caxis);
    default:
        return -1;
    }
}

bool isGamepadHeld(const Gamepads& gamepads, int virtualKey) {
    for (const Gamepad& pad : gamepads.pads) {
        if (pad.controller != nullptr && padHolds(pad, virtualKey)) {
            return true;
        }
    }
    return false;
}

void closeGamepads(Gamepads& gamepads) {
    for (Gamepad& pad : gamepads.pads) {
        if (pad.controller != nullptr) {
            closePad(pad);
        }
    }
}

} // namespace crv
