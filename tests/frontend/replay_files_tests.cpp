// The best game of each mode kept beside its table, and watching games again from "Highscores".
#include "common/game_result.h"
#include "common/process_game_result.h"
#include "common/replay.h"
#include "common/score_table.h"
#include "frontend/front_end.h"
#include "frontend/high_scores_dialog.h"
#include "frontend/replay_watch.h"
#include "frontend_test_support.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <optional>
#include <string>

using namespace crv;

namespace {

/// A short replay of a game in `gameMode` that handed back `finalScore`.
QByteArray replayOf(std::int32_t gameMode, std::int32_t finalScore) {
    ReplayRecord record;
    reserveReplay(record, ReplayStart{12345u, gameMode, 1, 10000.0f}, 256);
    ReplayTurn turn;
    turn.frameTime = 1.0f;
    recordTurn(record, turn);
    turn.frameTime = 2.5f;
    turn.keyCount = 1;
    turn.keys[0] = 37; // left, pressed and then held
    turn.held = 1;     // the left arrow's bit
    recordTurn(record, turn);
    record.finalScore = finalScore;
    return QByteArray::fromStdString(encodeReplay(record));
}

/// A replay cut off half-way through its packed turns.
QByteArray damagedReplay() {
    const QByteArray whole = replayOf(1, 12345);
    return whole.left(whole.size() / 2);
}

/// The handed-back command line of a game.
std::string resultLine(std::int32_t gameMode, std::int32_t score) {
    std::string line;
    for (const std::string& token : handBackArguments(gameMode, score)) {
        line += (line.empty() ? "" : " ") + token;
    }
    return line;
}

/// A stand-in for the game that notes its arguments, waits until the test lets it go and
/// ends with `status`, saying why on standard error when that is a failure.
void writeFakeGame(const QString& directory, int status) {
    const QString path = gameProgramPath(directory);
    QByteArray script = "#!/bin/sh\nprintf '%s\\n' \"$@\" > crvmain.ran\n"
                        "i=0\nwhile [ ! -e crvmain.go ] && [ $i -lt 500 ]; do\n"
                        "  sleep 0.02; i=$((i + 1))\ndone\n";
    if (status != 0) {
        script += "echo \"crvmain: Could not watch \\\"$2\\\": damaged\" >&2\n";
    }
    script += "exit " + QByteArray::number(status) + "\n";
    writeText(path, script);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

QPushButton* button(const QWidget& dialog, const char* name) {
    QPushButton* widget = dialog.findChild<QPushButton*>(QLatin1String(name));
    if (!widget) {
        qFatal("no button %s", name);
    }
    return widget;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class ReplayFilesTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    // Over the fresh tables (row 1 10000) and an old best game of each mode.
    void bestGameKeptOnlyForANewRowOne_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("score");
        QTest::addColumn<std::optional<QByteArray>>("lastGame");
        QTest::addColumn<int>("place"); // of the new row
        QTest::addColumn<bool>("kept");
        const std::optional<QByteArray> none;
        QTest::newRow("row 1, swinging")
            << 1 << 12345 << std::optional(replayOf(1, 12345)) << 1 << true;
        QTest::newRow("row 1, static")
            << 0 << 10001 << std::optional(replayOf(0, 10001)) << 1 << true;
        QTest::newRow("recorded mode 2 is swinging")
            << 1 << 12345 << std::optional(replayOf(2, 12345)) << 1 << true;
        QTest::newRow("row 2") << 1 << 9999 << std::optional(replayOf(1, 9999)) << 2 << false;
        QTest::newRow("equal to row 1, so below it")
            << 0 << 10000 << std::optional(replayOf(0, 10000)) << 2 << false;
        QTest::newRow("recorded in the other mode")
            << 1 << 12345 << std::optional(replayOf(0, 12345)) << 1 << false;
        QTest::newRow("recorded with another score")
            << 0 << 12345 << std::optional(replayOf(0, 12344)) << 1 << false;
        QTest::newRow("no last game") << 1 << 12345 << none << 1 << false;
        QTest::newRow("damaged last game")
            << 1 << 12345 << std::optional(damagedReplay()) << 1 << false;
        QTest::newRow("not a replay")
            << 0 << 12345 << std::optional(QByteArray("12345 points, honest")) << 1 << false;
    }
    void bestGameKeptOnlyForANewRowOne() {
        QFETCH(int, mode);
        QFETCH(int, score);
        QFETCH(std::optional<QByteArray>, lastGame);
        QFETCH(int, place);
        QFETCH(bool, kept);
        const QByteArray oldSwinging = replayOf(1, 11000);
        const QByteArray oldStatic = replayOf(0, 11000);
        writeText("swing.crr", oldSwinging);
        writeText("static.crr", oldStatic);
        if (lastGame) {
            writeText("lastgame.crr", *lastGame);
        }

        GameResultHooks hooks;
        hooks.saveFailed = [](const char* fileName, FileStatus status) {
            QFAIL(qPrintable(QString::fromStdString(saveFailureText(fileName, status))));
        };
        QVERIFY(processGameResult(resultLine(mode, score), hooks));

        const ScoreRow& row = readScoreTable(scoreFileName(mode)).rows[place - 1];
        QCOMPARE(row.score, score);
        QCOMPARE(QString::fromUtf8(row.name), QStringLiteral("[No name entered]"));
        const bool swinging = mode != 0;
        QCOMPARE(readText(swinging ? "swing.crr" : "static.crr"),
                 kept ? lastGame : std::optional(swinging ? oldSwinging : oldStatic));
        // The other mode's best game is never touched, nor the last game.
        QCOMPARE(readText(swinging ? "static.crr" : "swing.crr"),
                 std::optional(swinging ? oldStatic : oldSwinging));
        QCOMPARE(readText("lastgame.crr"), lastGame);
    }

    // A best game that cannot be saved is reported like any failed save, after the row.
    void failedKeepWarnsAndTheTableStays() {
        writeText("lastgame.crr", replayOf(1, 12345));
        QDir().mkdir(QStringLiteral("swing.crr"));
        QStringList seen;
        ModalDriver driver([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle() + ": " + box->text();
                box->accept();
                return;
            }
            seen << QString::fromLatin1(modal->metaObject()->className()).remove("crv::");
            QTimer::singleShot(0, static_cast<QDialog*>(modal), &QDialog::reject);
        });
        runFrontEnd(handBackArguments(1, 12345), QString{});

        const QStringList expected{
            "NameEntryDialog",
            "Save failed: Could not save \"swing.crr\": Is a directory",
            "HighScoresDialog",
            "MainMenuDialog",
        };
        QCOMPARE(seen, expected);
        QCOMPARE(readScoreTable(swingScoreFileName).rows[0].score, 12345);
    }

    void watchButtonsOfferOnlyGamesThatCanBeWatched_data() {
        QTest::addColumn<std::optional<QByteArray>>("swinging");
        QTest::addColumn<std::optional<QByteArray>>("statics");
        QTest::addColumn<std::optional<QByteArray>>("lastGame");
        QTest::addColumn<QString>("enabled"); // swinging, static, last game: 1 or 0
        const std::optional<QByteArray> none;
        QTest::newRow("no files") << none << none << none << "000";
        QTest::newRow("all three")
            << std::optional(replayOf(1, 20000)) << std::optional(replayOf(0, 15000))
            << std::optional(replayOf(0, 900)) << "111";
        QTest::newRow("a last game only")
            << none << none << std::optional(replayOf(1, 400)) << "001";
        QTest::newRow("damaged and foreign files")
            << std::optional(damagedReplay()) << std::optional(QByteArray("CRVRPLAX"))
            << std::optional(replayOf(1, 400)) << "001";
        QTest::newRow("an empty last game")
            << std::optional(replayOf(1, 20000)) << none << std::optional(QByteArray()) << "100";
    }
    void watchButtonsOfferOnlyGamesThatCanBeWatched() {
        QFETCH(std::optional<QByteArray>, swinging);
        QFETCH(std::optional<QByteArray>, statics);
        QFETCH(std::optional<QByteArray>, lastGame);
        QFETCH(QString, enabled);
        for (const auto& [name, content] :
             {std::pair{"swing.crr", swinging}, std::pair{"static.crr", statics},
              std::pair{"lastgame.crr", lastGame}}) {
            if (content) {
                writeText(name, *content);
            }
        }
        HighScoresDialog dialog(QString{});
        QString shown;
        for (const char* name :
             {"swingingWatchButton", "staticWatchButton", "lastGameWatchButton"}) {
            const QPushButton* watch = button(dialog, name);
            shown += watch->isEnabled() ? '1' : '0';
            QVERIFY(!watch->toolTip().isEmpty());
        }
        QCOMPARE(shown, enabled);
        if (swinging == std::optional(damagedReplay())) {
            QVERIFY2(button(dialog, "swingingWatchButton")->toolTip().contains("truncated"),
                     qPrintable(button(dialog, "swingingWatchButton")->toolTip()));
        }
    }

    // The game program shows the replay while every window waits disabled; the dialog stays
    // open, even against a close, and is usable again when the game ends.
    void watchingStartsTheGameAndTheDialogComesBack_data() {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("status"); // -1: no game program
        QTest::addColumn<QString>("warning");
        QTest::newRow("best swinging game") << "swingingWatchButton"
                                            << "swing.crr" << 0 << "";
        QTest::newRow("best static game") << "staticWatchButton"
                                          << "static.crr" << 0 << "";
        QTest::newRow("last game") << "lastGameWatchButton"
                                   << "lastgame.crr" << 0 << "";
        QTest::newRow("the game refuses the file")
            << "lastGameWatchButton"
            << "lastgame.crr" << 2
            << "The game program could not show \"lastgame.crr\" (exit status 2).\n\n"
               "crvmain: Could not watch \"lastgame.crr\": damaged";
        QTest::newRow("no game program") << "swingingWatchButton"
                                         << "swing.crr" << -1 << "Could not start the game program";
    }
    void watchingStartsTheGameAndTheDialogComesBack() {
        QFETCH(QString, buttonName);
        QFETCH(QString, fileName);
        QFETCH(int, status);
        QFETCH(QString, warning);
        writeText("swing.crr", replayOf(1, 20000));
        writeText("static.crr", replayOf(0, 20000));
        writeText("lastgame.crr", replayOf(0, 500));
        QTemporaryDir gameDirectory;
        if (status >= 0) {
            writeFakeGame(gameDirectory.path(), status);
        }

        QWidget menu; // stands in for the main menu behind the dialog
        menu.show();
        HighScoresDialog dialog(gameDirectory.path());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // While the game runs: every window is disabled and the dialog outlives a close.
        bool checkedWhileWatching = false;
        QString whileWatching; // menu, dialog enabled; dialog visible after a close
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (checkedWhileWatching || !QFile::exists("crvmain.ran")) {
                return;
            }
            checkedWhileWatching = true;
            whileWatching += menu.isEnabled() ? '1' : '0';
            whileWatching += dialog.isEnabled() ? '1' : '0';
            dialog.close();
            whileWatching += dialog.isVisible() ? '1' : '0';
            writeText("crvmain.go", "");
        });
        watcher.start(10);
        QStringList warnings;
        ModalDriver driver([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                warnings << box->windowTitle() + ": " + box->text();
                box->accept();
            }
        });

        bool watched = false;
        QPushButton* watch = button(dialog, qPrintable(buttonName));
        QVERIFY(watch->isEnabled());
        // Connected after the dialog's own handler, so it runs once the watching is over.
        connect(watch, &QPushButton::clicked, [&] { watched = true; });
        QTimer::singleShot(0, watch, &QPushButton::click);
        QTRY_VERIFY_WITH_TIMEOUT(watched, 15000);

        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.isEnabled());
        QVERIFY(menu.isEnabled());
        if (status >= 0) {
            QVERIFY(checkedWhileWatching);
            QCOMPARE(whileWatching, QStringLiteral("001"));
            QCOMPARE(readText("crvmain.ran"), "--replay\n" + fileName.toUtf8() + "\n");
        }
        if (warning.isEmpty()) {
            QCOMPARE(warnings, QStringList{});
        } else {
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings[0].startsWith("Watching failed: " + warning),
                     qPrintable(warnings[0]));
        }
        // Still the dialog it was: "OK" ends it.
        button(dialog, "okButton")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

  private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

std::unique_ptr<QObject> makeReplayFilesTests() {
    return std::make_unique<ReplayFilesTests>();
}

#include "replay_files_tests.moc"
