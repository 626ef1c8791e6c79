// The warning a player gets when a save of their data fails.
#pragma once

#include "common/file_io.h"

class QWidget;

namespace crv {

/// Names the file and the reason in a warning message box over `parent`, and on standard
/// error, so a lost score or setting never passes for a saved one.
void warnSaveFailed(QWidget* parent, const char* fileName, FileStatus status);

} // namespace crv
