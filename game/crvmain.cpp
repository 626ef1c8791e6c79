// crvmain: the game program. Plays one game, then hands back to the front end; or shows a
// recorded one.
#include "common/build_facts.h"
#include "common/program_info.h"
#include "game/shell/live_game.h"
#include "game/shell/watch_replay.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const usageLine = "usage: crvmain [--help | --version | --replay FILE]\n";
const char* const usageText =
    "usage: crvmain [--help | --version | --replay FILE]\n"
    "The game program of Corvanth: plays one game in a window or full screen, then starts\n"
    "the front end as \"corvanth MODE SCORE\" with the mode and the scrambled final score.\n"
    "The front end starts it without arguments. It reads corvanth.cfg, the best score of\n"
    "swing.scr or static.scr and its pictures and sounds from the working directory, and\n"
    "writes the game's replay as lastgame.crr there when the game ends.\n"
    "Keys: Left, Right slide the piece; Up turns its colours; Down speeds up its fall;\n"
    "P pauses; Esc asks to quit (Y ends the game, N or Esc goes on); F shows the frame rate;\n"
    "S turns the sound on or off; F11 or Alt+Enter switches between window and full\n"
    "screen. A gamepad plays too: D-pad or left stick steers, D-pad up or A turns, Start\n"
    "pauses, Back asks to quit (A ends the game, B goes on).\n"
    "--replay FILE shows the game recorded in FILE at its own pace in the game's window, in\n"
    "its recorded mode with the picture settings of corvanth.cfg: P pauses, F shows the frame\n"
    "rate, Esc ends it; then it prints \"score N\" and the playfield's 18 rows. It starts no\n"
    "front end and writes no file.\n"
    "Exit status: 0 after a game or a replay, 1 when no window could be opened, 2 for a bad\n"
    "command line or a replay that cannot be read.\n";

} // namespace

int main(int argc, char** argv) {
    // Before the window or SDL, so it needs no display.
    if (crv::printedProgramInformation(argc, argv, crv::gameProgramName, usageText)) {
        return 0;
    }
    if (argc == 1) {
        return crv::runGame();
    }
    if (argc == 3 && std::strcmp(argv[1], "--replay") == 0) {
        return crv::watchReplayInWindow(argv[2]);
    }
    std::fputs(usageLine, stderr);
    return 2;
}
