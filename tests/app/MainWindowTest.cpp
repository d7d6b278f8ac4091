#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <cerrno>
#include <filesystem>
#include <optional>

#include "app/TolvaneProgram.h"
#include "app/Widgets.h"
#include "support/TempHome.h"

using tolvane::testing::fixture;
namespace fs = std::filesystem;

const std::string kFolder = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/";
const std::string kPrefs = "Library/Preferences/com.allocinit.CamTwist.plist";

// The desktop's file layer, where Locked.xml cannot be replaced even by root.
struct LockedFileOps : tolvane::QtFileOps {
    int rename(const std::string& from, const std::string& to) override {
        if (to.ends_with("/Locked.xml")) return errno = EACCES, -1;
        return QtFileOps::rename(from, to);
    }
};

// The window's own work: its bindings, messages, keyboard and layout. What the core does with
// profiles, rules and files is tested in the other folders.
class MainWindowTest : public QObject {
    Q_OBJECT

    // A program over a fresh home: by default CamTwist's file and three profiles, one from
    // another machine (values not offered here, an element missing); the desktop's trash in a
    // data folder there that does not exist yet.
    enum class Home { samples, nothing, unreadable, noProfile };
    void start(Home kind = Home::samples) {
        program.reset();
        home.emplace();
        // The window's own home: Qt puts a file in the home's trash only when it is on the
        // home's disk, and the window writes paths under the home as "~".
        qputenv("HOME", QByteArray::fromStdString(home->path().string()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home->path() / "data").string()));
        if (kind == Home::unreadable || kind == Home::noProfile) {
            home->write(kFolder + (kind == Home::noProfile ? "notes.txt" : "Broken.xml"),
                        "<flashmedialiveencoder_profile>");
            home->write(kPrefs, "");
        } else if (kind == Home::samples) {
            std::string other = fixture("vp6-utf8.xml");
            const std::string volume = "<input_volume>-5</input_volume>";
            other.erase(other.find(volume), volume.size());
            other.replace(other.find("15.00"), 5, "25");
            home->write(kFolder + "Elsewhere.xml", other.replace(other.find("Line In"), 7, ""));
            home->write(kFolder + "Studio.xml", fixture("h264-utf16.xml"));
            home->write(kFolder + "Talk.xml", fixture("vp6-utf8.xml"));
            home->write(kPrefs, fixture("camtwist.xml.plist"));
        }
        program = std::make_unique<tolvane::TolvaneProgram>(devices, fileOps);
        // Questions are answered from `answers` (Discard when none is left), and kept in `asked`.
        asked.clear();
        answers.clear();
        actions().setAsk([this](const tolvane::Actions::Question& question) {
            asked.append(question.text);
            return answers.isEmpty() ? QMessageBox::Discard : answers.takeFirst();
        });
        // Keys reach shortcuts, and completion runs, only in the active window.
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    tolvane::MainWindow& window() { return program->window(); }
    tolvane::Actions& actions() { return window().actions(); }
    template <typename W = QWidget>
    W* find(const char* name) {
        if (auto* widget = window().findChild<W*>(QLatin1String(name))) return widget;
        qFatal("no widget %s", name);
    }
    QComboBox* box(const char* name) { return find<QComboBox>(name); }
    QString shown(const char* list) { return box(list)->currentText(); }
    // As the user picks: the box shows the item, then says so.
    void pick(const char* list, const QString& title) {
        const int index = box(list)->findText(title);
        QVERIFY2(index >= 0, qPrintable(title));
        box(list)->setCurrentIndex(index);
        emit box(list)->activated(index);
    }
    void click(const char* button) { QTest::mouseClick(find(button), Qt::LeftButton); }
    void type(const char* field, const QString& text) {
        find<QLineEdit>(field)->clear();
        QTest::keyClicks(find(field), text);
    }
    void saveAs(const QString& name) {
        type("txtfldNewProfileName", name);
        QTest::keyClick(find("txtfldNewProfileName"), Qt::Key_Return);
    }
    QString said(const char* line = "statusMessage") {
        return find<tolvane::ElidedLabel>(line)->fullText();
    }

    std::optional<tolvane::testing::TempHome> home;
    tolvane::FixedCaptureDevices devices{{"Built-in Microphone"}, {"CamTwist"}};
    LockedFileOps fileOps;
    std::unique_ptr<tolvane::TolvaneProgram> program;
    QStringList asked;
    QList<QMessageBox::StandardButton> answers;

  private slots:
    void init() { start(); }
    void cleanup() { program.reset(), home.reset(); }

    void showsTheProfileAndMarksValuesKeptFromIt() {
        QCOMPARE(window().windowTitle(), shown("popupFMLEProfileNames") + "[*] — Tolvane");
        pick("popupFMLEProfileNames", "Talk");
        QCOMPARE(window().windowTitle(), "Talk[*] — Tolvane");
        QCOMPARE(find<QLabel>("labelFMLEAudioInputVolume")->text(), "-5 %");
        QCOMPARE(shown("popupFMLEVideoInputDeviceName"), "FaceTime HD Camera (not connected)");
        QVERIFY(box("popupFMLEVideoInputDeviceName")->toolTip().contains("Kept from the profile"));
        // A list's items are rebuilt only when they change: here, by a value kept from a
        // profile, which is gone at the next load.
        QSignalSpy rebuilt(box("popupFMLEVideoFramerate")->model(),
                           &QAbstractItemModel::modelReset);
        pick("popupFMLEProfileNames", "Elsewhere");
        QCOMPARE(shown("popupFMLEVideoFramerate"), "25 (from profile)");
        QCOMPARE(shown("popupFMLEAudioInputDevice"), "(empty)");
        pick("popupFMLEProfileNames", "Studio");
        QCOMPARE(box("popupFMLEVideoFramerate")->findText("25 (from profile)"), -1);
        pick("popupFMLEProfileNames", "Talk");
        QCOMPARE(rebuilt.count(), 2);
        // Only the chosen codec's options show.
        QVERIFY(find("groupH264Options")->isHidden() && !find("groupVP6Options")->isHidden());
    }

    void audioChoicesFollowTheRulesAndTheTotalBitrateIsTakenAsTyped() {
        pick("popupFMLEProfileNames", "Talk");  // VP6, Nellymoser
        // What the codec or format lacks cannot be picked, and is left out of the menu.
        const auto item = [this](const char* list, const char* title) {
            QComboBox* menu = box(list);
            const QModelIndex row = menu->model()->index(menu->findText(title), 0);
            menu->showPopup();
            const bool left = qobject_cast<QListView*>(menu->view())->isRowHidden(row.row());
            menu->hidePopup();
            const bool choosable = row.flags() & Qt::ItemIsEnabled;
            return left && !choosable ? "hidden" : !left && choosable ? "shown" : "half hidden";
        };
        QCOMPARE(item("popupFMLEAudioOutputFormat", "AAC"), "hidden");
        pick("popupFMLEAudioOutputFormat", "AAC");
        QCOMPARE(shown("popupFMLEAudioOutputFormat"), "Nellymoser");
        QCOMPARE(item("popupFMLEAudioSamplerate", "5512"), "shown");
        // One pick, one refresh of each list, whatever the rules changed on the way.
        QSignalSpy shownAgain(box("popupFMLEAudioOutputBitrate")->model(),
                              &QAbstractItemModel::dataChanged);
        pick("popupFMLEAudioOutputFormat", "MP3");
        QCOMPARE(shownAgain.count(), 1);
        QCOMPARE(item("popupFMLEAudioSamplerate", "5512"), "hidden");
        pick("popupFMLEVideoOutputFormat", "H.264");
        QCOMPARE(item("popupFMLEAudioOutputFormat", "AAC"), "shown");
        QVERIFY(!find("groupH264Options")->isHidden() && find("groupVP6Options")->isHidden());
        // Enter and Apply use what is typed, not the entry 1500 it would complete to.
        auto* total = box("comboboxTotalBitrate");
        QVERIFY(total->findText("1500") >= 0);
        total->setFocus();
        QTest::keyClicks(total->lineEdit(), "150");
        QTest::keyClick(total->lineEdit(), Qt::Key_Return);
        const QString video = QString::number(150 - shown("popupFMLEAudioOutputBitrate").toInt());
        QCOMPARE(shown("comboboxFMLEVideoOutputBitrate"), video);
        program->controller().form().comboboxFMLEVideoOutputBitrate.setStringValue("1");
        click("buttonAdjustBitrate");
        QCOMPARE(shown("comboboxFMLEVideoOutputBitrate"), video);
        QCOMPARE(total->currentText(), "150");
    }

    void fileActionsSayWhatTheyDid() {
        // Save takes a name it can save under.
        for (const char* name : {"", ".", "..", "a/b", "Studio"}) {
            type("txtfldNewProfileName", name);
            QCOMPARE(find("buttonSaveFMLEProfile")->isEnabled(), QByteArray(name) == "Studio");
        }
        pick("popupFMLEProfileNames", "Studio");
        saveAs("Studio");
        QCOMPARE(said(), "Saved “Studio” (Studio.xml)");
        QVERIFY(find("statusFailure")->isHidden());
        saveAs("Locked");
        QCOMPARE(said(), "Not saved: “Locked.xml” is write-protected");
        QVERIFY(!find("statusFailure")->isHidden());
        pick("popupFMLEProfileNames", "Elsewhere");
        program->controller().setInputVolume(10);  // a value its profile has no element for
        saveAs("Copy");
        QCOMPARE(said(), "Not saved: the profile has no capture/audio/input_volume element");
        // Into the desktop's trash, making its folder the first time, without a question; the
        // next profile opens, and Undo puts the file back, listed and open.
        QVERIFY(!fs::exists(home->path() / "data"));
        pick("popupFMLEProfileNames", "Studio");
        asked.clear();
        click("buttonRemoveFMLEProfile");
        QCOMPARE(said(), "Removed “Studio” (moved to the trash)");
        QVERIFY(fs::exists(home->path() / "data/Trash/files/Studio.xml"));
        QCOMPARE(box("popupFMLEProfileNames")->findText("Studio"), -1);
        QCOMPARE(shown("popupFMLEProfileNames"), "Talk");
        QCOMPARE(window().windowTitle(), "Talk[*] — Tolvane");
        click("buttonUndoRemove");
        QCOMPARE(said(), "Put back “Studio”");
        QVERIFY(fs::exists(home->profileFolder() / "Studio.xml"));
        QVERIFY(!fs::exists(home->path() / "data/Trash/info/Studio.xml.trashinfo"));
        QCOMPARE(shown("popupFMLEProfileNames"), "Studio");
        QVERIFY(asked.isEmpty());
        // Without a trash, only after a question, and Cancel keeps the file.
        fs::remove_all(home->path() / "data");
        home->write("data", "a file where the trash's folder would be");
        answers = {QMessageBox::Cancel, QMessageBox::Yes};
        for (const char* kept : {"Studio.xml", ""}) {
            click("buttonRemoveFMLEProfile");
            QCOMPARE(asked.takeFirst(),
                     "Delete “Studio” for good?\n\nThere is no trash here to "
                     "take it back from.");
            QCOMPARE(fs::exists(home->profileFolder() / "Studio.xml"), *kept != 0);
        }
        QCOMPARE(said(), "Removed “Studio” (deleted)");
        QVERIFY(find("buttonUndoRemove")->isHidden());
        click("buttonCamTwistSaveConfig");
        QVERIFY(said().startsWith("Saved CamTwist's settings"));

        // CamTwist's file goes and comes back while another program is in front.
        QWidget other;
        const auto switchBack = [&other, this] {
            other.show();
            other.activateWindow();
            QTRY_VERIFY(!window().isActiveWindow());
            window().activateWindow();
            QTRY_VERIFY(window().isActiveWindow());
        };
        const std::string prefs = tolvane::testing::readFile(home->path() / kPrefs);
        fs::remove(home->path() / kPrefs);
        switchBack();
        QVERIFY(!find("buttonCamTwistSaveConfig")->isEnabled());
        home->write(kPrefs, prefs);
        switchBack();
        QVERIFY(find("buttonCamTwistSaveConfig")->isEnabled());
    }

    void everyMnemonicIsUniqueAndReachesItsControl() {
        QSet<QKeySequence> seen;
        const auto claim = [&seen](const QString& text, bool needed = false) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            QVERIFY2(!seen.contains(key) && !(needed && key.isEmpty()), qPrintable(text));
            if (!key.isEmpty()) seen.insert(key);
        };
        for (QAction* menu : window().menuBar()->actions())
            claim(menu->text());
        for (auto* button : window().findChildren<QAbstractButton*>())
            claim(button->text(), qobject_cast<QPushButton*>(button));  // every button has one
        for (auto* label : window().findChildren<QLabel*>()) {
            const QKeySequence key = QKeySequence::mnemonic(label->text());
            // The other codec's options are hidden, and share mnemonics with the shown ones.
            if (key.isEmpty() || !label->isVisibleTo(&window())) continue;
            claim(label->text());
            QVERIFY2(label->buddy() && label->buddy()->focusPolicy() != Qt::NoFocus,
                     qPrintable(label->text()));
            QTest::keyClick(&window(), key[0].key(), key[0].keyboardModifiers());
            QCOMPARE(QApplication::focusWidget(), label->buddy());
        }
        pick("popupFMLEProfileNames", "Studio");
        QTest::keyClicks(find("txtfldNewProfileName"), "Keys");
        QTest::keySequence(&window(), QKeySequence::Save);  // Ctrl+S: the open profile's name
        QCOMPARE(said(), "Saved “Studio” (Studio.xml)");
        QVERIFY(!fs::exists(home->profileFolder() / "Keys.xml"));
    }

    void customSizeSwitchesBetweenTheListAndTheFields() {
        auto* custom = find<QCheckBox>("chkboxCamTwistCustomVideoSize");
        // Clicked on, clicked off, then set on by the controller.
        for (const auto& [on, byClick] : {std::pair{true, true}, {false, true}, {true, false}}) {
            byClick ? custom->click() : program->controller().setCamTwistCustomVideoSize(on);
            QCoreApplication::processEvents();  // a change the user did not make shows next
            QCOMPARE(program->controller().camTwistCustomVideoSize(), on);
            QCOMPARE(custom->isChecked(), on);
            QCOMPARE(find("popupCamTwistVideoSize")->isEnabled(), !on);
            QCOMPARE(find("txtfldCamTwistCustomWidth")->isEnabled(), on);
            QCOMPARE(find("txtfldCamTwistCustomHeight")->isEnabled(), on);
        }
    }

    void theFormFitsNarrowScreensWithoutScrollingSideways() {
        QVERIFY(!find("drawerEncoderSettings")->isHidden());
        for (const char* codec : {"H.264", "VP6"}) {
            pick("popupFMLEVideoOutputFormat", codec);
            QCoreApplication::processEvents();  // the layouts follow the options shown
            // With room for a window frame and a scroll bar: 800x600, and 1920x1080 at twice
            // the scale; the columns stack where they do not fit side by side.
            QCOMPARE_LE(find("content")->minimumSizeHint().width() + 40, 800);
        }
    }

    void unsavedChangesAreMarkedAndNeverDroppedUnasked() {
        pick("popupFMLEProfileNames", "Studio");
        QVERIFY(!window().isWindowModified());
        // A rule's replacement is said, and is a change like the user's own.
        pick("popupFMLEAudioSamplerate", "48000");
        pick("popupFMLEVideoOutputFormat", "VP6");
        QVERIFY2(said().contains("Sample rate 48000 → 44100: MP3 has no 48000 Hz"),
                 qPrintable(said()));
        QVERIFY(window().isWindowModified());
        QVERIFY(find<QLabel>("statusChanges")->text().endsWith("unsaved changes"));
        for (QAction* menu : window().menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == "C&hanges") item->trigger();
        auto* changes = find<QTreeWidget>("changesList");
        const auto rows = changes->findItems("Audio format", Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]->text(3), "VP6 offers no AAC");
        QCOMPARE(changes->findItems("Video format", Qt::MatchExactly)[0]->text(3), "Your change");

        // Cancel keeps the profile and its changes; Save writes them, then the pick goes on.
        const std::string before = tolvane::testing::readFile(home->profileFolder() / "Studio.xml");
        answers = {QMessageBox::Cancel, QMessageBox::Save};
        pick("popupFMLEProfileNames", "Talk");
        QCOMPARE(asked.takeFirst(), "Save the changes to “Studio”?");
        QCOMPARE(shown("popupFMLEProfileNames"), "Studio");
        QVERIFY(window().isWindowModified());
        QCOMPARE(tolvane::testing::readFile(home->profileFolder() / "Studio.xml"), before);
        pick("popupFMLEProfileNames", "Talk");
        asked.clear();
        QVERIFY(tolvane::testing::readFile(home->profileFolder() / "Studio.xml") != before);
        QCOMPARE(window().windowTitle(), "Talk[*] — Tolvane");
        QCOMPARE(changes->topLevelItemCount(), 0);

        // Closing asks too, CamTwist's changes included; Discard drops them.
        pick("popupFMLEAudioSamplerate", "11025");
        find<QCheckBox>("chkboxCamTwistCustomVideoSize")->click();
        answers = {QMessageBox::Discard, QMessageBox::Cancel};
        QVERIFY(!window().close());
        QCOMPARE(asked, QStringList({"Save the changes to “Talk”?",
                                     "Save the changes to CamTwist's settings?"}));
        QVERIFY(window().isVisible());
        QVERIFY(window().close());
        QVERIFY(tolvane::testing::readFile(home->profileFolder() / "Talk.xml") ==
                fixture("vp6-utf8.xml"));
    }

    void savingOntoAnotherProfileAsksFirstAndTheListFollowsTheFolder() {
        pick("popupFMLEProfileNames", "Studio");
        QTest::keySequence(&window(), QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(QApplication::focusWidget(), find("txtfldNewProfileName"));
        QCOMPARE(find<QLineEdit>("txtfldNewProfileName")->selectedText(), "Studio");
        const std::string talk = tolvane::testing::readFile(home->profileFolder() / "Talk.xml");
        answers = {QMessageBox::Cancel, QMessageBox::Yes};
        saveAs("Talk");
        QCOMPARE(asked.takeFirst(),
                 "Replace “Talk”?\n\nA profile named “Talk” exists. Saving "
                 "replaces it with these settings.");
        QCOMPARE(tolvane::testing::readFile(home->profileFolder() / "Talk.xml"), talk);
        saveAs("Talk");
        asked.removeFirst();
        QCOMPARE(said(), "Saved “Talk” (Talk.xml)");
        QCOMPARE(shown("popupFMLEProfileNames"), "Talk");
        saveAs("Fresh");  // a new name is listed and selected at once
        QCOMPARE(shown("popupFMLEProfileNames"), "Fresh");
        QVERIFY(asked.isEmpty());

        // Another program adds one, changes the open one, removes it.
        home->write(kFolder + "Outside.xml", fixture("vp6-utf8.xml"));
        QTRY_VERIFY(box("popupFMLEProfileNames")->findText("Outside") >= 0);
        QCOMPARE(shown("popupFMLEProfileNames"), "Fresh");
        home->write(kFolder + "Fresh.xml", fixture("vp6-utf8.xml"));
        QTRY_VERIFY(find("diskBar")->isVisible());
        QVERIFY(find<QLabel>("diskText")->text().startsWith("Changed on disk: “Fresh”"));
        QTest::mouseClick(find("buttonReload"), Qt::LeftButton);
        QCOMPARE(shown("popupFMLEAudioOutputFormat"), "Nellymoser");
        fs::remove(home->profileFolder() / "Fresh.xml");
        QTRY_VERIFY(find<QLabel>("diskText")->text().contains("was removed on disk"));
        QCOMPARE(shown("popupFMLEProfileNames"), "Fresh (removed on disk)");  // saved again
        QTest::keySequence(&window(), QKeySequence::Save);
        QVERIFY(fs::exists(home->profileFolder() / "Fresh.xml"));

        // Values changed here and there: the user picks whose text each keeps.
        std::vector<tolvane::Conflict> met;
        actions().setResolve([&met](const std::vector<tolvane::Conflict>& conflicts) {
            met = conflicts;
            return tolvane::Resolutions{{conflicts[0].id, tolvane::Keep::theirs}};
        });
        pick("popupFMLEAudioSamplerate", "11025");
        std::string theirs = tolvane::testing::readFile(home->profileFolder() / "Fresh.xml");
        theirs.replace(theirs.find("22050"), 5, "44100");
        home->write(kFolder + "Fresh.xml", theirs);
        QTest::keySequence(&window(), QKeySequence::Save);
        QCOMPARE(met.size(), std::size_t{1});
        QVERIFY(said().startsWith("Saved “Fresh”"));
        QCOMPARE(shown("popupFMLEAudioSamplerate"), "44100");
    }

    void importTakesProfilesOnlyAndExportWritesTheChanges() {
        home->write("Downloads/page.xml", "<html><body/></html>");
        home->write("Downloads/broken.xml", "<flashmedialiveencoder_profile>");
        home->write("Downloads/Guest.xml", fixture("vp6-utf8.xml"));
        home->write("Downloads/Talk.xml", fixture("h264-utf16.xml"));
        const auto path = [this](const char* name) {
            return QString::fromStdString((home->path() / "Downloads" / name).string());
        };
        for (const char* refused : {"page.xml", "broken.xml"}) {
            actions().importProfile(path(refused));
            QCOMPARE(said(), QString("Not imported: “%1” is not an FMLE profile").arg(refused));
            QVERIFY(!fs::exists(home->profileFolder() / refused));
        }
        actions().openProfileFile(path("Guest.xml"));
        QCOMPARE(said(), "Imported “Guest” from ~/Downloads/Guest.xml");
        QCOMPARE(shown("popupFMLEProfileNames"), "Guest");
        QCOMPARE(window().windowTitle(), "Guest[*] — Tolvane");
        answers = {QMessageBox::Cancel};
        actions().importProfile(path("Talk.xml"));
        QVERIFY(asked.takeFirst().startsWith("Replace “Talk”?"));
        QCOMPARE(tolvane::testing::readFile(home->profileFolder() / "Talk.xml"),
                 fixture("vp6-utf8.xml"));

        pick("popupFMLEAudioSamplerate", "11025");
        actions().exportProfile(path("out.xml"));
        QCOMPARE(said(), "Exported the profile to ~/Downloads/out.xml");
        QVERIFY(tolvane::testing::readFile(home->path() / "Downloads/out.xml")
                    .find("<sample_rate>11025</sample_rate>") != std::string::npos);
        QVERIFY(window().isWindowModified());  // exporting saves nothing in the folder
    }

    void startsWithoutFilesSaysWhyAndEveryButtonIsHarmless() {
        start(Home::unreadable);
        QCOMPARE(said(),
                 "Not opened: “Broken.xml” is not a profile Tolvane can read; the form keeps the "
                 "values shown before");
        QCOMPARE(said("noticeCamTwist"),
                 "CamTwist's settings not read: ~/Library/Preferences/"
                 "com.allocinit.CamTwist.plist is empty or not a settings file");
        start(Home::noProfile);
        QCOMPARE(said("noticeProfiles"),
                 "No FMLE profiles in ~/Library/Application Support/Adobe/"
                 "Flash Media Live Encoder 3.2");

        start(Home::nothing);
        QCOMPARE(window().windowTitle(), "Tolvane[*]");
        QVERIFY(!find("popupFMLEAudioOutputFormat")->isEnabled());
        QVERIFY(find("noticeNoProfile")->isHidden());  // the folder's notice says why
        QVERIFY(!find("buttonRemoveFMLEProfile")->isEnabled());
        QCOMPARE(said("noticeProfiles"),
                 "No FMLE profiles: ~/Library/Application Support/Adobe/"
                 "Flash Media Live Encoder 3.2 does not exist");
        QCOMPARE(said("noticeCamTwist"),
                 "No CamTwist settings: ~/Library/Preferences/"
                 "com.allocinit.CamTwist.plist does not exist");
        QVERIFY(!find("buttonCamTwistSaveConfig")->isEnabled());
        for (auto* button : window().findChildren<QPushButton*>())
            button->click();
        for (auto* widget : window().findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus && !widget->objectName().isEmpty())
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
