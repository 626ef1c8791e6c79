// The About box.
#include "frontend/about_dialog.h"

#include "common/build_facts.h"

#include <QPixmap>

namespace crv {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    m_ui.setupUi(this);
    // The text names the product and its version as %1 and %2.
    m_ui.aboutText->setText(m_ui.aboutText->text().arg(QString::fromUtf8(crv::productName),
                                                       QString::fromUtf8(crv::productVersion)));
    m_ui.aboutPicture->setPixmap(QPixmap(QStringLiteral(":/pictures/about.png")));
    connect(m_ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace crv
