// corvanth, the front end: the game result handed back, then the main menu.
#include "frontend/front_end.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    // QApplication takes its own options out of argv; the game result is read from all of it.
    const std::vector<std::string> arguments(argv, argv + argc);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(crv::applicationIcon());
    // crvmain lies beside this program, in whatever directory it was installed or built.
    return crv::runFrontEnd(arguments, QCoreApplication::applicationDirPath());
}
