// "Highscore!": the score shown, the name taken on "OK".
#include "frontend/name_entry_dialog.h"

#include "common/score_table.h"

#include <QLineEdit>
#include <QStringView>
#include <QValidator>

#include <algorithm>

namespace crv {

namespace {

/// Characters the edit shows as blanks but the score file would keep or break a line at.
bool showsAsBlank(QChar c) {
    return c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == QChar(0x85) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

/// Keeps the name within `NameEntryDialog::maxNameBytes` and free of line breaks and tabs.
/// Qt hands validate() the text after the edit, so the text before it is kept here to tell the
/// inserted part, the only part that is cleaned and cut.
class NameValidator : public QValidator {
  public:
    explicit NameValidator(QLineEdit* edit) : QValidator(edit), m_accepted(edit->text()) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_accepted = text; });
    }

    State validate(QString& input, int& pos) const override {
        const QStringView before(m_accepted);
        const qsizetype common = std::min(input.size(), before.size());
        qsizetype prefix = 0;
        while (prefix < common && input[prefix] == before[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < common - prefix &&
               input[input.size() - 1 - suffix] == before[before.size() - 1 - suffix]) {
            ++suffix;
        }
        // A surrogate pair split by the comparison goes wholly to the inserted part.
        if (prefix > 0 && input[prefix - 1].isHighSurrogate()) {
            --prefix;
        }
        if (suffix > 0 && input[input.size() - suffix].isLowSurrogate()) {
            --suffix;
        }

        const QStringView text(input);
        const QStringView head = text.left(prefix);
        const QStringView tail = text.right(suffix);
        const QStringView added = text.mid(prefix, text.size() - prefix - suffix);
        qsizetype room =
            NameEntryDialog::maxNameBytes - head.toUtf8().size() - tail.toUtf8().size();
        QString kept;
        for (qsizetype i = 0; i < added.size();) {
            const qsizetype units =
                added[i].isHighSurrogate() && i + 1 < added.size() && added[i + 1].isLowSurrogate()
                    ? 2
                    : 1;
            QStringView character = added.mid(i, units);
            i += units;
            qsizetype bytes = 4; // a lone high surrogate holds room for the pair it starts
            if (units == 1 && showsAsBlank(character[0])) {
                character = u" ";
            } else if (units == 1 && character[0].category() == QChar::Other_Control) {
                continue; // invisible in the edit, and a zero would end the stored name
            } else if (units == 1 && character[0].isLowSurrogate()) {
                continue; // half of a character whose first half did not fit
            }
            if (units == 2 || !character[0].isHighSurrogate()) {
                bytes = character.toUtf8().size();
            }
            if (bytes > room) {
                break; // cut where it stops fitting, not later
            }
            room -= bytes;
            kept += character;
        }
        if (kept != added) {
            input = head.toString() + kept + tail.toString();
            pos = int(prefix + kept.size());
        }
        return Acceptable;
    }

  private:
    QString m_accepted;
};

} // namespace

NameEntryDialog::NameEntryDialog(std::int32_t score, QWidget* parent) : QDialog(parent) {
    m_ui.setupUi(this);
    m_ui.scoreEdit->setText(QString::number(score));
    // The limit is in bytes, counted by the validator; the edit keeps Qt's high default length,
    // which counts UTF-16 units and would otherwise cut first.
    m_ui.nameEdit->setValidator(new NameValidator(m_ui.nameEdit));
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
