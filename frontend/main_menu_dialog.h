// The main menu: game type, options, high scores, "Play!" and "Exit".
#pragma once

#include "ui_main_menu_dialog.h"

#include <QDialog>
#include <QString>

#include <cstdint>

namespace crv {

class MainMenuDialog : public QDialog {
    Q_OBJECT

  public:
    /// Reads the game type from the settings file; "Play!" starts crvmain from `gameDirectory`.
    explicit MainMenuDialog(const QString& gameDirectory, QWidget* parent = nullptr);

    std::int32_t gameMode() const { return m_gameMode; }

  private:
    void showGameMode();
    void toggleGameMode();
    void showOptions();
    void showHighScores();
    void showAbout();
    void play();
    void leave();

    Ui::MainMenuDialog m_ui;
    QString m_gameDirectory;
    std::int32_t m_gameMode = 1; // 0 static, non-zero swinging; written on "Play!" and "Exit"
};

} // namespace crv
