// SDL keys as the virtual-key codes the rules understand, as Windows reports them.
#pragma once

#include <SDL.h>

namespace crv {

/// The rules' virtual-key code for a key press, or -1 for a key the game ignores. A letter
/// key counts as its Latin letter where the layout has one and otherwise as the letter at its
/// place on a US keyboard; the keypad's arrows count as the arrows while NumLock is off.
/// Shift and Caps Lock change nothing.
int virtualKeyFor(const SDL_Keysym& key);

/// Whether an arrow's virtual key is held in this keyboard state (SDL_GetKeyboardState) with
/// these modifiers: the arrow key itself, or its keypad key while NumLock is off.
bool isArrowHeld(const Uint8* keyboardState, Uint16 modifiers, int virtualKey);

/// F11, or Alt with Enter: between window and full screen.
bool isFullscreenToggle(const SDL_Keysym& key);

} // namespace crv
