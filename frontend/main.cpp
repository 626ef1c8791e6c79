// corvanth, the front end: the game result handed back, then the main menu.
#include "common/build_facts.h"
#include "common/program_info.h"
#include "frontend/front_end.h"

#include <QApplication>

#include <string>
#include <vector>

namespace {

const char* const usageText =
    "usage: corvanth [--help | --version]\n"
    "       corvanth MODE SCORE\n"
    "The front end of Corvanth: the main menu, the options and the high-score tables.\n"
    "Without arguments it opens the main menu; \"Play!\" starts crvmain from this program's\n"
    "directory. crvmain starts it again as \"corvanth MODE SCORE\" (MODE 1 swinging, 0 static,\n"
    "SCORE scrambled) to count the game and enter a high score. Settings, tables and counters\n"
    "live in the working directory: corvanth.cfg, swing.scr, static.scr, nrgames.dat; so do\n"
    "the replays of the last game and each mode's best: lastgame.crr, swing.crr, static.crr.\n"
    "Qt's own options, such as -platform NAME, are taken as well.\n";

} // namespace

int main(int argc, char** argv) {
    // Before QApplication, which needs a display.
    if (crv::printedProgramInformation(argc, argv, crv::frontEndProgramName, usageText)) {
        return 0;
    }
    // QApplication takes its own options out of argv; the game result is read from all of it.
    const std::vector<std::string> arguments(argv, argv + argc);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(crv::applicationIcon());
    // The menu entry's id, Wayland's app id, so a desktop ties the windows to the entry and
    // its icon; under X the program's name, "corvanth", is the window class the entry names.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(crv::applicationId));
    // crvmain lies beside this program, in whatever directory it was installed or built.
    return crv::runFrontEnd(arguments, QCoreApplication::applicationDirPath());
}
