#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "camtwist/Plist.h"
#include "controller/Tolvane.h"
#include "support/FailingFileOps.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using testing::fixture;
using testing::readFile;

const char* kPrefs = "Library/Preferences/com.allocinit.CamTwist.plist";
const char* kBackup = "Library/Preferences/com.allocinit.CamTwist.bak";

std::string sizePlist(const std::string& videoSize,
                      const std::string& frameRate = "<integer>30</integer>") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
           "<key>frameRate</key>" +
           frameRate + "<key>videoSize</key>" + videoSize +
           "<key>autoload</key><string>keep</string></dict></plist>\n";
}

struct CamTwist {
    // Writes the preference file (when given) before the controller starts.
    explicit CamTwist(const std::optional<std::string>& prefs) {
        if (prefs) path = home.write(kPrefs, *prefs);
        controller = std::make_unique<Tolvane>(form, devices, ops);
        controller->awakeFromNib();
    }
    PlistDictionary saved() const { return *PlistDictionary::parse(readFile(path)); }
    std::size_t filesInFolder() const { return testing::entryCount(home.preferencesFolder()); }

    testing::TempHome home;
    fs::path path = home.path() / kPrefs;
    fs::path backup = home.path() / kBackup;
    Form form = standardForm();
    FixedCaptureDevices devices;
    FailingFileOps ops;
    std::unique_ptr<Tolvane> controller;
};

TEST(CamTwist, ReadsBothFormatsIntoTheForm) {
    CamTwist xml(fixture("camtwist.xml.plist"));
    EXPECT_EQ("30", xml.form.txtfldCamTwistFramerate.stringValue());
    EXPECT_EQ("640x480", xml.form.popupCamTwistVideoSize.title());
    EXPECT_FALSE(xml.controller->camTwistCustomVideoSize());
    EXPECT_EQ("", xml.form.txtfldCamTwistCustomWidth.stringValue());

    CamTwist binary(fixture("camtwist.bin.plist"));
    EXPECT_EQ("29.97", binary.form.txtfldCamTwistFramerate.stringValue());
    EXPECT_EQ("1000", binary.form.txtfldCamTwistCustomWidth.stringValue());
    EXPECT_EQ("700", binary.form.txtfldCamTwistCustomHeight.stringValue());
    EXPECT_TRUE(binary.controller->camTwistCustomVideoSize());
    EXPECT_EQ(12u, binary.controller->camTwistPrefs().size());
}

TEST(CamTwist, OddStoredValuesShowWhatCanBeRead) {
    CamTwist noSeparator(sizePlist("<string>{640x480}</string>", "<real>30.0</real>"));
    EXPECT_EQ("640x480", noSeparator.form.popupCamTwistVideoSize.title());
    EXPECT_EQ("30", noSeparator.form.txtfldCamTwistFramerate.stringValue());

    CamTwist wrongTypes(sizePlist("<integer>640</integer>", "<string>30</string>"));
    EXPECT_EQ("", wrongTypes.form.txtfldCamTwistFramerate.stringValue());
    EXPECT_EQ("", wrongTypes.form.txtfldCamTwistCustomWidth.stringValue());
    EXPECT_TRUE(wrongTypes.controller->camTwistCustomVideoSize());

    // Multi-byte characters at the ends are dropped whole.
    CamTwist wide(sizePlist("<string>«800, 600»</string>"));
    EXPECT_EQ("800", wide.form.txtfldCamTwistCustomWidth.stringValue());
    EXPECT_EQ("600", wide.form.txtfldCamTwistCustomHeight.stringValue());
    CamTwist single(sizePlist("<string>é</string>"));
    EXPECT_EQ("", single.form.txtfldCamTwistCustomWidth.stringValue());

    // A string holding a NUL reads up to it (libplist's own getter aborts on it), and is never
    // written back raw, which would make the whole file unreadable.
    const std::string withNul = sizePlist(std::string("<string>{1\0, 2}</string>", 24));
    CamTwist nul(withNul);
    EXPECT_EQ("{1", nul.controller->camTwistPrefs().string("videoSize"));
    nul.controller->camTwistSaveConfig();  // the size is rewritten: what was read saves fine
    EXPECT_EQ(Outcome::Kind::saved, nul.controller->lastOutcome().kind);
    std::string other = sizePlist("<string>{640, 480}</string>");
    other.replace(other.find("keep"), 4, std::string("k\0p", 3));
    nul.home.write(kPrefs, other);
    Tolvane again(nul.form, nul.devices);
    again.awakeFromNib();
    again.camTwistSaveConfig();
    EXPECT_EQ(Outcome::Kind::unwritableText, again.lastOutcome().kind);
    EXPECT_EQ("autoload", again.lastOutcome().detail);
    EXPECT_EQ(other, readFile(nul.path));

    // Too short, no plist, an array, nested deeper than any CamTwist file, cut short.
    std::string deep = "<plist><dict><key>a</key>";
    for (int i = 0; i < 300; ++i)
        deep += "<array>";
    for (const std::string& broken : {std::string("bplist0"), std::string("not a plist at all"),
                                      std::string("<plist><array/></plist>"), deep,
                                      fixture("camtwist.bin.plist").substr(0, 200)}) {
        CamTwist none(broken);
        EXPECT_EQ(0u, none.controller->camTwistPrefs().size()) << broken;
        EXPECT_TRUE(none.controller->camTwistCustomVideoSize());
        // A file that could not be read is not replaced by the three keys alone.
        none.controller->camTwistSaveConfig();
        EXPECT_EQ(Outcome::Kind::unreadablePreferenceFile, none.controller->lastOutcome().kind);
        EXPECT_EQ(broken, readFile(none.path));
        EXPECT_FALSE(fs::exists(none.backup));
    }
}

TEST(CamTwist, SyncCopiesTheFmleSizeOrFillsTheCustomFields) {
    CamTwist c(sizePlist("<string>{1000, 700}</string>"));
    c.form.popupFMLEVideoInputSize.selectItemWithTitle("640x480");
    c.controller->setSyncVideoSize(true);
    EXPECT_EQ("640x480", c.form.popupCamTwistVideoSize.title());
    EXPECT_FALSE(c.controller->camTwistCustomVideoSize());
    EXPECT_EQ("1000", c.form.txtfldCamTwistCustomWidth.stringValue());  // kept

    c.form.popupFMLEVideoInputSize.selectItemWithTitle("160x120");
    EXPECT_EQ("640x480", c.form.popupCamTwistVideoSize.title());  // only when switched on
    c.controller->setSyncVideoSize(true);
    EXPECT_EQ("160", c.form.txtfldCamTwistCustomWidth.stringValue());
    EXPECT_EQ("120", c.form.txtfldCamTwistCustomHeight.stringValue());
    EXPECT_TRUE(c.controller->camTwistCustomVideoSize());

    c.controller->camTwistVideoSizeSelected();
    EXPECT_EQ("", c.form.txtfldCamTwistCustomWidth.stringValue());
    EXPECT_FALSE(c.controller->camTwistCustomVideoSize());
}

TEST(CamTwist, SaveKeepsEveryOtherKeyAndTheBackupHoldsThePreviousFile) {
    const std::string original = fixture("camtwist.bin.plist");
    CamTwist c(original);
    const PlistDictionary before = c.controller->camTwistPrefs();
    ::chmod(c.path.c_str(), 0600);
    c.form.txtfldCamTwistFramerate.setStringValue("29.97");
    c.form.popupCamTwistVideoSize.selectItemWithTitle("320x240");
    c.controller->camTwistVideoSizeSelected();
    c.controller->camTwistSaveConfig();

    EXPECT_EQ(original, readFile(c.backup));
    PlistDictionary saved = c.saved();
    EXPECT_EQ("29", saved.numberText("frameRate"));
    EXPECT_EQ("{320, 240}", saved.string("videoSize"));
    EXPECT_EQ(false, saved.boolean("usingCustomVideoSize"));
    // Apart from the three keys, what was read is what is written.
    PlistDictionary expected = before;
    expected.setInteger("frameRate", 29);
    expected.setString("videoSize", "{320, 240}");
    expected.setBoolean("usingCustomVideoSize", false);
    EXPECT_EQ(expected, saved);
    struct stat info {};
    ::stat(c.path.c_str(), &info);
    EXPECT_EQ(0600u, info.st_mode & 07777);

    const std::string first = readFile(c.path);
    c.controller->setCamTwistCustomVideoSize(true);
    c.form.txtfldCamTwistFramerate.setStringValue("abc");
    c.controller->camTwistSaveConfig();
    EXPECT_EQ(first, readFile(c.backup));
    EXPECT_EQ("0", c.saved().numberText("frameRate"));
    EXPECT_EQ("{, }", c.saved().string("videoSize"));

    // With no standard size chosen and no custom size, the stored size stays.
    c.form.txtfldCamTwistCustomWidth.setStringValue("800");
    c.form.txtfldCamTwistCustomHeight.setStringValue("600");
    c.controller->camTwistSaveConfig();
    c.controller->setCamTwistCustomVideoSize(false);
    c.form.popupCamTwistVideoSize.selectItemAtIndex(-1);
    c.controller->camTwistSaveConfig();
    EXPECT_EQ("{800, 600}", c.saved().string("videoSize"));
    EXPECT_EQ(2u, c.filesInFolder());
}

TEST(CamTwist, SaveNeverCreatesLosesOrHalfWritesTheFile) {
    CamTwist missing(std::nullopt);
    missing.controller->camTwistSaveConfig();
    EXPECT_FALSE(fs::exists(missing.path));
    EXPECT_FALSE(fs::exists(missing.backup));

    EXPECT_EQ(Outcome::Kind::noPreferenceFile, missing.controller->lastOutcome().kind);

    const std::string original = sizePlist("<string>{640, 480}</string>");
    // A backup that cannot be replaced stops the save; a refused hard link falls back to a copy.
    CamTwist locked(original);
    locked.home.write(kBackup, "old backup");
    locked.ops.failOnPath(FailingFileOps::Call::rename, ".bak");
    locked.controller->camTwistSaveConfig();
    EXPECT_EQ(original, readFile(locked.path));
    EXPECT_EQ("old backup", readFile(locked.backup));
    EXPECT_EQ(2u, locked.filesInFolder());
    CamTwist noLinks(original);
    noLinks.ops.failOnPath(FailingFileOps::Call::link, ".tolvane-", EXDEV);
    noLinks.controller->camTwistSaveConfig();
    EXPECT_TRUE(noLinks.controller->lastOutcome().ok());
    EXPECT_EQ(original, readFile(noLinks.backup));
    EXPECT_TRUE(noLinks.saved().contains("usingCustomVideoSize"));
}

}  // namespace
}  // namespace tolvane
