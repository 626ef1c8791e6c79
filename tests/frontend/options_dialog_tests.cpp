// "Audio/Video options": what it shows, the presets, and what "OK" and "Cancel" leave on disk.
#include "frontend/options_dialog.h"
#include "frontend_test_support.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using crv::OptionsDialog;

namespace {

const char* const resolutionRadios[] = {"resolution512Radio", "resolution640Radio",
                                        "resolution800Radio", "resolution1024Radio",
                                        "resolution1280Radio"};
const char* const detailChecks[] = {"texturedPlayfieldCheck", "texturedBlocksCheck",
                                    "bilinearFilteringCheck", "backgroundPictureCheck",
                                    "antialiasedLinesCheck"};

template <typename T> T* control(const QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

/// The place of the ticked resolution button, -1 when none is ticked.
int tickedResolution(const QWidget& dialog) {
    int ticked = -1;
    for (int i = 0; i < 5; ++i) {
        if (control<QRadioButton>(dialog, resolutionRadios[i])->isChecked()) {
            ticked = ticked == -1 ? i : -2; // -2: more than one, never right
        }
    }
    return ticked;
}

/// The five detail boxes as "10110", ticked first to last.
QString detailBoxes(const QWidget& dialog) {
    QString boxes;
    for (const char* name : detailChecks) {
        boxes += control<QCheckBox>(dialog, name)->isChecked() ? '1' : '0';
    }
    return boxes;
}

void click(const QWidget& dialog, const char* name) {
    QTest::mouseClick(control<QAbstractButton>(dialog, name), Qt::LeftButton);
}

} // namespace

class OptionsDialogTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void noFileShowsTheFrontEndDefaults() {
        OptionsDialog dialog;
        QVERIFY(control<QRadioButton>(dialog, "soundOnRadio")->isChecked());
        QCOMPARE(tickedResolution(dialog), 1);
        QVERIFY(!control<QCheckBox>(dialog, "fullscreenCheck")->isChecked());
        QCOMPARE(detailBoxes(dialog), QStringLiteral("11000"));
        QCOMPARE(control<QSlider>(dialog, "gammaSlider")->value(), 6);
    }

    // Sound off, full screen and gamma 3 in the file: no preset may touch sound or gamma.
    void presetSetsResolutionAndDetailOnly_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("Low") << QByteArray("lowButton") << 0 << "00000"
                             << QByteArray("0\n0\n0\n0\n0\n0\n0\n3\n0\n0");
        QTest::newRow("Medium") << QByteArray("mediumButton") << 1 << "11000"
                                << QByteArray("0\n1\n0\n0\n1\n1\n0\n3\n0\n0");
        QTest::newRow("High") << QByteArray("highButton") << 3 << "11111"
                              << QByteArray("0\n3\n0\n0\n1\n1\n1\n3\n1\n1");
    }
    void presetSetsResolutionAndDetailOnly() {
        QFETCH(QByteArray, button);
        QFETCH(int, resolution);
        QFETCH(QString, boxes);
        QFETCH(QByteArray, written);
        writeText("corvanth.cfg", "0\n4\n0\n1\n0\n1\n0\n3\n1\n0");

        OptionsDialog dialog;
        dialog.show();
        click(dialog, button.constData());
        QCOMPARE(tickedResolution(dialog), resolution);
        QCOMPARE(detailBoxes(dialog), boxes);
        QVERIFY(!control<QCheckBox>(dialog, "fullscreenCheck")->isChecked());
        QVERIFY(control<QRadioButton>(dialog, "soundOffRadio")->isChecked());
        QCOMPARE(control<QSlider>(dialog, "gammaSlider")->value(), 3);

        click(dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readText("corvanth.cfg"), written);
    }

    void presetShowsTheHeldSoundChoiceAgain() {
        OptionsDialog dialog;
        dialog.show();
        click(dialog, "soundOffRadio");
        QVERIFY(control<QRadioButton>(dialog, "soundOffRadio")->isChecked());
        click(dialog, "mediumButton");
        QVERIFY(control<QRadioButton>(dialog, "soundOnRadio")->isChecked());
    }

    void cancelLeavesTheFileAsItWas_data() {
        QTest::addColumn<std::optional<QByteArray>>("file");
        QTest::addColumn<bool>("escape");
        const QByteArray odd("0 4 0 1 1 0 1 12 1 1\r\n# kept as it is\n");
        QTest::newRow("no file, Cancel") << std::optional<QByteArray>() << false;
        QTest::newRow("no file, Escape") << std::optional<QByteArray>() << true;
        QTest::newRow("file, Cancel") << std::optional<QByteArray>(odd) << false;
        QTest::newRow("file, Escape") << std::optional<QByteArray>(odd) << true;
    }
    void cancelLeavesTheFileAsItWas() {
        QFETCH(std::optional<QByteArray>, file);
        QFETCH(bool, escape);
        if (file) {
            writeText("corvanth.cfg", *file);
        }

        OptionsDialog dialog;
        dialog.show();
        click(dialog, "highButton");
        click(dialog, "soundOffRadio");
        control<QSlider>(dialog, "gammaSlider")->setValue(0);
        if (escape) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            click(dialog, "cancelButton");
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(readText("corvanth.cfg"), file);
        QCOMPARE(QDir().entryList(QDir::Files), file ? QStringList{"corvanth.cfg"} : QStringList{});
    }

    // The mode goes out as read at open; the slider's keyboard ends are 0 and 12.
    void okWritesTheShownValues_data() {
        QTest::addColumn<std::optional<QByteArray>>("file");
        QTest::addColumn<int>("sliderKey"); // 0: the slider is left alone
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("no file, far left") << std::optional<QByteArray>() << int(Qt::Key_Home)
                                           << QByteArray("1\n1\n1\n0\n1\n1\n0\n0\n0\n0");
        QTest::newRow("static mode, far right")
            << std::optional<QByteArray>("0 2 0 1 0 0 1 6 1 1") << int(Qt::Key_End)
            << QByteArray("0\n2\n0\n1\n0\n0\n1\n12\n1\n1");
        QTest::newRow("mode 2 carried through")
            << std::optional<QByteArray>("2\n0\n1\n0\n1\n1\n0\n6\n0\n0") << 0
            << QByteArray("2\n0\n1\n0\n1\n1\n0\n6\n0\n0");
    }
    void okWritesTheShownValues() {
        QFETCH(std::optional<QByteArray>, file);
        QFETCH(int, sliderKey);
        QFETCH(QByteArray, written);
        if (file) {
            writeText("corvanth.cfg", *file);
        }

        OptionsDialog dialog;
        dialog.show();
        if (sliderKey != 0) {
            QTest::keyClick(control<QSlider>(dialog, "gammaSlider"), Qt::Key(sliderKey));
        }
        // Enter is "OK", the default button.
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readText("corvanth.cfg"), written);
    }

    // A stray index ticks no button; "OK" then stores -1 for the resolution and 2 for the sound.
    void strayValuesTickNoButton_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("resolution 7, sound 5")
            << QByteArray("1 7 5 0 1 1 0 6 0 0") << QByteArray("1\n-1\n2\n0\n1\n1\n0\n6\n0\n0");
        QTest::newRow("most negative values")
            << QByteArray("1 -2147483648 -2147483648 0 1 1 0 -2147483648 0 0")
            << QByteArray("1\n-1\n2\n0\n1\n1\n0\n0\n0\n0");
    }
    void strayValuesTickNoButton() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        writeText("corvanth.cfg", file);

        OptionsDialog dialog;
        QCOMPARE(tickedResolution(dialog), -1);
        QVERIFY(!control<QRadioButton>(dialog, "soundOnRadio")->isChecked());
        QVERIFY(!control<QRadioButton>(dialog, "soundOffRadio")->isChecked());
        dialog.show();
        click(dialog, "okButton");
        QCOMPARE(readText("corvanth.cfg"), written);
    }

    // Each radio group is one tab stop, its ticked button: Space on the first focus changes
    // nothing, and Tab and Shift+Tab enter a group at whatever button is ticked.
    void focusEntersEachRadioGroupAtItsTickedButton_data() {
        QTest::addColumn<std::optional<QByteArray>>("file");
        QTest::addColumn<QByteArray>("sound");      // the sound button with the first focus
        QTest::addColumn<QByteArray>("resolution"); // the resolution button Tab reaches
        QTest::newRow("sound off, 1024x768")
            << std::optional<QByteArray>("1\n3\n0\n0\n1\n1\n0\n6\n0\n0")
            << QByteArray("soundOffRadio") << QByteArray("resolution1024Radio");
        QTest::newRow("no file") << std::optional<QByteArray>() << QByteArray("soundOnRadio")
                                 << QByteArray("resolution640Radio");
        QTest::newRow("none ticked, the first buttons")
            << std::optional<QByteArray>("1 7 5 0 1 1 0 6 0 0") << QByteArray("soundOnRadio")
            << QByteArray("resolution512Radio");
    }
    void focusEntersEachRadioGroupAtItsTickedButton() {
        QFETCH(std::optional<QByteArray>, file);
        QFETCH(QByteArray, sound);
        QFETCH(QByteArray, resolution);
        if (file) {
            writeText("corvanth.cfg", *file);
        }
        OptionsDialog dialog;
        const bool soundOn = control<QRadioButton>(dialog, "soundOnRadio")->isChecked();
        const bool soundOff = control<QRadioButton>(dialog, "soundOffRadio")->isChecked();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(dialog, sound.constData()));
        if (soundOn || soundOff) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(control<QRadioButton>(dialog, "soundOnRadio")->isChecked(), soundOn);
            QCOMPARE(control<QRadioButton>(dialog, "soundOffRadio")->isChecked(), soundOff);
        }

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(dialog, "fullscreenCheck"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(dialog, resolution.constData()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(dialog, "texturedPlayfieldCheck"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(dialog, sound.constData()));
    }

    void tabFollowsTheTickedButton() {
        writeText("corvanth.cfg", "1\n3\n0\n0\n1\n1\n0\n6\n0\n0");
        OptionsDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QWidget* fullscreen = control<QWidget>(dialog, "fullscreenCheck");
        const auto tabFrom = [](QWidget* widget, Qt::Key key) {
            widget->setFocus();
            QTest::keyClick(widget, key);
            return QApplication::focusWidget();
        };

        // The arrows still move within the group, ticking as they go.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(control<QRadioButton>(dialog, "soundOnRadio")->isChecked());
        QCOMPARE(tabFrom(fullscreen, Qt::Key_Backtab), control<QWidget>(dialog, "soundOnRadio"));
        QCOMPARE(tabFrom(fullscreen, Qt::Key_Tab), control<QWidget>(dialog, "resolution1024Radio"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(tickedResolution(dialog), 4);
        QCOMPARE(tabFrom(fullscreen, Qt::Key_Tab), control<QWidget>(dialog, "resolution1280Radio"));

        click(dialog, "resolution640Radio");
        QCOMPARE(tabFrom(fullscreen, Qt::Key_Tab), control<QWidget>(dialog, "resolution640Radio"));
        // A preset ticks buttons anew, the held sound choice (off) among them.
        click(dialog, "highButton");
        QCOMPARE(tabFrom(fullscreen, Qt::Key_Tab), control<QWidget>(dialog, "resolution1024Radio"));
        QCOMPARE(tabFrom(fullscreen, Qt::Key_Backtab), control<QWidget>(dialog, "soundOffRadio"));
    }

  private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

std::unique_ptr<QObject> makeOptionsDialogTests() {
    return std::make_unique<OptionsDialogTests>();
}

#include "options_dialog_tests.moc"
