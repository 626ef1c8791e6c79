// The failed-save warning: a message box and a line on standard error.
#include "frontend/save_warning.h"

#include <QMessageBox>
#include <QString>

namespace crv {

void warnSaveFailed(QWidget* parent, const char* fileName, FileStatus status) {
    const std::string text = saveFailureText(fileName, status);
    printProblem(text);
    QMessageBox::warning(parent, QStringLiteral("Save failed"), QString::fromStdString(text));
}

} // namespace crv
