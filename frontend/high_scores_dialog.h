// "Highscores": both tables side by side with the games played; "OK" writes both tables.
#pragma once

#include "common/score_table.h"
#include "ui_high_scores_dialog.h"

#include <QDialog>

class QTreeWidget;

namespace crv {

class HighScoresDialog : public QDialog {
    Q_OBJECT

  public:
    /// Reads "nrgames.dat", "swing.scr" and "static.scr" afresh.
    explicit HighScoresDialog(QWidget* parent = nullptr);

    void accept() override;

  private:
    Ui::HighScoresDialog m_ui;
    ScoreTable m_swingingTable;
    ScoreTable m_staticTable;
    /// How each file read when the dialog opened; an unreadable one is never written over.
    FileStatus m_swingingRead;
    FileStatus m_staticRead;
};

/// Sorts the table in place and shows it in the list: place, name, score.
void fillScoreList(ScoreTable& table, QTreeWidget* list);

} // namespace crv
