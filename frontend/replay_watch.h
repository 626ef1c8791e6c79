// Watching a replay: the game program shows it in its window while the front end waits.
#pragma once

#include <QString>

class QWidget;

namespace crv {

/// The game program, crvmain, in `gameDirectory`; "Play!" starts it from there too.
QString gameProgramPath(const QString& gameDirectory);

/// Starts "crvmain --replay FILE" in the working directory and waits, with every window of
/// the front end disabled but still painted, until the game window closes; then brings
/// `parent`'s window back to the front. A game program that cannot be started, crashes or
/// exits with a failure is reported in a warning box over `parent`. True when the game
/// program ended well.
bool watchReplayInGameProgram(QWidget* parent, const QString& gameDirectory,
                              const QString& fileName);

} // namespace crv
