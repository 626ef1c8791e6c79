// corvanth, the front end: the game result handed back, then the main menu.
#include "frontend/front_end.h"

#include <QApplication>

#include <cstring>
#include <iostream>
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
    "live in the working directory: corvanth.cfg, swing.scr, static.scr, nrgames.dat.\n"
    "Qt's own options, such as -platform NAME, are taken as well.\n";

/// --help or --version as the one argument: printed, and true. Only that exact line counts,
/// so a game result such as "corvanth 1 -5" with its negative score is never an option.
bool printedInformation(int argc, char** argv) {
    if (argc != 2) {
        return false;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::cout << usageText;
        return true;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "corvanth (Corvanth " CORVANTH_VERSION ")\n";
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Before QApplication, which needs a display.
    if (printedInformation(argc, argv)) {
        return 0;
    }
    // QApplication takes its own options out of argv; the game result is read from all of it.
    const std::vector<std::string> arguments(argv, argv + argc);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(crv::applicationIcon());
    // The menu entry's id: Wayland's app id and the window class under X, so a desktop
    // ties the windows to the entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.corvanth.Corvanth"));
    // crvmain lies beside this program, in whatever directory it was installed or built.
    return crv::runFrontEnd(arguments, QCoreApplication::applicationDirPath());
}
