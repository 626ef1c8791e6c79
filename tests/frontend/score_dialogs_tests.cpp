// "Highscores" and "Highscore!": the tables and counts shown, what "OK" writes, the name taken.
#include "common/games_played.h"
#include "common/score_table.h"
#include "frontend/high_scores_dialog.h"
#include "frontend/name_entry_dialog.h"
#include "frontend_test_support.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <cstring>

using namespace crv;

namespace {

template <typename T> T* control(const QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

/// A list's rows as "place|name|score".
QStringList rowsOf(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << item->text(0) + '|' + item->text(1) + '|' + item->text(2);
    }
    return rows;
}

QStringList freshRows() {
    QStringList rows;
    for (int i = 0; i < 15; ++i) {
        rows << QStringLiteral("%1|Zelmorath|%2").arg(i + 1).arg(10000 - 500 * i);
    }
    return rows;
}

QByteArray bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

} // namespace

class ScoreDialogsTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void noFilesShowTwoFreshTablesAndEscapeWritesNothing() {
        HighScoresDialog dialog;
        for (const char* name : {"swingingList", "staticList"}) {
            const QTreeWidget* list = control<QTreeWidget>(dialog, name);
            QCOMPARE(rowsOf(list), freshRows());
            const QTreeWidgetItem* header = list->headerItem();
            QCOMPARE(header->text(0), QStringLiteral("Place"));
            QCOMPARE(header->text(1), QStringLiteral("Name"));
            QCOMPARE(header->text(2), QStringLiteral("Score"));
            const QTreeWidgetItem* row = list->topLevelItem(0);
            QVERIFY(row->textAlignment(0) & Qt::AlignRight);
            QVERIFY(row->textAlignment(1) & Qt::AlignLeft);
            QVERIFY(row->textAlignment(2) & Qt::AlignRight);
        }
        QCOMPARE(control<QLineEdit>(dialog, "swingingCountEdit")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(dialog, "staticCountEdit")->text(), QStringLiteral("0"));

        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{});
    }

    void okWritesBothTablesSorted() {
        ScoreTable swinging = freshScoreTable();
        std::strcpy(swinging.rows[14].name, "Bea Two Words");
        swinging.rows[14].score = 9700; // belongs in place 2
        ScoreTable statics = freshScoreTable();
        std::strcpy(statics.rows[0].name, "Low");
        statics.rows[0].score = -250; // the worst, and negative
        writeText("swing.scr", bytes(formatScoreTable(swinging)));
        writeText("static.scr", bytes(formatScoreTable(statics)));
        writeText("nrgames.dat", bytes(formatGamesPlayed({3, 5})));

        HighScoresDialog dialog;
        const QStringList swingRows = rowsOf(control<QTreeWidget>(dialog, "swingingList"));
        QCOMPARE(swingRows.at(1), QStringLiteral("2|Bea Two Words|9700"));
        QCOMPARE(swingRows.at(14), QStringLiteral("15|Zelmorath|3500"));
        const QStringList staticRows = rowsOf(control<QTreeWidget>(dialog, "staticList"));
        QCOMPARE(staticRows.at(0), QStringLiteral("1|Zelmorath|9500"));
        QCOMPARE(staticRows.at(14), QStringLiteral("15|Low|-250"));
        QCOMPARE(control<QLineEdit>(dialog, "swingingCountEdit")->text(), QStringLiteral("3"));
        QCOMPARE(control<QLineEdit>(dialog, "staticCountEdit")->text(), QStringLiteral("5"));

        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        sortScoreTable(swinging);
        sortScoreTable(statics);
        QCOMPARE(readText("swing.scr"), bytes(formatScoreTable(swinging)));
        QCOMPARE(readText("static.scr"), bytes(formatScoreTable(statics)));
    }

    void okWithoutFilesCreatesTheFreshTables() {
        HighScoresDialog dialog;
        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        const QByteArray fresh = bytes(formatScoreTable(freshScoreTable()));
        QCOMPARE(readText("swing.scr"), fresh);
        QCOMPARE(readText("static.scr"), fresh);
        QVERIFY(!QFile::exists("nrgames.dat"));
    }

    void nameEntryShowsTheScoreAndTakesFortyCharacters() {
        NameEntryDialog dialog(-42);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(control<QLineEdit>(dialog, "scoreEdit")->text(), QStringLiteral("-42"));
        QLineEdit* name = control<QLineEdit>(dialog, "nameEdit");
        QCOMPARE(QApplication::focusWidget(), name);
        QTest::keyClicks(QApplication::focusWidget(), QString(45, 'x'));
        QCOMPARE(name->text(), QString(40, 'x'));
    }

    void nameEntryGivesTheNameConfirmedWithOk_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::newRow("typed, OK") << "Ann Example" << true << "Ann Example";
        QTest::newRow("nothing, OK") << "" << true << "[No name entered]";
        QTest::newRow("typed, Escape") << "Ann" << false << "";
    }
    void nameEntryGivesTheNameConfirmedWithOk() {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        NameEntryDialog dialog(12345);
        dialog.show();
        QTest::keyClicks(control<QLineEdit>(dialog, "nameEdit"), typed);
        QTest::keyClick(&dialog, ok ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.name(), name);
    }

  private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

std::unique_ptr<QObject> makeScoreDialogsTests() {
    return std::make_unique<ScoreDialogsTests>();
}

#include "score_dialogs_tests.moc"
