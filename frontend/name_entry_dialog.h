// "Highscore!": asks the player's name for a score that entered its table.
#pragma once

#include "common/score_table.h"
#include "ui_name_entry_dialog.h"

#include <QDialog>
#include <QString>

#include <cstdint>

namespace crv {

class NameEntryDialog : public QDialog {
    Q_OBJECT

  public:
    /// The name edit takes at most this many bytes of UTF-8, all that a score row holds.
    static constexpr int maxNameBytes = nameFieldSize - 1;

    explicit NameEntryDialog(std::int32_t score, QWidget* parent = nullptr);

    /// The name confirmed with "OK" ("[No name entered]" for an empty one); empty when the
    /// dialog was closed any other way.
    QString name() const { return m_name; }

    void accept() override;

  private:
    Ui::NameEntryDialog m_ui;
    QString m_name;
};

} // namespace crv
