// crvmain: the game program. Plays one game, then hands back to the front end.
#include "game/shell/game_shell.h"

int main(int, char**) {
    return crv::runGame();
}
