// The run of the front end: a handed-back game's dialogs come before the main menu.
#include "common/game_result.h"
#include "common/games_played.h"
#include "common/score_table.h"
#include "frontend/front_end.h"
#include "frontend/main_menu_dialog.h"
#include "frontend_test_support.h"
#include "tests/full_disk.h"

#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <string>
#include <vector>

using namespace crv;

Q_DECLARE_METATYPE(std::vector<std::string>)

class FrontEndFlowTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void resultDialogsComeBeforeTheMenu_data() {
        QTest::addColumn<std::vector<std::string>>("arguments");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("swingingGames");
        QTest::addColumn<int>("staticGames");
        QTest::addColumn<QString>("shownRow"); // the new row in the tables dialog
        const QStringList all{"NameEntryDialog", "HighScoresDialog", "MainMenuDialog"};
        const QStringList menu{"MainMenuDialog"};
        QTest::newRow("swinging score that enters")
            << handBackArguments(1, 12345) << all << 1 << 0 << "1|[No name entered]|12345";
        QTest::newRow("static score that enters")
            << handBackArguments(0, 3001) << all << 0 << 1 << "15|[No name entered]|3001";
        // handBackArguments(1, -5): a token that starts with "-" is a result, not an option.
        QTest::newRow("negative score")
            << std::vector<std::string>{"corvanth", "1", "-1671559239"} << menu << 1 << 0 << "";
        QTest::newRow("score equal to the last row")
            << handBackArguments(1, 3000) << menu << 1 << 0 << "";
        QTest::newRow("started by hand")
            << std::vector<std::string>{"/usr/games/corvanth"} << menu << 0 << 0 << "";
    }
    void resultDialogsComeBeforeTheMenu() {
        QFETCH(std::vector<std::string>, arguments);
        QFETCH(QStringList, dialogs);
        QFETCH(int, swingingGames);
        QFETCH(int, staticGames);
        QFETCH(QString, shownRow);
        const bool swinging = swingingGames > 0;

        QStringList shownRows;
        QString shownCount;
        ModalDriver driver([&](QWidget* modal) {
            const QString type = QString::fromLatin1(modal->metaObject()->className());
            if (type == "crv::NameEntryDialog") {
                // Nothing typed: the row is stored as "[No name entered]".
                modal->findChild<QPushButton*>("okButton")->click();
                return;
            }
            if (type == "crv::HighScoresDialog") {
                const auto* list =
                    modal->findChild<QTreeWidget*>(swinging ? "swingingList" : "staticList");
                for (int i = 0; i < list->topLevelItemCount(); ++i) {
                    const QTreeWidgetItem* item = list->topLevelItem(i);
                    shownRows << item->text(0) + '|' + item->text(1) + '|' + item->text(2);
                }
                shownCount =
                    modal->findChild<QLineEdit*>(swinging ? "swingingCountEdit" : "staticCountEdit")
                        ->text();
            }
            static_cast<QDialog*>(modal)->reject();
        });
        QCOMPARE(runFrontEnd(arguments, QString{}), 0);
        QCOMPARE(driver.seen(), dialogs);

        if (swingingGames + staticGames == 0) {
            QCOMPARE(QDir().entryList(QDir::Files), QStringList{});
            return;
        }
        const GamesPlayed games = readGamesPlayed();
        QCOMPARE(games.swingingGames, swingingGames);
        QCOMPARE(games.staticGames, staticGames);
        if (shownRow.isEmpty()) {
            QCOMPARE(QDir().entryList(QDir::Files), QStringList{"nrgames.dat"});
            return;
        }
        // The tables were read after the row was written, and show the new count.
        QVERIFY2(shownRows.contains(shownRow), qPrintable(shownRows.join(", ")));
        QCOMPARE(shownCount, QStringLiteral("1"));
        const ScoreTable table = readScoreTable(scoreFileName(swinging ? 1 : 0));
        const int place = shownRow.section('|', 0, 0).toInt();
        QCOMPARE(QString::fromUtf8(table.rows[place - 1].name),
                 QStringLiteral("[No name entered]"));
    }

    void failedSavesWarnThePlayerAtOnce() {
        QDir().mkdir(QStringLiteral("corvanth.cfg"));
        QStringList seen;
        ModalDriver driver([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle() + ": " + box->text();
                box->accept();
                return;
            }
            seen << QString::fromLatin1(modal->metaObject()->className()).remove("crv::");
            // Each button is clicked from the event loop, so the warning it raises reaches the
            // driver instead of waiting for this handler to return.
            const char* button = qobject_cast<MainMenuDialog*>(modal) ? "exitButton" : "okButton";
            QTimer::singleShot(0, modal->findChild<QPushButton*>(button), &QPushButton::click);
        });
        {
            const FullDisk full;
            runFrontEnd(handBackArguments(1, 12345), QString{});
        }

        const QStringList expected{
            "Save failed: Could not save \"nrgames.dat\": File too large",
            "NameEntryDialog",
            "Save failed: Could not save \"swing.scr\": File too large",
            "HighScoresDialog",
            "Save failed: Could not save \"swing.scr\": File too large",
            "Save failed: Could not save \"static.scr\": File too large",
            "MainMenuDialog",
            "Save failed: Could not save \"corvanth.cfg\": Is a directory",
        };
        QCOMPARE(seen, expected);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

  private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

std::unique_ptr<QObject> makeFrontEndFlowTests() {
    return std::make_unique<FrontEndFlowTests>();
}

#include "front_end_flow_tests.moc"
