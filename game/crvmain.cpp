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
    "S turns the sound on or off.\n";

} // namespace

int main(int argc, char** argv) {
    // Before the window or SDL, so it needs no display.
    if (crv::printedProgramInformation(argc, argv, "crvmain", usageText)) {
        return 0;
    }
    return crv::runGame();
}
