// The main menu: the game type shown and written, "Play!", "Exit", Escape and the About box.
#include "common/build_facts.h"
#include "frontend/about_dialog.h"
#include "frontend/main_menu_dialog.h"
#include "frontend/replay_watch.h"
#include "frontend_test_support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using crv::MainMenuDialog;

namespace {

const QString swingingText = QStringLiteral("Type of game : Swinging playfield");
const QString staticText = QStringLiteral("Type of game : Static playfield");

QPushButton* button(const QWidget& dialog, const char* name) {
    QPushButton* widget = dialog.findChild<QPushButton*>(QLatin1String(name));
    if (!widget) {
        qFatal("no button %s", name);
    }
    return widget;
}

void click(const QWidget& dialog, const char* name) {
    QTest::mouseClick(button(dialog, name), Qt::LeftButton);
}

/// A stand-in for the game that leaves a mark in its working directory.
void writeFakeGame(const QString& directory) {
    const QString path = crv::gameProgramPath(directory);
    writeText(path, "#!/bin/sh\necho \"$#\" > crvmain.ran\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

} // namespace

class MainMenuDialogTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void showsTheGameTypeOfTheFile_data() {
        QTest::addColumn<std::optional<QByteArray>>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("no file") << std::optional<QByteArray>() << swingingText;
        QTest::newRow("0") << std::optional<QByteArray>("0\n1\n1\n0\n1\n1\n0\n6\n0\n0")
                           << staticText;
        QTest::newRow("1") << std::optional<QByteArray>("1") << swingingText;
        QTest::newRow("2") << std::optional<QByteArray>("2 1 1") << swingingText;
    }
    void showsTheGameTypeOfTheFile() {
        QFETCH(std::optional<QByteArray>, file);
        QFETCH(QString, text);
        if (file) {
            writeText("corvanth.cfg", *file);
        }
        MainMenuDialog dialog(QString{});
        QCOMPARE(button(dialog, "gameTypeButton")->text(), text);
    }

    void toggleTwiceThenExitWritesTheStartMode() {
        writeText("corvanth.cfg", "0\n3\n0\n1\n0\n0\n1\n9\n1\n1\n");
        MainMenuDialog dialog(QString{});
        dialog.show();
        click(dialog, "gameTypeButton");
        QCOMPARE(button(dialog, "gameTypeButton")->text(), swingingText);
        QCOMPARE(dialog.gameMode(), 1);
        click(dialog, "gameTypeButton");
        QCOMPARE(button(dialog, "gameTypeButton")->text(), staticText);
        click(dialog, "exitButton");
        QVERIFY(!dialog.isVisible());
        // Rewritten whole: the other nine values kept, no newline after the tenth.
        QCOMPARE(readText("corvanth.cfg"), QByteArray("0\n3\n0\n1\n0\n0\n1\n9\n1\n1"));
    }

    // Any non-zero mode is swinging, so one click on a stray mode must show static.
    void toggleFromAStrayModeGivesStatic_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("2") << QByteArray("2\n1\n1\n0\n1\n1\n0\n6\n0\n0");
        QTest::newRow("most negative") << QByteArray("-2147483648\n1\n1\n0\n1\n1\n0\n6\n0\n0");
    }
    void toggleFromAStrayModeGivesStatic() {
        QFETCH(QByteArray, file);
        writeText("corvanth.cfg", file);
        MainMenuDialog dialog(QString{});
        dialog.show();
        click(dialog, "gameTypeButton");
        QCOMPARE(button(dialog, "gameTypeButton")->text(), staticText);
        click(dialog, "exitButton");
        QCOMPARE(readText("corvanth.cfg"), QByteArray("0\n1\n1\n0\n1\n1\n0\n6\n0\n0"));
    }

    void exitWithoutAFileCreatesTheDefaults() {
        MainMenuDialog dialog(QString{});
        dialog.show();
        click(dialog, "gameTypeButton");
        click(dialog, "exitButton");
        QCOMPARE(readText("corvanth.cfg"), QByteArray("0\n1\n1\n0\n1\n1\n0\n6\n0\n0"));
    }

    void escapeOrCloseWritesNothing_data() {
        QTest::addColumn<std::optional<QByteArray>>("file");
        QTest::addColumn<bool>("escape");
        QTest::newRow("no file, Escape") << std::optional<QByteArray>() << true;
        QTest::newRow("file, Escape") << std::optional<QByteArray>("1 2 1 0 1 1 0 6 0 0\n") << true;
        QTest::newRow("file, close box")
            << std::optional<QByteArray>("1 2 1 0 1 1 0 6 0 0\n") << false;
    }
    void escapeOrCloseWritesNothing() {
        QFETCH(std::optional<QByteArray>, file);
        QFETCH(bool, escape);
        if (file) {
            writeText("corvanth.cfg", *file);
        }
        MainMenuDialog dialog(QString{});
        dialog.show();
        click(dialog, "gameTypeButton");
        if (escape) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            dialog.close();
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(readText("corvanth.cfg"), file);
    }

    // Enter is "Play!": the mode is on disk before the game starts, and the menu ends.
    void playWritesTheModeAndStartsTheGame() {
        QTemporaryDir gameDirectory;
        writeFakeGame(gameDirectory.path());
        MainMenuDialog dialog(gameDirectory.path());
        dialog.show();
        click(dialog, "gameTypeButton");
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readText("corvanth.cfg"), QByteArray("0\n1\n1\n0\n1\n1\n0\n6\n0\n0"));
        // Started without arguments, in the front end's working directory.
        QTRY_COMPARE_WITH_TIMEOUT(readText("crvmain.ran"), QByteArray("0\n"), 10000);
    }

    void playWithoutAGameStillWritesAndEnds() {
        QTemporaryDir emptyDirectory;
        MainMenuDialog dialog(emptyDirectory.path());
        dialog.show();
        click(dialog, "playButton");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readText("corvanth.cfg"), QByteArray("1\n1\n1\n0\n1\n1\n0\n6\n0\n0"));
    }

    // The About box is reached from the context menu and from F1, and ends with its "OK".
    void aboutBoxIsReachable() {
        MainMenuDialog dialog(QString{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(dialog.actions().size(), 1);
        QCOMPARE(dialog.actions().first()->text(), QStringLiteral("&About CorvanthFE..."));

        ModalDriver driver([](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("About Corvanth"));
            click(*modal, "okButton");
        });
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(driver.seen(), QStringList{"AboutDialog"});
        QVERIFY(dialog.isVisible());
    }

    // The menu bears the build's name and version, as the game's window does, and so does the
    // About text; neither keeps the .ui's placeholders.
    void titlesNameTheBuildsVersion() {
        const QString nameAndVersion =
            QString::fromUtf8(crv::productName) + " v" + QString::fromUtf8(crv::productVersion);
        QCOMPARE(MainMenuDialog(QString{}).windowTitle(), nameAndVersion);
        QCOMPARE(QString::fromUtf8(crv::windowTitle), nameAndVersion);

        crv::AboutDialog about;
        const QString text = about.findChild<QLabel*>(QStringLiteral("aboutText"))->text();
        QVERIFY2(text.startsWith("<p><b>" + nameAndVersion + "</b></p>"), qPrintable(text));
    }

  private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

std::unique_ptr<QObject> makeMainMenuDialogTests() {
    return std::make_unique<MainMenuDialogTests>();
}

#include "main_menu_dialog_tests.moc"
