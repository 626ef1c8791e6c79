// The best game of each mode kept beside its table.
#include "common/game_result.h"
#include "common/process_game_result.h"
#include "common/replay.h"
#include "common/score_table.h"
#include "frontend/front_end.h"
#include "frontend_test_support.h"

#include <QDialog>
#include <QMessageBox>
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
    turn.held = heldBitOf(37);
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

  private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

std::unique_ptr<QObject> makeReplayFilesTests() {
    return std::make_unique<ReplayFilesTests>();
}

#include "replay_files_tests.moc"
