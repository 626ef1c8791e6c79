// "Highscores": both tables side by side with the games played and the games to watch again;
// "OK" writes both tables.
#pragma once

#include "common/score_table.h"
#include "ui_high_scores_dialog.h"

#include <QDialog>
#include <QString>

class QTreeWidget;

namespace crv {

class HighScoresDialog : public QDialog {
    Q_OBJECT

  public:
    /// Reads "nrgames.dat", "swing.scr" and "static.scr" afresh, and checks the replays kept;
    /// the watch buttons start crvmain from `gameDirectory`.
    explicit HighScoresDialog(const QString& gameDirectory, QWidget* parent = nullptr);

    void accept() override;
    /// Ignored while a replay is being watched, so the dialog stays until the game is back.
    void done(int result) override;

  private:
    /// Enables the button only for a replay that can be watched, its tooltip saying which
    /// game it is or why there is none.
    void offerReplay(QPushButton* button, const char* fileName, const QString& noneText);
    void watch(const char* fileName);

    Ui::HighScoresDialog m_ui;
    QString m_gameDirectory;
    bool m_watching = false;
    ScoreTable m_swingingTable;
    ScoreTable m_staticTable;
    /// How each file read when the dialog opened; an unreadable one is never written over.
    FileStatus m_swingingRead;
    FileStatus m_staticRead;
};

/// Sorts the table in place and shows it in the list: place, name, score.
void fillScoreList(ScoreTable& table, QTreeWidget* list);

} // namespace crv
