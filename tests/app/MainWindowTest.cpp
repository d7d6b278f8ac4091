#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <cerrno>
#include <filesystem>

#include "app/TolvaneProgram.h"
#include "app/Widgets.h"
#include "support/TempHome.h"

using tolvane::testing::fixture;
namespace fs = std::filesystem;

// The desktop's file layer, where a profile named Locked cannot be replaced: tests run as root
// too, where permission bits stop nothing.
struct LockedFileOps : tolvane::QtFileOps {
    int rename(const std::string& from, const std::string& to) override {
        if (to.ends_with("/Locked.xml")) return errno = EACCES, -1;
        return QtFileOps::rename(from, to);
    }
};

class MainWindowTest : public QObject {
    Q_OBJECT

    // One program per test, over a home holding the given profiles and CamTwist file.
    struct Run {
        explicit Run(bool withFiles) {
            // The desktop's trash, as the home folder, is a temporary one.
            qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home.path() / "data").string()));
            if (withFiles) {
                home.write(folder + "Studio.xml", fixture("h264-utf16.xml"));
                home.write(folder + "Talk.xml", fixture("vp6-utf8.xml"));
                home.write("Library/Preferences/com.allocinit.CamTwist.plist",
                           fixture("camtwist.xml.plist"));
            }
        }
        ~Run() {
            program.reset();
            previousDataHome.isNull() ? qunsetenv("XDG_DATA_HOME")
                                      : qputenv("XDG_DATA_HOME", previousDataHome);
        }
        void start(tolvane::FileOps* fileOps = nullptr) {
            program = fileOps ? std::make_unique<tolvane::TolvaneProgram>(devices, *fileOps)
                              : std::make_unique<tolvane::TolvaneProgram>(devices);
            // Keys reach shortcuts, and completion runs, only in the active window.
            window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window()));
        }
        template <typename W>
        W* find(const char* name) {
            auto* widget = window().findChild<W*>(QLatin1String(name));
            if (!widget) qFatal("no widget %s", name);
            return widget;
        }
        tolvane::MainWindow& window() { return program->window(); }
        void pick(const char* list, const QString& title) {
            auto* combo = find<QComboBox>(list);
            const int index = combo->findText(title);
            QVERIFY2(index >= 0, qPrintable(title));
            emit combo->activated(index);
        }
        void click(const char* button) {
            QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
        }
        void saveAs(const QString& name) {
            auto* field = find<QLineEdit>("txtfldNewProfileName");
            field->clear();
            QTest::keyClicks(field, name);
            QTest::keyClick(field, Qt::Key_Return);
        }
        QString shown(const char* list) { return find<QComboBox>(list)->currentText(); }
        QString status() { return find<tolvane::ElidedLabel>("statusMessage")->fullText(); }
        bool failureShown() { return !find<QLabel>("statusFailure")->isHidden(); }
        fs::path profile(const std::string& name) { return home.profileFolder() / (name + ".xml"); }

        const std::string folder =
            "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/";
        const QByteArray previousDataHome = qgetenv("XDG_DATA_HOME");
        tolvane::testing::TempHome home;
        tolvane::FixedCaptureDevices devices{{"Built-in Microphone"}, {"CamTwist"}};
        std::unique_ptr<tolvane::TolvaneProgram> program;
    };

  private slots:
    void loadingShowsTheProfileAndMarksValuesKeptFromIt() {
        Run run(true);
        // From another machine: a device not connected here, a frame rate the list lacks, an
        // empty audio device.
        std::string other = fixture("vp6-utf8.xml");
        other.replace(other.find("15.00"), 5, "25");
        other.replace(other.find("Line In"), 7, "");
        run.home.write(run.folder + "Elsewhere.xml", other);
        run.start();
        const bool studio = run.shown("popupFMLEProfileNames") == "Studio";
        QCOMPARE(run.window().windowTitle(), studio ? "Studio — Tolvane" : "Talk — Tolvane");
        QVERIFY(!run.find<QWidget>("drawerEncoderSettings")->isHidden());

        run.pick("popupFMLEProfileNames", "Talk");
        QCOMPARE(run.window().windowTitle(), "Talk — Tolvane");
        QCOMPARE(run.shown("popupFMLEAudioOutputFormat"), "Nellymoser");
        QCOMPARE(run.find<QCheckBox>("chkboxPreserveAspect")->isChecked(), false);
        QCOMPARE(run.find<QLabel>("labelFMLEAudioInputVolume")->text(), "-5");
        QCOMPARE(run.shown("popupFMLEVideoInputDeviceName"), "FaceTime HD Camera (not connected)");
        QVERIFY(run.find<QComboBox>("popupFMLEVideoInputDeviceName")
                    ->toolTip()
                    .contains("Kept from the profile"));
        QCOMPARE(run.shown("popupFMLEAudioInputDevice"), "Line In (not connected)");

        run.pick("popupFMLEProfileNames", "Elsewhere");
        QCOMPARE(run.shown("popupFMLEVideoFramerate"), "25 (from profile)");
        QCOMPARE(run.shown("popupFMLEAudioInputDevice"), "(empty)");
        // Gone at the next load; the device list offers only what is connected.
        run.pick("popupFMLEProfileNames", "Studio");
        QCOMPARE(run.find<QComboBox>("popupFMLEVideoFramerate")->findText("25 (from profile)"), -1);
        QCOMPARE(run.find<QComboBox>("popupFMLEAudioInputDevice")->count(), 1);
        QCOMPARE(run.shown("popupFMLEVideoOutputFormat"), "H.264");
        QVERIFY(!run.find<QWidget>("groupH264Options")->isHidden());
        QVERIFY(run.find<QWidget>("groupVP6Options")->isHidden());
    }

    void audioChoicesAndTheBitrateBudgetFollowTheRules() {
        Run run(true);
        run.start();
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

        // What is typed is what Enter and Apply use: no completion to a longer entry.
        auto* total = run.find<QComboBox>("comboboxTotalBitrate");
        auto* video = run.find<QComboBox>("comboboxFMLEVideoOutputBitrate");
        QVERIFY(total->findText("1500") >= 0);
        total->setFocus();
        QTest::keyClicks(total->lineEdit(), "150");
        QCOMPARE(total->currentText(), "150");
        QTest::keyClick(total->lineEdit(), Qt::Key_Return);
        const QString expected = QString::number(150 - 88);
        QCOMPARE(video->currentText(), expected);
        run.program->controller().form().comboboxFMLEVideoOutputBitrate.setStringValue("1");
        run.click("buttonAdjustBitrate");
        QCOMPARE(video->currentText(), expected);
        QCOMPARE(total->currentText(), "150");
    }

    void fileActionsSayWhatTheyDid() {
        Run run(true);
        std::string lacking = fixture("vp6-utf8.xml");
        lacking.erase(lacking.find("<input_volume>"),
                      std::string("<input_volume>-5</input_volume>").size());
        run.home.write(run.folder + "Lacking.xml", lacking);
        LockedFileOps fileOps;
        run.start(&fileOps);

        run.pick("popupFMLEProfileNames", "Studio");
        run.saveAs("Studio");
        QCOMPARE(run.status(), "Saved “Studio” (Studio.xml)");
        QVERIFY(!run.failureShown());
        run.saveAs("Evening show");
        QVERIFY(fs::exists(run.profile("Evening show")));
        QVERIFY(run.status().endsWith("the profile list shows it from the next start"));
        run.saveAs("Locked");
        QCOMPARE(run.status(), "Not saved: “Locked.xml” is write-protected");
        QVERIFY(run.failureShown());
        QVERIFY(!fs::exists(run.profile("Locked")));
        run.saveAs("..");
        QVERIFY(run.status().startsWith("Not saved: type a name"));

        run.pick("popupFMLEProfileNames", "Lacking");
        run.saveAs("Lacking copy");
        QCOMPARE(run.status(), "Not saved: the profile has no capture/audio/input_volume element");
        QVERIFY(!fs::exists(run.profile("Lacking copy")));

        // Removal is one click, into the trash where the desktop keeps it.
        run.pick("popupFMLEProfileNames", "Talk");
        run.click("buttonRemoveFMLEProfile");
        QCOMPARE(run.status(), "Removed “Talk” (moved to the trash)");
        QVERIFY(!fs::exists(run.profile("Talk")));
        QCOMPARE(tolvane::testing::readFile(run.home.path() / "data/Trash/files/Talk.xml"),
                 fixture("vp6-utf8.xml"));
        run.pick("popupFMLEProfileNames", "Talk");
        QCOMPARE(run.status(),
                 "Not opened: “Talk.xml” no longer exists; the form keeps the "
                 "values shown before");
        QCOMPARE(run.window().windowTitle(), "Tolvane");

        run.click("buttonCamTwistSaveConfig");
        QVERIFY(run.status().startsWith("Saved CamTwist's settings"));
        QCOMPARE(tolvane::testing::readFile(run.home.path() /
                                            "Library/Preferences/com.allocinit.CamTwist.bak"),
                 fixture("camtwist.xml.plist"));
    }

    void everyMnemonicIsUniqueAndReachesItsControl() {
        Run run(true);
        run.start();
        auto& window = run.window();
        QSet<QKeySequence> seen;
        const auto claim = [&seen](const QString& text) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            QVERIFY2(!seen.contains(key), qPrintable(text));
            if (!key.isEmpty()) seen.insert(key);
        };
        for (QAction* menu : window.menuBar()->actions())
            claim(menu->text());
        for (auto* button : window.findChildren<QAbstractButton*>()) {
            const bool push = qobject_cast<QPushButton*>(button);
            QVERIFY2(!push || !QKeySequence::mnemonic(button->text()).isEmpty(),
                     qPrintable(button->text()));
            claim(button->text());
        }
        for (auto* label : window.findChildren<QLabel*>()) {
            const QKeySequence key = QKeySequence::mnemonic(label->text());
            if (key.isEmpty()) continue;
            claim(label->text());
            QWidget* control = label->buddy();
            QVERIFY2(control && control->focusPolicy() != Qt::NoFocus, qPrintable(label->text()));
            QTest::keyClick(&window, key[0].key(), key[0].keyboardModifiers());
            QCOMPARE(QApplication::focusWidget(), control);
        }
        QVERIFY(seen.size() >= 20);

        // Ctrl+S saves under the typed name.
        QTest::keyClicks(run.find<QLineEdit>("txtfldNewProfileName"), "Keys");
        QTest::keySequence(&window, QKeySequence::Save);
        QVERIFY(fs::exists(run.profile("Keys")));
    }

    void customSizeSwitchesBetweenTheListAndTheFields() {
        Run run(true);
        run.start();
        auto* custom = run.find<QCheckBox>("chkboxCamTwistCustomVideoSize");
        auto* sizes = run.find<QComboBox>("popupCamTwistVideoSize");
        auto* width = run.find<QLineEdit>("txtfldCamTwistCustomWidth");
        QCOMPARE(custom->isChecked(), run.program->controller().camTwistCustomVideoSize());
        custom->click();
        QVERIFY(run.program->controller().camTwistCustomVideoSize());
        QVERIFY(!sizes->isEnabled() && width->isEnabled());
        custom->click();
        QVERIFY(!run.program->controller().camTwistCustomVideoSize());
        QVERIFY(sizes->isEnabled() && !width->isEnabled());
        run.program->controller().setCamTwistCustomVideoSize(true);
        QVERIFY(custom->isChecked() && width->isEnabled());
    }

    void theWholeFormFitsSmallScreens() {
        Run run(true);
        run.start();
        auto& window = run.window();
        QVERIFY(!run.find<QWidget>("drawerEncoderSettings")->isHidden());
        // 1024x600, and 1920x1080 at twice the scale, each less room for a window frame.
        for (const QSize screen : {QSize(1024, 600), QSize(960, 540)}) {
            for (const char* codec : {"H.264", "VP6"}) {
                run.pick("popupFMLEVideoOutputFormat", codec);
                QCoreApplication::processEvents();  // the layouts follow the options shown
                const QSize needed = run.find<QWidget>("content")->minimumSizeHint() +
                                     QSize(0, window.menuBar()->sizeHint().height() +
                                                  window.statusBar()->sizeHint().height());
                QVERIFY2(
                    needed.width() <= screen.width() - 16 &&
                        needed.height() <= screen.height() - 60,
                    qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));
            }
        }
    }

    void startsEmptySaysWhereItLookedAndEveryActionIsHarmless() {
        Run run(false);
        run.start();
        QCOMPARE(run.find<QComboBox>("popupFMLEProfileNames")->count(), 0);
        QCOMPARE(run.window().windowTitle(), "Tolvane");
        QVERIFY(!run.find<QPushButton>("buttonRemoveFMLEProfile")->isEnabled());
        QCOMPARE(run.find<tolvane::ElidedLabel>("noticeProfiles")->fullText(),
                 "No FMLE profiles: ~/" + QString::fromStdString(run.folder).chopped(1) +
                     " does not exist");
        QCOMPARE(run.find<tolvane::ElidedLabel>("noticeCamTwist")->fullText(),
                 "No CamTwist settings: ~/Library/Preferences/com.allocinit.CamTwist.plist does "
                 "not exist");
        for (auto* combo : run.window().findChildren<QComboBox*>())
            for (int i = -1; i < combo->count(); ++i)
                emit combo->activated(i);
        for (auto* button : run.window().findChildren<QPushButton*>())
            button->click();
        QVERIFY(run.status().contains("CamTwist's settings file"));
        for (auto* check : run.window().findChildren<QCheckBox*>())
            check->click();
        QVERIFY(!fs::exists(run.home.path() / "Library"));
        for (auto* widget : run.window().findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus && !widget->objectName().isEmpty())
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
