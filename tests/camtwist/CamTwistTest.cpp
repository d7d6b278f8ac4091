#include <gtest/gtest.h>

#include <filesystem>
#include <type_traits>

#include "camtwist/Plist.h"
#include "controller/Tolvane.h"
#include "profile/ProfileStore.h"
#include "support/FailingFileOps.h"

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

std::string plist(const std::string& entries) {
    return "<plist><dict>" + entries + "</dict></plist>";
}

std::string text(const std::optional<std::string>& value) {
    return value.value_or("-");
}

// Changes and conflicts as "rate 30>25", "size 30|25|15" (loaded, mine, theirs).
template <typename Item>
std::string listed(const std::vector<Item>& items) {
    std::string out;
    for (const Item& c : items) {
        out += out.empty() ? "" : "; ";
        out += c.id == ValueId::camTwistFrameRate   ? "rate "
               : c.id == ValueId::camTwistVideoSize ? "size "
                                                    : "custom ";
        if constexpr (std::is_same_v<Item, Change>)
            out += text(c.stored) + ">" + text(c.written) + (c.rule ? " by a rule" : "");
        else
            out += text(c.loaded) + "|" + text(c.mine) + "|" + text(c.theirs);
    }
    return out;
}

// A started program over a home holding the given preference file, if any.
struct CamTwist {
    explicit CamTwist(const std::optional<std::string>& prefs) {
        if (prefs) home.write(kPrefs, *prefs);
        controller = std::make_unique<Tolvane>(form, devices, ops, home.locations());
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
    std::string changes() const { return listed(controller->pendingChanges()); }
    SaveOutcome save(const Resolutions& keep = {}) { return controller->camTwistSaveConfig(keep); }
    PlistDictionary saved() const { return PlistDictionary::parse(readFile(path)).value(); }
    void rate(const std::string& text) { form.txtfldCamTwistFramerate.setStringValue(text); }

    testing::TempHome home;
    fs::path path = home.path() / kPrefs, backup = home.path() / kBackup;
    Form form = standardForm();
    FixedCaptureDevices devices;
    FailingFileOps ops;
    std::unique_ptr<Tolvane> controller;
};

TEST(CamTwist, ReadsWhatItCanOfBothFormatsIntoTheForm) {
    EXPECT_EQ(12u, CamTwist(fixture("camtwist.bin.plist")).controller->camTwistPrefs().size());
    // A size split at "," with or without blanks; wrong types, multi-byte braces dropped whole,
    // one character.
    for (const auto& [prefs, shown] : std::vector<std::pair<std::string, std::string>>{
             {fixture("camtwist.bin.plist"), "29.97 custom 1000x700"},
             {fixture("camtwist.xml.plist"), "30 640x480 x"},
             {sizePlist("<string>{ 1000 ,700}</string>"), "30 custom 1000x700"},
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

TEST(CamTwist, AnUnchangedSaveKeepsEveryKeyAsItWas) {
    for (const std::string& prefs : {
             sizePlist("<string>{640, 480}</string>", "<real>29.97</real>"),
             sizePlist("<string>{640,480}</string>"),
             sizePlist("<string>{1000,700,9}</string>"),
             plist("<key>videoSize</key><string>{640, 480}</string>"
                   "<key>usingCustomVideoSize</key><true/>"),
             plist("<key>videoSize</key><string>{1000, 700}</string>"
                   "<key>usingCustomVideoSize</key><false/>"),
             plist("<key>autoload</key><string>keep</string>"),  // none of the three keys
             sizePlist("<integer>640</integer>", "<string>30</string>"),
             fixture("camtwist.bin.plist"),  // every type, binary
             fixture("camtwist.xml.plist"),
         }) {
        SCOPED_TRACE(prefs);
        CamTwist c(prefs);
        const std::string shown = c.shown();
        EXPECT_EQ("", c.changes());
        EXPECT_EQ(Kind::saved, c.save().kind);
        EXPECT_EQ(*PlistDictionary::parse(prefs), c.saved());
        EXPECT_EQ(prefs, readFile(c.backup));
        EXPECT_EQ(shown, c.shown());
        EXPECT_EQ("", c.changes());
        const std::string first = readFile(c.path);
        c.save();
        EXPECT_EQ(first, readFile(c.path));
    }
}

TEST(CamTwist, SavesWhatTheUserChangedInEachKeysOwnType) {
    CamTwist c(fixture("camtwist.bin.plist"));  // 29.97, custom 1000x700, flag false
    PlistDictionary expected = c.controller->camTwistPrefs();
    // A text that leads to the stored number's integer is still a change, unless it is the text
    // shown; a value changed and changed back is none.
    c.rate("29");
    c.form.txtfldCamTwistCustomWidth.setStringValue("800");
    c.form.txtfldCamTwistCustomWidth.setStringValue("1000");
    EXPECT_EQ("rate 29.97>29", c.changes());
    c.rate("29.97");
    EXPECT_EQ("", c.changes());
    c.rate(" 25 fps");
    c.form.txtfldCamTwistCustomHeight.setStringValue("");
    EXPECT_EQ("rate 29.97>25; size {1000, 700}>{1000, }", c.changes());
    expected.setInteger("frameRate", 25);
    expected.setString("videoSize", "{1000, }");
    EXPECT_EQ(expected, c.controller->buildCamTwistPrefs());
    EXPECT_EQ(Kind::saved, c.save().kind);
    EXPECT_EQ(expected, c.saved());
    EXPECT_EQ("25 custom 1000x", c.shown());
    EXPECT_EQ("", c.changes());

    // A standard size picked: the flag is written as it changed; a frame rate without digits is 0.
    const std::string first = readFile(c.path);
    c.controller->camTwistVideoSizeSelected();
    c.form.popupCamTwistVideoSize.selectItemWithTitle("320x240");
    c.rate("abc");
    EXPECT_EQ("rate 25>0; size {1000, }>{320, 240}; custom false>false", c.changes());
    EXPECT_EQ(Kind::saved, c.save().kind);
    EXPECT_EQ(first, readFile(c.backup));
    expected.setInteger("frameRate", 0);
    expected.setString("videoSize", "{320, 240}");
    EXPECT_EQ(expected, c.saved());
    EXPECT_EQ("0 320x240 x", c.shown());

    // A file without the keys gains only those changed.
    CamTwist bare(plist("<key>autoload</key><string>keep</string>"));
    bare.controller->setCamTwistCustomVideoSize(false);
    EXPECT_EQ("size ->{320, 240}; custom ->false", bare.changes());
    bare.save();
    EXPECT_EQ(*PlistDictionary::parse(plist("<key>autoload</key><string>keep</string><key>"
                                            "videoSize</key><string>{320, 240}</string><key>"
                                            "usingCustomVideoSize</key><false/>")),
              bare.saved());
}

TEST(CamTwist, KeepsWhatChangedOnDiskMeanwhile) {
    const std::string original = fixture("camtwist.xml.plist");  // 30, 640x480, flag false
    const auto onDisk = [&](const std::string& from, const std::string& to) {
        return testing::edited(original, {{from, to}});
    };
    const std::string rate15 = onDisk("<integer>30</integer>", "<integer>15</integer>");
    const std::string rate25 = onDisk("<integer>30</integer>", "<real>25.0</real>");
    const std::string noRate = onDisk("<key>frameRate</key>", "<key>oldFrameRate</key>");
    const std::string hd = onDisk("{640, 480}", "{1280, 720}");
    const std::string source = onDisk("Désktop", "Window");
    struct Case {
        std::optional<std::string> disk;  // what another program left, or nothing: removed
        Resolutions keep;
        Kind kind;
        std::string conflicts, shownAfter;
    };
    using enum Keep;
    const auto rate = ValueId::camTwistFrameRate;
    for (const auto& [disk, keep, kind, conflicts, shownAfter] : std::vector<Case>{
             {original, {}, Kind::saved, "", "25 640x480 x"},
             {source, {}, Kind::merged, "", "25 640x480 x"},
             {hd, {}, Kind::merged, "", "25 1280x720 x"},
             {rate25, {}, Kind::merged, "", "25 640x480 x"},
             {rate15, {}, Kind::conflict, "rate 30|25|15", "25 640x480 x"},
             {rate15, {{rate, mine}}, Kind::merged, "", "25 640x480 x"},
             {rate15, {{rate, theirs}}, Kind::merged, "", "15 640x480 x"},
             {noRate, {}, Kind::conflict, "rate 30|25|-", "25 640x480 x"},
             {noRate, {{rate, theirs}}, Kind::merged, "", " 640x480 x"},
             {"<plist><array/></plist>", {}, Kind::unreadablePreferenceFile, "", "25 640x480 x"},
             {std::nullopt, {}, Kind::noPreferenceFile, "", "25 640x480 x"},
         }) {
        SCOPED_TRACE(disk.value_or("removed").substr(0, 600));
        CamTwist c(original);
        c.home.write(kBackup, "old backup");
        c.rate("25");
        if (disk)
            c.home.write(kPrefs, *disk);
        else
            fs::remove(c.path);
        const SaveOutcome outcome = c.save(keep);
        EXPECT_EQ(kind, outcome.kind);
        EXPECT_EQ(conflicts, listed(outcome.conflicts));
        EXPECT_EQ(shownAfter, c.shown());
        if (!outcome.ok()) {
            EXPECT_EQ("rate 30>25", c.changes());  // the form keeps the user's values
            EXPECT_EQ(disk.value_or("gone"), fs::exists(c.path) ? readFile(c.path) : "gone");
            EXPECT_EQ("old backup", readFile(c.backup));
            continue;
        }
        // The backup holds the file as it was on disk just before this save.
        EXPECT_EQ(*disk, readFile(c.backup));
        PlistDictionary expected = PlistDictionary::parse(*disk).value();
        if (!(disk == rate25 || keep == Resolutions{{rate, theirs}}))
            expected.setInteger("frameRate", 25);
        EXPECT_EQ(expected, c.saved());
        EXPECT_EQ("", c.changes());
        // The file written is the next save's base: unchanged, it saves as it is.
        const std::string written = readFile(c.path);
        EXPECT_EQ(Kind::saved, c.save().kind);
        EXPECT_EQ(written, readFile(c.path));
    }
}

TEST(CamTwist, SaveNeverCreatesLosesOrReplacesAFileItCouldNotRead) {
    CamTwist missing(std::nullopt);
    EXPECT_EQ(Kind::noPreferenceFile, missing.save().kind);
    EXPECT_FALSE(fs::exists(missing.path) || fs::exists(missing.backup));

    // A NUL ends the text read; a text XML cannot carry is refused, the size while it is kept,
    // the other key whatever the form holds. The working copy stays as read.
    std::string nul = sizePlist("<string>{1\0, 2}</string>"s);
    nul.replace(nul.find("keep"), 4, "k\0p"s);
    CamTwist c(nul);
    EXPECT_EQ("{1", c.controller->camTwistPrefs().string("videoSize"));
    EXPECT_EQ("videoSize", c.save().detail);
    c.form.popupCamTwistVideoSize.selectItemWithTitle("640x480");
    c.controller->setCamTwistCustomVideoSize(false);
    c.rate("25");
    const SaveOutcome refused = c.save();
    EXPECT_EQ(Kind::unwritableText, refused.kind);
    EXPECT_EQ("autoload", refused.detail);
    EXPECT_EQ(nul, readFile(c.path));
    EXPECT_EQ("30", c.controller->camTwistPrefs().numberText("frameRate"));
    EXPECT_EQ("{1", c.controller->camTwistPrefs().string("videoSize"));

    // Too short, no plist, an array, nested deeper than any CamTwist file, cut short.
    std::string deep = "<plist><dict><key>a</key>";
    for (int i = 0; i < 300; ++i)
        deep += "<array>";
    for (const std::string& broken : {"bplist0"s, "not a plist at all"s, "<plist><array/></plist>"s,
                                      deep, fixture("camtwist.bin.plist").substr(0, 200)}) {
        CamTwist none(broken);
        EXPECT_EQ(0u, none.controller->camTwistPrefs().size()) << broken;
        EXPECT_EQ(Kind::unreadablePreferenceFile, none.save().kind);
        EXPECT_EQ(broken, readFile(none.path));
        EXPECT_FALSE(fs::exists(none.backup));
    }
}

}  // namespace
}  // namespace tolvane
