// The main menu: the game type lives here until "Play!" or "Exit" writes it.
#include "frontend/main_menu_dialog.h"

#include "common/build_facts.h"
#include "common/settings.h"
#include "frontend/about_dialog.h"
#include "frontend/high_scores_dialog.h"
#include "frontend/options_dialog.h"
#include "frontend/replay_watch.h"
#include "frontend/save_warning.h"

#include <QAction>
#include <QKeySequence>
#include <QPixmap>
#include <QProcess>

namespace crv {

MainMenuDialog::MainMenuDialog(const QString& gameDirectory, QWidget* parent)
    : QDialog(parent), m_gameDirectory(gameDirectory) {
    m_ui.setupUi(this);
    setWindowTitle(QString::fromUtf8(crv::windowTitle)); // the game's window's title too
    m_ui.titlePicture->setPixmap(QPixmap(QStringLiteral(":/pictures/title.png")));

    // Window managers keep the window menu to themselves, so About sits in the context menu.
    auto* about = new QAction(tr("&About CorvanthFE..."), this);
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QAction::triggered, this, &MainMenuDialog::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(m_ui.gameTypeButton, &QPushButton::clicked, this, &MainMenuDialog::toggleGameMode);
    connect(m_ui.optionsButton, &QPushButton::clicked, this, &MainMenuDialog::showOptions);
    connect(m_ui.highScoresButton, &QPushButton::clicked, this, &MainMenuDialog::showHighScores);
    connect(m_ui.playButton, &QPushButton::clicked, this, &MainMenuDialog::play);
    connect(m_ui.exitButton, &QPushButton::clicked, this, &MainMenuDialog::leave);

    // Big buttons, as a game's menu has; half again the height the font asks for.
    for (QPushButton* button : {m_ui.gameTypeButton, m_ui.optionsButton, m_ui.highScoresButton,
                                m_ui.playButton, m_ui.exitButton}) {
        button->setMinimumHeight(button->sizeHint().height() * 3 / 2);
    }

    m_gameMode = loadMenuGameMode();
    showGameMode();
    // Enter starts the game, as "Play!" is the default button.
    m_ui.playButton->setFocus();
}

void MainMenuDialog::showGameMode() {
    m_ui.gameTypeButton->setText(m_gameMode != 0 ? tr("Type of game : Swinging playfield")
                                                 : tr("Type of game : Static playfield"));
}

void MainMenuDialog::toggleGameMode() {
    // Any non-zero mode counts as swinging, so toggling a stray 2 gives static.
    m_gameMode = m_gameMode != 0 ? 0 : 1;
    showGameMode();
}

void MainMenuDialog::showOptions() {
    OptionsDialog dialog(this);
    dialog.exec();
}

void MainMenuDialog::showHighScores() {
    HighScoresDialog dialog(m_gameDirectory, this);
    dialog.exec();
}

void MainMenuDialog::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void MainMenuDialog::play() {
    // The game plays with the settings on disk either way; the player learns the mode was lost.
    if (const FileStatus saved = saveGameMode(m_gameMode); !saved) {
        warnSaveFailed(this, settingsFileName, saved);
    }
    // A game that cannot be started goes unnoticed: the front end quits either way.
    QProcess::startDetached(gameProgramPath(m_gameDirectory), {});
    accept();
}

void MainMenuDialog::leave() {
    if (const FileStatus saved = saveGameMode(m_gameMode); !saved) {
        warnSaveFailed(this, settingsFileName, saved);
    }
    accept();
}

} // namespace crv
