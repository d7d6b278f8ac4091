#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/TolvaneProgram.h"
#include "support/TempHome.h"

using tolvane::testing::fixture;
namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

    // One program per test, over a home holding the given profiles and CamTwist file.
    struct Run {
        explicit Run(bool withFiles) {
            if (withFiles) {
                home.write(folder + "Studio.xml", fixture("h264-utf16.xml"));
                home.write(folder + "Talk.xml", fixture("vp6-utf8.xml"));
                home.write("Library/Preferences/com.allocinit.CamTwist.plist",
                           fixture("camtwist.xml.plist"));
            }
            program = std::make_unique<tolvane::TolvaneProgram>(devices);
        }
        template <typename W>
        W* find(const char* name) {
            auto* widget = program->window().findChild<W*>(QLatin1String(name));
            if (!widget) qFatal("no widget %s", name);
            return widget;
        }
        void pick(const char* list, const QString& title) {
            auto* combo = find<QComboBox>(list);
            const int index = combo->findText(title);
            QVERIFY2(index >= 0, qPrintable(title));
            emit combo->activated(index);
        }
        QString shown(const char* list) { return find<QComboBox>(list)->currentText(); }
        fs::path profile(const std::string& name) { return home.profileFolder() / (name + ".xml"); }

        const std::string folder =
            "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/";
        tolvane::testing::TempHome home;
        tolvane::FixedCaptureDevices devices{{"Built-in Microphone"}, {"CamTwist"}};
        std::unique_ptr<tolvane::TolvaneProgram> program;
    };

  private slots:
    void launchShowsTheFirstProfileAndPickingAnotherUpdates() {
        Run run(true);
        const QString first = run.shown("popupFMLEProfileNames");
        const bool studio = first == "Studio";
        QCOMPARE(run.shown("popupFMLEVideoOutputFormat"), studio ? "H.264" : "VP6");
        QCOMPARE(run.shown("popupFMLEVideoFramerate"), studio ? "29.97" : "15.00");
        QCOMPARE(run.find<QLineEdit>("txtfldFMLEVideoOutputSizeX")->text(), studio ? "640" : "320");
        QVERIFY(run.find<QWidget>("drawerEncoderSettings")->isVisible());

        run.pick("popupFMLEProfileNames", studio ? "Talk" : "Studio");
        QCOMPARE(run.shown("popupFMLEAudioOutputFormat"), studio ? "Nellymoser" : "AAC");
        QCOMPARE(run.shown("popupFMLEAudioOutputBitrate"), studio ? "44" : "128");
        QCOMPARE(run.find<QCheckBox>("chkboxH264Level")->isChecked(), !studio);
        QCOMPARE(run.find<QCheckBox>("chkboxPreserveAspect")->isChecked(), !studio);
        QCOMPARE(run.find<QLineEdit>("txtfldCamTwistFramerate")->text(), "30");
    }

    void audioChoicesFollowTheRules() {
        Run run(true);
        run.pick("popupFMLEProfileNames", "Talk");
        run.pick("popupFMLEAudioOutputFormat", "MP3");
        run.pick("popupFMLEAudioSamplerate", "44100");
        run.pick("popupFMLEAudioOutputChannel", "Stereo");
        run.pick("popupFMLEAudioOutputFormat", "Nellymoser");
        QCOMPARE(run.shown("popupFMLEAudioOutputChannel"), "Mono");
        QCOMPARE(run.shown("popupFMLEAudioOutputBitrate"), "88");
        auto* rates = run.find<QComboBox>("popupFMLEAudioSamplerate");
        auto* view = qobject_cast<QListView*>(rates->view());
        QVERIFY(view->isRowHidden(rates->findText("48000")));
        QVERIFY(!view->isRowHidden(rates->findText("5512")));
        // A hidden rate cannot be picked.
        emit rates->activated(rates->findText("48000"));
        QCOMPARE(rates->currentText(), "44100");

        run.pick("popupFMLEVideoOutputFormat", "H.264");
        QVERIFY(run.find<QGroupBox>("groupH264Options")->isEnabled());
        QVERIFY(!run.find<QGroupBox>("groupVP6Options")->isEnabled());
        QCOMPARE(run.shown("popupFMLEAudioOutputFormat"), "AAC");
        run.pick("popupFMLEVideoOutputFormat", "VP6");
        QVERIFY(!run.find<QGroupBox>("groupH264Options")->isEnabled());

        auto* total = run.find<QComboBox>("comboboxTotalBitrate");
        total->setFocus();
        QTest::keyClicks(total->lineEdit(), "1000");
        QTest::keyClick(total->lineEdit(), Qt::Key_Return);
        QCOMPARE(run.find<QComboBox>("comboboxFMLEVideoOutputBitrate")->currentText(),
                 QString::number(1000 - run.shown("popupFMLEAudioOutputBitrate").toInt()));
    }

    void saveRemoveAndCamTwistSaveWriteTheFiles() {
        Run run(true);
        auto* save = run.find<QPushButton>("buttonSaveFMLEProfile");
        QVERIFY(!save->isEnabled());
        auto* name = run.find<QLineEdit>("txtfldNewProfileName");
        QTest::keyClicks(name, "../x");
        QVERIFY(!save->isEnabled());
        name->clear();
        QTest::keyClicks(name, "Evening show");
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(fs::exists(run.profile("Evening show")));

        run.pick("popupFMLEProfileNames", "Talk");
        QTest::mouseClick(run.find<QPushButton>("buttonRemoveFMLEProfile"), Qt::LeftButton);
        QVERIFY(!fs::exists(run.profile("Talk")));
        QVERIFY(fs::exists(run.profile("Studio")));

        QTest::mouseClick(run.find<QPushButton>("buttonCamTwistSaveConfig"), Qt::LeftButton);
        QCOMPARE(tolvane::testing::readFile(run.home.path() /
                                            "Library/Preferences/com.allocinit.CamTwist.bak"),
                 fixture("camtwist.xml.plist"));
    }

    void startsEmptyAndEveryActionIsHarmless() {
        Run run(false);
        QCOMPARE(run.find<QComboBox>("popupFMLEProfileNames")->count(), 0);
        QVERIFY(!run.find<QPushButton>("buttonRemoveFMLEProfile")->isEnabled());
        for (auto* combo : run.program->window().findChildren<QComboBox*>())
            for (int i = -1; i < combo->count(); ++i)
                emit combo->activated(i);
        for (auto* button : run.program->window().findChildren<QPushButton*>())
            button->click();
        for (auto* check : run.program->window().findChildren<QCheckBox*>())
            check->click();
        QVERIFY(!fs::exists(run.home.path() / "Library/Preferences/com.allocinit.CamTwist.plist"));
        for (auto* widget : run.program->window().findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus && !widget->objectName().isEmpty())
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
