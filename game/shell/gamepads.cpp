// Gamepads through SDL's game-controller API, as the keys the rules already know.
#include "game/shell/gamepads.h"

#include "game/rules/game.h"

namespace crv {

namespace {

// The stick counts as pushed beyond 40% of full deflection and as let go only below 30%,
// so a stick resting near the edge of the dead zone does not flicker between the two.
constexpr int stickPressLevel = 32767 * 40 / 100;
constexpr int stickReleaseLevel = 32767 * 30 / 100;

enum StickBit : int {
    StickLeft = 1,
    StickRight = 2,
    StickDown = 4,
};

/// What each button stands for: the key a press gives, the one it gives while the quit
/// question shows (-1 for none), and whether holding it holds that key, as the arrows' are.
struct ButtonBinding {
    SDL_GameControllerButton button;
    int virtualKey;
    int quitQuestionKey;
    bool holds;
};

constexpr ButtonBinding buttonBindings[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, KeyLeft, KeyLeft, true},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, KeyRight, KeyRight, true},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, KeyDown, KeyDown, true},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, KeyUp, KeyUp, true},
    {SDL_CONTROLLER_BUTTON_A, KeyUp, KeyY, true}, // the turn, or yes to the question
    {SDL_CONTROLLER_BUTTON_B, -1, KeyN, false},
    {SDL_CONTROLLER_BUTTON_START, KeyP, KeyP, false},
    {SDL_CONTROLLER_BUTTON_BACK, KeyEscape, KeyEscape, false},
};

/// The left stick's directions as arrows, in the order that picks one when a move pushes
/// several at once; `sign` turns the axis value into the reach that way.
struct StickDirection {
    SDL_GameControllerAxis axis;
    int sign;
    int bit;
    int virtualKey;
};

constexpr StickDirection stickDirections[] = {
    {SDL_CONTROLLER_AXIS_LEFTX, -1, StickLeft, KeyLeft},
    {SDL_CONTROLLER_AXIS_LEFTX, 1, StickRight, KeyRight},
    {SDL_CONTROLLER_AXIS_LEFTY, 1, StickDown, KeyDown}, // SDL's y grows downwards
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
    for (const StickDirection& direction : stickDirections) {
        if (direction.axis == axis) {
            held = withDirection(held, direction.bit, direction.sign * value);
        }
    }
    const int pushed = held & ~pad.stickHeld;
    pad.stickHeld = held;
    return pushed;
}

int keyForStick(int pushed) {
    for (const StickDirection& direction : stickDirections) {
        if ((pushed & direction.bit) != 0) {
            return direction.virtualKey;
        }
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
            // An axis of two directions is read twice; the second finds nothing new.
            for (const StickDirection& direction : stickDirections) {
                pushed |= moveStick(pad, direction.axis,
                                    SDL_GameControllerGetAxis(pad.controller, direction.axis));
            }
        }
    }
    return keyForStick(pushed);
}

int keyForButton(int button, bool quitQuestionShows) {
    for (const ButtonBinding& binding : buttonBindings) {
        if (binding.button == button) {
            return quitQuestionShows ? binding.quitQuestionKey : binding.virtualKey;
        }
    }
    return -1;
}

bool padHolds(const Gamepad& pad, int virtualKey) {
    for (const ButtonBinding& binding : buttonBindings) {
        if (binding.holds && binding.virtualKey == virtualKey &&
            SDL_GameControllerGetButton(pad.controller, binding.button) != 0) {
            return true;
        }
    }
    for (const StickDirection& direction : stickDirections) {
        if (direction.virtualKey == virtualKey && (pad.stickHeld & direction.bit) != 0) {
            return true;
        }
    }
    return false;
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
