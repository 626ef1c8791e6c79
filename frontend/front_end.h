// The front end's run from start to end: a handed-back game first, then the main menu.
#pragma once

#include <QIcon>
#include <QString>

#include <string>
#include <vector>

namespace crv {

/// The generated icon in all its sizes: the window icon of every dialog.
QIcon applicationIcon();

/// Handles a game result on the command line (`arguments`, program name first) with the
/// name-entry and high-score dialogs, then runs the main menu modally and returns when it
/// ends. "Play!" and the watch buttons of "Highscores" start crvmain from `gameDirectory`.
/// Needs a QApplication.
int runFrontEnd(const std::vector<std::string>& arguments, const QString& gameDirectory);

} // namespace crv
