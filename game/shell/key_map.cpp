// SDL keys as the virtual-key codes the rules understand, as Windows reports them.
#include "game/shell/key_map.h"

#include "game/rules/game.h"

namespace crv {

namespace {

struct Arrow {
    int virtualKey;
    SDL_Keycode symbol;
    SDL_Scancode scancode;
    SDL_Scancode keypadScancode;
};

constexpr Arrow arrows[] = {
    {KeyLeft, SDLK_LEFT, SDL_SCANCODE_LEFT, SDL_SCANCODE_KP_4},
    {KeyUp, SDLK_UP, SDL_SCANCODE_UP, SDL_SCANCODE_KP_8},
    {KeyRight, SDLK_RIGHT, SDL_SCANCODE_RIGHT, SDL_SCANCODE_KP_6},
    {KeyDown, SDLK_DOWN, SDL_SCANCODE_DOWN, SDL_SCANCODE_KP_2},
};

constexpr struct {
    char letter;
    int virtualKey;
} letterKeys[] = {{'f', KeyF}, {'n', KeyN}, {'p', KeyP}, {'s', KeyS}, {'y', KeyY}};

/// The Latin letter a key stands for, or 0. SDL's symbol of a character key is the character
/// itself, lower case, so a symbol beyond ASCII is a letter of another script (or an accented
/// one); such a key counts by its place. A non-letter in ASCII is no letter at any place.
char latinLetterOf(const SDL_Keysym& key) {
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) {
        return static_cast<char>(key.sym);
    }
    const bool beyondAscii = key.sym >= 0x80 && (key.sym & SDLK_SCANCODE_MASK) == 0;
    if (beyondAscii && key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z) {
        return static_cast<char>('a' + (key.scancode - SDL_SCANCODE_A));
    }
    return 0;
}

bool numLockOff(Uint16 modifiers) {
    return (modifiers & KMOD_NUM) == 0;
}

} // namespace

int virtualKeyFor(const SDL_Keysym& key) {
    if (key.sym == SDLK_ESCAPE) {
        return KeyEscape;
    }
    for (const Arrow& arrow : arrows) {
        if (key.sym == arrow.symbol ||
            (key.scancode == arrow.keypadScancode && numLockOff(key.mod))) {
            return arrow.virtualKey;
        }
    }
    const char letter = latinLetterOf(key);
    for (const auto& letterKey : letterKeys) {
        if (letter == letterKey.letter) {
            return letterKey.virtualKey;
        }
    }
    return -1;
}

bool isArrowHeld(const Uint8* keyboardState, Uint16 modifiers, int virtualKey) {
    for (const Arrow& arrow : arrows) {
        if (arrow.virtualKey == virtualKey) {
            return keyboardState[arrow.scancode] != 0 ||
                   (keyboardState[arrow.keypadScancode] != 0 && numLockOff(modifiers));
        }
    }
    return false;
}

bool isFullscreenToggle(const SDL_Keysym& key) {
    const bool enter = key.scancode == SDL_SCANCODE_RETURN || key.scancode == SDL_SCANCODE_KP_ENTER;
    return key.scancode == SDL_SCANCODE_F11 || (enter && (key.mod & KMOD_ALT) != 0);
}

} // namespace crv
