// "Highscore!": the score shown, the name taken on "OK".
#include "frontend/name_entry_dialog.h"

#include "common/score_table.h"

namespace crv {

NameEntryDialog::NameEntryDialog(std::int32_t score, QWidget* parent) : QDialog(parent) {
    m_ui.setupUi(this);
    m_ui.scoreEdit->setText(QString::number(score));
    m_ui.nameEdit->setMaxLength(maxNameLength);
    // Room for a usual name at any font; longer ones scroll sideways.
    m_ui.nameEdit->setMinimumWidth(m_ui.nameEdit->fontMetrics().averageCharWidth() * 28);
    m_ui.nameEdit->setFocus();
    connect(m_ui.okButton, &QPushButton::clicked, this, &NameEntryDialog::accept);
}

void NameEntryDialog::accept() {
    m_name = m_ui.nameEdit->text();
    if (m_name.isEmpty()) {
        m_name = QString::fromLatin1(noNameEntered);
    }
    QDialog::accept();
}

} // namespace crv
