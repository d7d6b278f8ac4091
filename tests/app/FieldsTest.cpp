#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/TolvaneProgram.h"
#include "app/Widgets.h"
#include "support/TempHome.h"

using tolvane::Validity;
using tolvane::testing::fixture;

namespace {

const std::string kFolder = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/";

// A UTF-16LE profile's text after its declaration, attributes quoted alike (the writer spells
// both its own way).
QString fromUtf16(const std::string& bytes) {
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size() / 2));
    return text.mid(text.indexOf("\r\n")).replace('\'', '"');
}

}  // namespace

// The streams, destination and output fields in the window: what they check as typed, what a
// save writes from them, and that the stream key stays masked.
class FieldsTest : public QObject {
    Q_OBJECT

    std::optional<tolvane::testing::TempHome> home;
    tolvane::FixedCaptureDevices devices{{"Built-in Microphone"}, {"CamTwist"}};
    tolvane::QtFileOps fileOps;
    std::unique_ptr<tolvane::TolvaneProgram> program;

    tolvane::MainWindow& window() { return program->window(); }
    template <typename W = QWidget>
    W* find(const char* name) {
        if (auto* widget = window().findChild<W*>(QLatin1String(name))) return widget;
        qFatal("no widget %s", name);
    }
    QLineEdit* edit(const char* name) {
        if (auto* box = window().findChild<QComboBox*>(QLatin1String(name))) return box->lineEdit();
        return find<QLineEdit>(name);
    }
    void type(const char* field, const QString& text) {
        edit(field)->selectAll();
        QTest::keyClick(edit(field), Qt::Key_Backspace);
        QTest::keyClicks(edit(field), text);
    }
    QString refused(Validity::Scope scope = Validity::Scope::profile) {
        return window().binder().validity().reason(scope);
    }
    void pick(const char* list, const QString& title) {
        auto* box = find<QComboBox>(list);
        box->setCurrentIndex(box->findText(title));
        emit box->activated(box->currentIndex());
    }
    void openOutputPanel() {
        for (QAction* item : window().findChildren<QAction*>())
            if (item->objectName() == "actionOutputPanel") item->trigger();
    }
    std::string saved(const char* name) {
        return tolvane::testing::readFile(home->path() / (kFolder + name + ".xml"));
    }

    void start() {
        program = std::make_unique<tolvane::TolvaneProgram>(devices, fileOps);
        // Edits here are left behind when another profile opens; a copy replaces one.
        window().actions().setAsk([](const tolvane::Actions::Question& question) {
            return question.buttons & QMessageBox::Discard ? QMessageBox::Discard
                                                           : QMessageBox::Yes;
        });
    }

  private slots:
    void init() {
        home.emplace();
        qputenv("HOME", QByteArray::fromStdString(home->path().string()));
        // Sorted first, so opened at start: a capture card's profile, UTF-16LE with CRLF.
        home->write(kFolder + "Card.xml", fixture("fmle-capture-card.xml"));
        std::string kept = fixture("vp6-utf8.xml");
        kept.replace(kept.find("350;"), 4, "800€;");
        home->write(kFolder + "Kept.xml", kept);
        std::string four = fixture("vp6-utf8.xml");
        four.replace(four.find("350;"), 4, "350;300;200;100;");
        four.replace(four.find("320x240;"), 8, "320x240;320x240;320x240;160x120;");
        home->write(kFolder + "Four.xml", four);
        home->write("Library/Preferences/com.allocinit.CamTwist.plist",
                    fixture("camtwist.xml.plist"));
        start();
    }
    void cleanup() { program.reset(), home.reset(); }

    void typedValuesAreCheckedAndKeptTextsAreNot() {
        struct Case {
            const char* field;
            QString typed;
            QString shown;  // what the validator lets through
            bool acceptable;
        };
        // Card is H.264: sizes must be even.
        const Case cases[] = {
            {"comboboxFMLEVideoOutputBitrate", "2,5 Mbps", "25", true},
            {"comboboxFMLEVideoOutputBitrate", "0", "0", false},
            {"comboboxFMLEVideoOutputBitrate", "1234567", "123456", false},
            {"txtfldFMLEVideoOutputSizeX", "abc", "", false},
            {"txtfldFMLEVideoOutputSizeX", "1281", "1281", false},
            {"txtfldFMLEVideoOutputSizeX", "8", "8", false},
            {"txtfldFMLEVideoOutputSizeY", "720", "720", true},
        };
        for (const Case& c : cases) {
            type(c.field, c.typed);
            QCOMPARE(edit(c.field)->text(), c.shown);
            QVERIFY2(refused().isEmpty() == c.acceptable, qPrintable(c.typed));
            type(c.field, "720");
        }
        QVERIFY(refused().isEmpty());
        // An odd width becomes acceptable with a codec that takes it, and a load forgets it.
        type("txtfldFMLEVideoOutputSizeX", "1281");
        pick("popupFMLEVideoOutputFormat", "VP6");
        QVERIFY(refused().isEmpty());
        pick("popupFMLEVideoOutputFormat", "H.264");
        QVERIFY(!refused().isEmpty());
        pick("popupFMLEProfileNames", "Kept");
        QCOMPARE(edit("comboboxFMLEVideoOutputBitrate")->text(), "800€");
        QVERIFY(refused().isEmpty());

        // CamTwist's fields hold back only CamTwist's save.
        type("txtfldCamTwistFramerate", "");
        QVERIFY(!refused(Validity::Scope::camTwist).isEmpty());
        QVERIFY(refused().isEmpty());

        // A total the audio bitrate (44 Kbps here) leaves nothing of is refused in the window.
        type("comboboxTotalBitrate", "40");
        QVERIFY(!find("buttonAdjustBitrate")->isEnabled());
        QTest::keyClick(edit("comboboxTotalBitrate"), Qt::Key_Return);
        QCOMPARE(edit("comboboxFMLEVideoOutputBitrate")->text(), "800€");
        QVERIFY(find<QLabel>("labelTotalRefused")->text().contains("44 Kbps"));
    }

    void eachEditChangesExactlyItsElement() {
        const QString original = fromUtf16(fixture("fmle-capture-card.xml"));
        struct Case {
            const char* field;
            QString typed;
            QString before, after;
        };
        const Case cases[] = {
            {"txtfldFMLEStreamURL", "rtmps://live.example.com/app", "<url>rtmp:", "<url>rtmps:"},
            {"txtfldFMLEBackupURL", "rtmp://b.example.com/app", "<backup_url></backup_url>",
             "<backup_url>rtmp://b.example.com/app</backup_url>"},
            {"txtfldFMLEStreamName", "studio_%i", "<stream>studio<", "<stream>studio_%i<"},
            {"comboboxFMLEVideoOutputBitrate2", "900", "<datarate>2500;</datarate>",
             "<datarate>2500;900;</datarate>"},
        };
        for (const Case& c : cases) {
            start();
            QString expected = original;
            if (QString(c.field).endsWith('2')) {
                QTest::mouseClick(find("buttonAddStream"), Qt::LeftButton);
                // Stream 2 starts as a copy of stream 1, and its size is saved with it.
                expected.replace("<outputsize>1024x768;", "<outputsize>1024x768;1024x768;");
            } else {
                openOutputPanel();
            }
            type(c.field, c.typed);
            type("txtfldNewProfileName", "Copy");
            QTest::keyClick(edit("txtfldNewProfileName"), Qt::Key_Return);
            QCOMPARE(fromUtf16(saved("Copy")), expected.replace(c.before, c.after));
        }
    }

    void aStreamRowBuiltWhenAddedShowsItsValuesAndTabsInPlace() {
        QTest::mouseClick(find("buttonAddStream"), Qt::LeftButton);
        QCOMPARE(edit("comboboxFMLEVideoOutputBitrate2")->text(), "2500");
        // Tab goes from stream 1's row to stream 2's, then on to the total bitrate below.
        const auto nextStop = [](QWidget* from) {
            QWidget* next = from->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus || next->focusProxy())
                next = next->nextInFocusChain();
            return next;
        };
        QCOMPARE(nextStop(find("buttonRemoveStream1")), find("comboboxFMLEVideoOutputBitrate2"));
        QCOMPARE(nextStop(find("buttonRemoveStream2")), find("comboboxTotalBitrate"));
        // A screen reader meets it there too.
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(find("groupStreams"));
        const auto at = [this, group](const char* name) {
            return group->indexOfChild(QAccessible::queryAccessibleInterface(find(name)));
        };
        QVERIFY(at("buttonRemoveStream1") < at("comboboxFMLEVideoOutputBitrate2"));
        QVERIFY(at("buttonRemoveStream2") < at("comboboxTotalBitrate"));
    }

    void theKeyStaysMaskedInTheResolvedNames() {
        openOutputPanel();
        QTest::mouseClick(find("buttonAddStream"), Qt::LeftButton);
        QTest::mouseClick(find("buttonAddStream"), Qt::LeftButton);
        type("txtfldFMLEStreamName", "live_%i?key=s3cret");
        auto* names = find<QLabel>("labelResolvedStreamNames");
        QVERIFY(!names->text().contains("s3cret"));
        QVERIFY(names->text().contains("•3•"));  // the parameter, in a masked name
        QVERIFY(find<QLabel>("labelStreamNameWarning")->isHidden());
        QVERIFY(!find<tolvane::ElidedLabel>("statusMessage")->fullText().contains("s3cret"));
        find<QPushButton>("buttonShowStreamName")->click();
        QVERIFY(names->text().contains("live_2?key=s3cret"));
        // Three streams under one name collide on the server.
        type("txtfldFMLEStreamName", "live");
        QVERIFY(!find<QLabel>("labelStreamNameWarning")->isHidden());
        QVERIFY(find<QLabel>("labelKeptStreamValues")->isHidden());
        pick("popupFMLEProfileNames", "Four");
        QCoreApplication::processEvents();
        QVERIFY(find<QLabel>("labelKeptStreamValues")->text().contains("“100;”"));
    }

    void aTickedCopyBoxShowsFMLEsValueWhereALoadLeftAnother() {
        find<QCheckBox>("chkboxSyncFrameRate")->click();
        QCOMPARE(edit("txtfldCamTwistFramerate")->text(), "29.97");
        QVERIFY(find<QLabel>("hintCamTwistFramerate")->text().isEmpty());
        pick("popupFMLEProfileNames", "Kept");
        QCOMPARE(edit("txtfldCamTwistFramerate")->text(), "29.97");
        QCOMPARE(find<QLabel>("hintCamTwistFramerate")->text(), "FMLE: 15.00 fps");
    }
};

QTEST_MAIN(FieldsTest)
#include "FieldsTest.moc"
