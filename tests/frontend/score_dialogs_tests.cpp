// "Highscores" and "Highscore!": the tables and counts shown, what "OK" writes, the name taken.
#include "common/games_played.h"
#include "common/score_table.h"
#include "frontend/high_scores_dialog.h"
#include "frontend/name_entry_dialog.h"
#include "frontend_test_support.h"

#include <QClipboard>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
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

/// How text reaches the name edit.
enum class Entry { typed, pasted, composed };

/// Types one key per character, as a keyboard gives an emoji in one key event;
/// QTest::keyClicks only types Latin-1.
void type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype units = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, units),
                            Qt::NoModifier);
        i += units;
    }
}

void enter(QLineEdit* edit, Entry entry, const QString& text) {
    switch (entry) {
    case Entry::typed:
        type(edit, text);
        break;
    case Entry::pasted:
        QGuiApplication::clipboard()->setText(text);
        edit->paste();
        break;
    case Entry::composed: {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
        break;
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class ScoreDialogsTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void noFilesShowTwoFreshTablesAndEscapeWritesNothing() {
        HighScoresDialog dialog(QString{});
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

        HighScoresDialog dialog(QString{});
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
        HighScoresDialog dialog(QString{});
        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        const QByteArray fresh = bytes(formatScoreTable(freshScoreTable()));
        QCOMPARE(readText("swing.scr"), fresh);
        QCOMPARE(readText("static.scr"), fresh);
        QVERIFY(!QFile::exists("nrgames.dat"));
    }

    void nameEntryShowsTheScoreAndTakesThirtyNineAsciiCharacters() {
        NameEntryDialog dialog(-42);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(control<QLineEdit>(dialog, "scoreEdit")->text(), QStringLiteral("-42"));
        QLineEdit* name = control<QLineEdit>(dialog, "nameEdit");
        QCOMPARE(QApplication::focusWidget(), name);
        QTest::keyClicks(QApplication::focusWidget(), QString(45, 'x'));
        QCOMPARE(name->text(), QString(39, 'x'));
    }

    // A score row holds 39 bytes of UTF-8 and no line break: the edit keeps what fits, whole
    // characters only, and shows exactly the name that "OK" gives.
    void nameEntryKeepsWhatTheScoreRowHolds_data() {
        const QString cjk = QStringLiteral("字");  // 3 bytes
        const QString emoji = QStringLiteral("😀"); // 4 bytes, a surrogate pair
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor"); // -1: at the end
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CJK typed")
            << "" << -1 << Entry::typed << cjk.repeated(14) << cjk.repeated(13);
        QTest::newRow("CJK pasted")
            << "" << -1 << Entry::pasted << cjk.repeated(14) << cjk.repeated(13);
        QTest::newRow("CJK composed into a nearly full field")
            << QString(37, 'x') << -1 << Entry::composed << cjk.repeated(2) << QString(37, 'x');
        QTest::newRow("ASCII and CJK pasted")
            << "" << -1 << Entry::pasted << "ab" + cjk.repeated(14) << "ab" + cjk.repeated(12);
        QTest::newRow("pasted into the middle, the rest kept")
            << "abcd" << 2 << Entry::pasted << cjk.repeated(14) << "ab" + cjk.repeated(11) + "cd";
        QTest::newRow("emoji typed")
            << "" << -1 << Entry::typed << emoji.repeated(10) << emoji.repeated(9);
        QTest::newRow("emoji pasted after ASCII")
            << "" << -1 << Entry::pasted << "abc" + emoji.repeated(10) << "abc" + emoji.repeated(9);
        QTest::newRow("emoji pasted where only half of it fits")
            << QString(36, 'x') << -1 << Entry::pasted << QStringLiteral("é😀")
            << QString(36, 'x') + QStringLiteral("é");
        QTest::newRow("typed into a full field")
            << QString(39, 'x') << 10 << Entry::typed << QStringLiteral("y字😀") << QString(39, 'x');
        QTest::newRow("line breaks and tabs pasted")
            << "" << -1 << Entry::pasted << "Line1\nLine2\tX\rY"
            << "Line1 Line2 X Y";
        QTest::newRow("line break composed")
            << "A" << -1 << Entry::composed << QStringLiteral("\n字\r\n")
            << QStringLiteral("A 字  ");
        QTest::newRow("long pasted text of blanks and breaks")
            << "" << -1 << Entry::pasted << QString(20, '\n') + QString(30, '\t')
            << QString(39, ' ');
    }
    void nameEntryKeepsWhatTheScoreRowHolds() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(Entry, entry);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        NameEntryDialog dialog(100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* edit = control<QLineEdit>(dialog, "nameEdit");
        QTest::keyClicks(edit, before);
        QCOMPARE(edit->text(), before);
        if (cursor >= 0) {
            edit->setCursorPosition(cursor);
        }

        enter(edit, entry, text);
        QCOMPARE(edit->text(), shown);
        // Further typing in a full field changes nothing either.
        if (shown.toUtf8().size() == NameEntryDialog::maxNameBytes) {
            QTest::keyClicks(edit, "z");
            QCOMPARE(edit->text(), shown);
        }
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.name(), shown);
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

    // Qt reads a tooltip that looks like markup as rich text; a name must show as it is.
    void namesShowAsPlainText_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("tags and entities") << "<b>bold</b> &amp; <i>x";
        QTest::newRow("comparisons") << "a<b && c>d \"q\" 'r'";
        QTest::newRow("blanks kept") << "two  blanks   three";
        QTest::newRow("placeholder") << "%1 %2";
        QTest::newRow("plain") << "Zelmorath";
    }
    void namesShowAsPlainText() {
        QFETCH(QString, name);
        ScoreTable table = freshScoreTable();
        setRowName(table.rows[0], name.toStdString());
        table.rows[0].score = 99999; // first after sorting
        QTreeWidget list;
        fillScoreList(table, &list);
        const QTreeWidgetItem* row = list.topLevelItem(0);
        QCOMPARE(row->text(1), name);
        const QString tip = row->toolTip(1);
        QVERIFY(Qt::mightBeRichText(tip));
        QTextDocument shown;
        shown.setHtml(tip);
        QCOMPARE(shown.toPlainText(), name);
    }

  private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

std::unique_ptr<QObject> makeScoreDialogsTests() {
    return std::make_unique<ScoreDialogsTests>();
}

#include "score_dialogs_tests.moc"
