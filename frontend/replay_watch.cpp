// Watching a replay in the game window, the front end waiting with its windows disabled.
#include "frontend/replay_watch.h"

#include "common/build_facts.h"
#include "common/file_io.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QWidget>

#include <cstdio>

namespace crv {

namespace {

// Enough of what the game program said last to explain its failure to the player.
constexpr qsizetype errorTailBytes = 4096;

/// Disables every visible window of the front end while it lives, so that nothing is clicked
/// behind the game window, and enables them again when it goes.
class WindowsDisabled {
  public:
    WindowsDisabled() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isEnabled()) {
                window->setEnabled(false);
                m_windows.append(window);
            }
        }
    }
    ~WindowsDisabled() {
        for (const QPointer<QWidget>& window : m_windows) {
            if (window) {
                window->setEnabled(true);
            }
        }
    }
    WindowsDisabled(const WindowsDisabled&) = delete;
    WindowsDisabled& operator=(const WindowsDisabled&) = delete;

  private:
    QList<QPointer<QWidget>> m_windows;
};

/// The last line with any text in it.
QString lastLine(const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->trimmed().isEmpty()) {
            return QString::fromLocal8Bit(line->trimmed());
        }
    }
    return {};
}

} // namespace

QString gameProgramPath(const QString& gameDirectory) {
    return QDir(gameDirectory).filePath(QString::fromUtf8(gameProgramName));
}

bool watchReplayInGameProgram(QWidget* parent, const QString& gameDirectory,
                              const QString& fileName) {
    QProcess game;
    game.setProgram(gameProgramPath(gameDirectory));
    game.setArguments({QStringLiteral("--replay"), fileName});
    // Its output goes where the front end's goes; its errors too, and the last of them is kept
    // for the warning.
    game.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    game.setStandardInputFile(QProcess::nullDevice());
    QByteArray errorTail;
    QObject::connect(&game, &QProcess::readyReadStandardError, [&] {
        const QByteArray chunk = game.readAllStandardError();
        std::fwrite(chunk.constData(), 1, static_cast<std::size_t>(chunk.size()), stderr);
        errorTail = (errorTail + chunk).right(errorTailBytes);
    });
    {
        const WindowsDisabled disabled;
        game.start();
        if (game.waitForStarted(-1)) {
            // The front end's own loop runs on, so its windows repaint while the game shows.
            QEventLoop loop;
            QObject::connect(&game, &QProcess::finished, &loop, &QEventLoop::quit);
            if (game.state() != QProcess::NotRunning) {
                loop.exec();
            }
        }
    }
    if (QWidget* window = parent ? parent->window() : nullptr) {
        window->raise();
        window->activateWindow();
    }

    QString problem;
    QString reason; // the game program's own words, already on standard error
    if (game.error() == QProcess::FailedToStart) {
        problem = QStringLiteral("Could not start the game program \"%1\": %2")
                      .arg(game.program(), game.errorString());
    } else if (game.exitStatus() == QProcess::CrashExit) {
        problem = QStringLiteral("The game program stopped unexpectedly while showing \"%1\".")
                      .arg(fileName);
    } else if (game.exitCode() != 0) {
        problem = QStringLiteral("The game program could not show \"%1\" (exit status %2).")
                      .arg(fileName)
                      .arg(game.exitCode());
        reason = lastLine(errorTail);
    }
    if (problem.isEmpty()) {
        return true;
    }
    printProblem(problem.toStdString());
    if (!reason.isEmpty()) {
        problem += QStringLiteral("\n\n") + reason;
    }
    QMessageBox::warning(parent, QStringLiteral("Watching failed"), problem);
    return false;
}

} // namespace crv
