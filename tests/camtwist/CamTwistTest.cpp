#include <gtest/gtest.h>

#include <filesystem>

#include "camtwist/Plist.h"
#include "controller/Tolvane.h"
#include "support/FailingFileOps.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using Kind = Outcome::Kind;
using testing::fixture;
using testing::readFile;
using namespace std::string_literals;

const char* kPrefs = "Library/Preferences/com.allocinit.CamTwist.plist";
const char* kBackup = "Library/Preferences/com.allocinit.CamTwist.bak";

std::string sizePlist(const std::string& videoSize,
                      const std::string& frameRate = "<integer>30</integer>") {
    return "<plist><dict><key>frameRate</key>" + frameRate + "<key>videoSize</key>" + videoSize +
           "<key>autoload</key><string>keep</string></dict></plist>";
}

// A started program over a home holding the given preference file, if any.
struct CamTwist {
    explicit CamTwist(const std::optional<std::string>& prefs) {
        if (prefs) home.write(kPrefs, *prefs);
        controller = std::make_unique<Tolvane>(form, devices, ops);
        controller->awakeFromNib();
    }
    // The frame rate, the standard size or "custom", and the custom fields.
    std::string shown() const {
        const auto size = controller->camTwistCustomVideoSize()
                              ? "custom"
                              : form.popupCamTwistVideoSize.title().value_or("none");
        return form.txtfldCamTwistFramerate.stringValue() + " " + size + " " +
               form.txtfldCamTwistCustomWidth.stringValue() + "x" +
               form.txtfldCamTwistCustomHeight.stringValue();
    }
    Kind save() { return controller->camTwistSaveConfig(), controller->lastOutcome().kind; }
    PlistDictionary saved() const { return *PlistDictionary::parse(readFile(path)); }

    testing::TempHome home;
    fs::path path = home.path() / kPrefs, backup = home.path() / kBackup;
    Form form = standardForm();
    FixedCaptureDevices devices;
    FailingFileOps ops;
    std::unique_ptr<Tolvane> controller;
};

TEST(CamTwist, ReadsWhatItCanOfBothFormatsIntoTheForm) {
    EXPECT_EQ(12u, CamTwist(fixture("camtwist.bin.plist")).controller->camTwistPrefs().size());
    // No ", " inside the braces, wrong types, multi-byte braces dropped whole, one character.
    for (const auto& [prefs, shown] : std::vector<std::pair<std::string, std::string>>{
             {fixture("camtwist.bin.plist"), "29.97 custom 1000x700"},
             {fixture("camtwist.xml.plist"), "30 640x480 x"},
             {sizePlist("<string>{640x480}</string>", "<real>30.0</real>"), "30 640x480 x"},
             {sizePlist("<integer>640</integer>", "<string>30</string>"), " custom x"},
             {sizePlist("<string>«800, 600»</string>"), "30 custom 800x600"},
             {sizePlist("<string>é</string>"), "30 custom x"}})
        EXPECT_EQ(shown, CamTwist(prefs).shown()) << prefs;
}

TEST(CamTwist, SyncCopiesTheFmleSizeOnlyWhenSwitchedOn) {
    CamTwist c(sizePlist("<string>{1000, 700}</string>"));
    c.form.popupFMLEVideoInputSize.selectItemWithTitle("640x480");
    c.controller->setSyncVideoSize(true);
    EXPECT_EQ("30 640x480 1000x700", c.shown());  // the custom fields stay
    c.form.popupFMLEVideoInputSize.selectItemWithTitle("160x120");
    c.controller->setSyncVideoSize(false);
    EXPECT_EQ("30 640x480 1000x700", c.shown());
    c.controller->setSyncVideoSize(true);
    EXPECT_EQ("30 custom 160x120", c.shown());
    c.controller->camTwistVideoSizeSelected();
    EXPECT_EQ("30 640x480 x", c.shown());
}

TEST(CamTwist, SaveKeepsEveryOtherKeyWithThePreviousFileAsBackup) {
    const std::string original = fixture("camtwist.bin.plist");
    CamTwist c(original);
    const auto privateFile = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(c.path, privateFile);
    // Neither a standard nor a custom size chosen: the stored size stays.
    PlistDictionary expected = c.controller->camTwistPrefs();
    expected.setInteger("frameRate", 29);
    expected.setBoolean("usingCustomVideoSize", false);
    c.form.txtfldCamTwistFramerate.setStringValue("29.97");
    c.controller->setCamTwistCustomVideoSize(false);
    c.form.popupCamTwistVideoSize.selectItemAtIndex(-1);
    EXPECT_EQ(Kind::saved, c.save());
    EXPECT_EQ(original, readFile(c.backup));
    EXPECT_EQ(expected, c.saved());
    EXPECT_EQ(privateFile, fs::status(c.path).permissions());

    const std::string first = readFile(c.path);
    c.form.txtfldCamTwistFramerate.setStringValue("abc");
    c.form.popupCamTwistVideoSize.selectItemWithTitle("320x240");
    c.save();
    EXPECT_EQ(first, readFile(c.backup));
    EXPECT_EQ("0", c.saved().numberText("frameRate"));
    EXPECT_EQ("{320, 240}", c.saved().string("videoSize"));
    c.controller->setCamTwistCustomVideoSize(true);
    c.form.txtfldCamTwistCustomWidth.setStringValue("");
    c.form.txtfldCamTwistCustomHeight.setStringValue("");
    c.save();
    EXPECT_EQ("{, }", c.saved().string("videoSize"));
}

TEST(CamTwist, SaveNeverCreatesLosesOrReplacesAFileItCouldNotRead) {
    CamTwist missing(std::nullopt);
    EXPECT_EQ(Kind::noPreferenceFile, missing.save());
    EXPECT_FALSE(fs::exists(missing.path) || fs::exists(missing.backup));

    // A NUL ends the text read; the size holding one is rewritten, a kept value is refused.
    std::string nul = sizePlist("<string>{1\0, 2}</string>"s);
    nul.replace(nul.find("keep"), 4, "k\0p"s);
    CamTwist c(nul);
    EXPECT_EQ("{1", c.controller->camTwistPrefs().string("videoSize"));
    EXPECT_EQ(Kind::unwritableText, c.save());
    EXPECT_EQ("autoload", c.controller->lastOutcome().detail);
    EXPECT_EQ(nul, readFile(c.path));

    // Too short, no plist, an array, nested deeper than any CamTwist file, cut short.
    std::string deep = "<plist><dict><key>a</key>";
    for (int i = 0; i < 300; ++i)
        deep += "<array>";
    for (const std::string& broken : {"bplist0"s, "not a plist at all"s, "<plist><array/></plist>"s,
                                      deep, fixture("camtwist.bin.plist").substr(0, 200)}) {
        CamTwist none(broken);
        EXPECT_EQ(0u, none.controller->camTwistPrefs().size()) << broken;
        EXPECT_EQ(Kind::unreadablePreferenceFile, none.save());
        EXPECT_EQ(broken, readFile(none.path));
        EXPECT_FALSE(fs::exists(none.backup));
    }

    // A backup that cannot be replaced stops the save; a refused hard link falls back to a copy.
    const std::string original = sizePlist("<string>{640, 480}</string>");
    CamTwist locked(original);
    locked.home.write(kBackup, "old backup");
    locked.ops.failOnPath(FailingFileOps::Call::rename, ".bak");
    EXPECT_NE(Kind::saved, locked.save());
    EXPECT_EQ(original, readFile(locked.path));
    EXPECT_EQ("old backup", readFile(locked.backup));
    EXPECT_EQ(2u, testing::entryCount(locked.home.preferencesFolder()));
    CamTwist noLinks(original);
    noLinks.ops.failOnPath(FailingFileOps::Call::link, ".tolvane-", EXDEV);
    EXPECT_EQ(Kind::saved, noLinks.save());
    EXPECT_EQ(original, readFile(noLinks.backup));
    EXPECT_TRUE(noLinks.saved().contains("usingCustomVideoSize"));
}

}  // namespace
}  // namespace tolvane
