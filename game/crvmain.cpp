// crvmain: the game program. Plays one game, then hands back to the front end.
#include "common/program_info.h"
#include "game/shell/game_shell.h"

namespace {

const char* const usageText =
    "usage: crvmain [--help | --version]\n"
    "The game program of Corvanth: plays one game in a window or full screen, then starts\n"
    "the front end as \"corvanth MODE SCORE\" with the mode and the scrambled final score.\n"
    "The front end starts it without arguments. It reads corvanth.cfg, the best score of\n"
    "swing.scr or static.scr and its pictures and sounds from the working directory.\n"
    "Keys: Left, Right slide the piece; Up turns its colours; Down speeds up its fall;\n"
    "P pauses; Esc asks to quit (Y ends the game, N or Esc goes on); F shows the frame rate;\n"
    "S turns the sound on or off; F11 or Alt+Enter switches between window and full\n"
    "screen. A gamepad plays too: D-pad or left stick steers, D-pad up or A turns, Start\n"
    "pauses, Back asks to quit (A ends the game, B goes on).\n"
    "Exit status: 0 after a game, 1 when no window could be opened.\n";

} // namespace

int main(int argc, char** argv) {
    // Before the window or SDL, so it needs no display.
    if (crv::printedProgramInformation(argc, argv, "crvmain", usageText)) {
        return 0;
    }
    return crv::runGame();
}
