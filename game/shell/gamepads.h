// Gamepads through SDL's game-controller API, as the keys the rules already know.
//
// Does: opens each pad as SDL announces it (those present at start included) and closes it
// when it goes; lets every open pad act as one; D-pad and left stick left, right and down as
// the arrows, pressed and held; D-pad up and A as the turn; Start as P; Back as Escape; A and
// B as Y and N while the quit question shows.
// Does not: open more than gamepadCount pads at once (a further one stays unused), use the
// stick's up, the right stick or the triggers, or rumble.
#pragma once

#include <SDL.h>

namespace crv {

constexpr int gamepadCount = 8;

/// One open pad and the stick directions it holds beyond the dead zone.
struct Gamepad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID instanceId = -1;
    int stickHeld = 0; // one bit for each of left, right and down
};

/// The open pads; a slot without a controller is free.
struct Gamepads {
    Gamepad pads[gamepadCount];
};

/// Takes one event: opens or closes a pad, or gives the virtual-key code that a press or a
/// stick pushed out of its dead zone stands for; -1 for everything else.
int handleGamepadEvent(Gamepads& gamepads, const SDL_Event& event, bool quitQuestionShows);

/// True while any open pad holds the arrow with this virtual-key code.
bool isGamepadHeld(const Gamepads& gamepads, int virtualKey);

/// Closes every open pad.
void closeGamepads(Gamepads& gamepads);

} // namespace crv
