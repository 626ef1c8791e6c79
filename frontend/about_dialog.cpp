// The About box.
#include "frontend/about_dialog.h"

#include <QPixmap>

namespace crv {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    m_ui.setupUi(this);
    m_ui.aboutPicture->setPixmap(QPixmap(QStringLiteral(":/pictures/about.png")));
    connect(m_ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace crv
