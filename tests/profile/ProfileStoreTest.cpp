#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using testing::fixture;
using testing::readFile;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A started program over a profile folder holding the given files, in that order.
struct Store {
    Store(std::initializer_list<std::pair<std::string, std::string>> files) {
        for (const auto& [name, bytes] : files)
            home.write(
                fs::path("Library/Application Support/Adobe/Flash Media Live Encoder 3.2") / name,
                bytes);
        controller = std::make_unique<Tolvane>(form, devices);
        controller->awakeFromNib();
        controller->applicationDidFinishLaunching();
    }
    fs::path file(const std::string& name) const { return home.profileFolder() / (name + ".xml"); }
    std::optional<std::string> value(const std::string& path) const {
        return controller->valueForXPath("/flashmedialiveencoder_profile/" + path, root());
    }
    XmlNode root() const { return controller->currentFMLEProfile()->rootElement(); }
    bool saveAs(const std::string& name) {
        form.txtfldNewProfileName.setStringValue(name);
        const bool existed = fs::exists(file(name));
        const auto before = existed ? readFile(file(name)) : std::string();
        controller->fmleSaveProfile();
        return fs::exists(file(name)) && (!existed || readFile(file(name)) != before);
    }

    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices{{"Built-in Microphone", "Line In"},
                                {"CamTwist", "FaceTime HD Camera"}};
    std::unique_ptr<Tolvane> controller;
};

TEST(ProfileLoad, FillsTheFormFromAnFmleFile) {
    Store s({{"Studio.xml", fixture("h264-utf16.xml")}, {"Talk.xml", fixture("vp6-utf8.xml")}});
    Form& f = s.form;
    Tolvane& c = *s.controller;
    c.loadFMLEProfile("Studio");  // whichever the folder listed first
    EXPECT_EQ("CamTwist", f.popupFMLEVideoInputDeviceName.title());
    EXPECT_EQ("29.97", f.popupFMLEVideoFramerate.title());
    EXPECT_EQ("640x480", f.popupFMLEVideoInputSize.title());
    EXPECT_EQ("Built-in Microphone", f.popupFMLEAudioInputDevice.title());
    EXPECT_EQ("44100", f.popupFMLEAudioSamplerate.title());
    EXPECT_EQ("Stereo", f.popupFMLEAudioOutputChannel.title());
    EXPECT_EQ(75, c.inputVolume());
    EXPECT_TRUE(c.preserveAspect());
    EXPECT_EQ("H.264", f.popupFMLEVideoOutputFormat.title());
    EXPECT_TRUE(c.h264Selected());
    EXPECT_EQ("650", f.comboboxFMLEVideoOutputBitrate.stringValue());
    EXPECT_EQ("640", f.txtfldFMLEVideoOutputSizeX.stringValue());
    EXPECT_EQ("480", f.txtfldFMLEVideoOutputSizeY.stringValue());
    EXPECT_TRUE(c.enableH264Profile() && c.enableH264Level() && c.enableH264KeyframeFrequency());
    EXPECT_EQ("3.1", f.popupH264Level.title());
    EXPECT_EQ("5 Seconds", f.popupH264KeyframeFrequency.title());
    EXPECT_EQ("AAC", f.popupFMLEAudioOutputFormat.title());
    EXPECT_EQ("128", f.popupFMLEAudioOutputBitrate.title());

    c.fmleProfileSelected([] {
        PopUpList pick;
        pick.addItemWithTitle("Talk");
        return pick;
    }());
    EXPECT_FALSE(c.h264Selected());
    EXPECT_FALSE(c.enableH264Profile());  // a VP6 profile's "profile" is not read
    EXPECT_TRUE(c.enableVP6KeyframeFrequency() && c.enableVP6Quality() && c.enableVP6CPUUseage());
    EXPECT_FALSE(c.enableVP6NoiseReduction());
    EXPECT_EQ("2 Seconds", f.popupVP6KeyframeFrequency.title());
    EXPECT_EQ("5 Seconds", f.popupH264KeyframeFrequency.title());  // kept from the last load
    EXPECT_EQ("Nellymoser", f.popupFMLEAudioOutputFormat.title());
    EXPECT_EQ("Mono", f.popupFMLEAudioOutputChannel.title());
    EXPECT_EQ("44", f.popupFMLEAudioOutputBitrate.title());
    EXPECT_EQ(-5, c.inputVolume());
    EXPECT_FALSE(c.preserveAspect());
}

TEST(ProfileLoad, AudioStepsRunInTheirOrder) {
    // VP6 first offers MP3, which replaces 48000 Hz before the profile's AAC arrives; the
    // profile's bitrate is stored last, unchecked.
    std::string profile =
        replaced(fixture("vp6-utf8.xml"), "<sample_rate>22050", "<sample_rate>48000");
    profile = replaced(profile, "<format>Nellymoser", "<format>AAC");
    profile = replaced(profile, "<datarate>44<", "<datarate>11<");
    Store s({{"p.xml", profile}});
    EXPECT_EQ(1001, s.controller->tagAudioOutputFormat());
    EXPECT_EQ("44100", s.form.popupFMLEAudioSamplerate.title());
    EXPECT_EQ(1023, s.controller->tagAudioBitrate());
    EXPECT_TRUE(s.controller->bitrateStatus11Kbps());
}

TEST(ProfileLoad, OddValuesAreShownAsTheyAre) {
    std::string profile =
        replaced(fixture("vp6-utf8.xml"), "<datarate>350;</datarate>", "<datarate/>");
    profile = replaced(profile, "<outputsize>320x240;", "<outputsize>640x480;320x240;");
    profile = replaced(profile, "<height>240</height>", "");
    profile = replaced(profile, "<channels>1<", "<channels>Stereo<");
    profile = replaced(profile, "<input_volume>-5<", "<input_volume>99999999999<");
    profile = replaced(profile, "<datarate>44<", "<datarate>44 <");
    profile = replaced(profile, "</preset>",
                       "</preset><process><video><preserve_aspect>"
                       "no</preserve_aspect></video></process>");
    Store s({{"p.xml", profile}});
    EXPECT_EQ("", s.form.comboboxFMLEVideoOutputBitrate.stringValue());
    EXPECT_EQ("640", s.form.txtfldFMLEVideoOutputSizeX.stringValue());
    EXPECT_EQ("480", s.form.txtfldFMLEVideoOutputSizeY.stringValue());
    EXPECT_EQ(std::nullopt, s.form.popupFMLEVideoInputSize.title());
    EXPECT_EQ(INT32_MAX, s.controller->inputVolume());
    EXPECT_EQ(0, s.controller->tagAudioBitrate());
    EXPECT_TRUE(s.controller->preserveAspect());

    // A multi-byte last character goes whole.
    Store wide({{"p.xml", replaced(fixture("vp6-utf8.xml"), "<datarate>350;", "<datarate>350€")}});
    EXPECT_EQ("350", wide.form.comboboxFMLEVideoOutputBitrate.stringValue());
}

TEST(ProfileLoad, UnreadableProfilesLeaveTheFormAlone) {
    Store s(
        {{"a.xml", fixture("vp6-utf8.xml")}, {"broken.xml", "<flashmedialiveencoder_profile>"}});
    fs::create_directory(s.home.profileFolder() / "folder.xml");
    ::mkfifo((s.home.profileFolder() / "fifo.xml").c_str(), 0600);
    s.home.write("Library/Application Support/Adobe/Flash Media Live Encoder 3.2/huge.xml",
                 fixture("vp6-utf8.xml"));
    fs::resize_file(s.file("huge"), 100u << 20);  // never read at all
    s.controller->loadFMLEProfile("a");
    for (const char* name : {"broken", "missing", "folder", "fifo", "huge"}) {
        s.controller->loadFMLEProfile(name);
        EXPECT_EQ(nullptr, s.controller->currentFMLEProfile()) << name;
        EXPECT_EQ("VP6", s.form.popupFMLEVideoOutputFormat.title()) << name;
    }
    s.form.txtfldNewProfileName.setStringValue("new");
    s.controller->fmleSaveProfile();  // nothing open: nothing written
    EXPECT_EQ(Outcome::Kind::nothingOpen, s.controller->lastOutcome().kind);
    EXPECT_FALSE(fs::exists(s.file("new")));
}

TEST(ProfileRebuild, WritesTheFormBackAndRebuildsAdvancedAndAspect) {
    Store s({{"Studio.xml", fixture("h264-utf16.xml")}});
    Form& f = s.form;
    Tolvane& c = *s.controller;
    f.popupFMLEVideoInputSize.selectItemWithTitle("1280x720");
    c.setTagAudioChannel(1002);
    c.setInputVolume(-7);
    f.comboboxFMLEVideoOutputBitrate.setStringValue("");
    c.setEnableH264Level(false);
    c.setEnableVP6Quality(true);  // another codec's flag is not looked at
    ASSERT_TRUE(c.rebuildProfile());
    EXPECT_EQ("1280", s.value("capture/video/size/width"));
    EXPECT_EQ("720", s.value("capture/video/size/height"));
    EXPECT_EQ("1", s.value("capture/audio/channels"));
    EXPECT_EQ("-7", s.value("capture/audio/input_volume"));
    EXPECT_EQ(";", s.value("encode/video/datarate"));
    const auto video = s.value("encode/video");
    EXPECT_EQ("H.264;640x480;Main5 Seconds", video->substr(0, 27));

    // VP6 by its exact title; its options in their own order, at position 3.
    f.popupFMLEVideoOutputFormat.selectItemWithTitle("VP6");
    c.setEnableVP6CPUUseage(true);
    c.setPreserveAspect(false);
    ASSERT_TRUE(c.rebuildProfile());
    EXPECT_EQ("Best Quality - Lower FramerateVery Low", s.value("encode/video/advanced"));
    EXPECT_EQ(std::nullopt, s.value("process"));
    c.setPreserveAspect(true);
    ASSERT_TRUE(c.rebuildProfile() && c.rebuildProfile());  // added once
    EXPECT_EQ("", s.value("process/video/preserve_aspect"));

    // No VP6 option enabled: no advanced element at all.
    c.setEnableVP6Quality(false);
    c.setEnableVP6CPUUseage(false);
    ASSERT_TRUE(c.rebuildProfile());
    EXPECT_EQ(std::nullopt, s.value("encode/video/advanced"));
}

TEST(ProfileRebuild, StopsAtTheFirstFailedWriteAndSavesNothing) {
    Store s({{"p.xml", replaced(fixture("vp6-utf8.xml"), "<input_volume>-5</input_volume>", "")}});
    s.form.popupFMLEVideoFramerate.selectItemWithTitle("60.00");
    s.form.comboboxFMLEVideoOutputBitrate.setStringValue("999");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(s.saveAs("p"));
    EXPECT_EQ("Exception rised\n", ::testing::internal::GetCapturedStderr());
    EXPECT_EQ(Outcome::Kind::noSuchElement, s.controller->lastOutcome().kind);
    EXPECT_EQ("/flashmedialiveencoder_profile/capture/audio/input_volume",
              s.controller->lastOutcome().detail);
    EXPECT_EQ("60.00", s.value("capture/video/frame_rate"));  // the writes before stay applied
    EXPECT_EQ("350;", s.value("encode/video/datarate"));

    Store twice({{"p.xml", replaced(fixture("vp6-utf8.xml"), "</audio>",
                                    "<channels>2</channels></audio>")}});
    EXPECT_FALSE(twice.saveAs("p"));
    EXPECT_EQ(Outcome::Kind::repeatedElement, twice.controller->lastOutcome().kind);

    // An empty device list removes the element; the next rebuild fails there.
    Store empty({{"p.xml", fixture("vp6-utf8.xml")}});
    empty.form.popupFMLEAudioInputDevice.removeAllItems();
    EXPECT_TRUE(empty.controller->rebuildProfile());
    EXPECT_EQ(std::nullopt, empty.value("capture/audio/device"));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(empty.controller->rebuildProfile());

    // A video element too short for the advanced options is an insertion failure.
    Store shortVideo({{"p.xml", replaced(fixture("vp6-utf8.xml"), "</encode>",
                                         "</encode><encode><video><x/></video></encode>")}});
    EXPECT_FALSE(shortVideo.controller->rebuildProfile());
    EXPECT_EQ(std::nullopt, shortVideo.value("encode/video/advanced"));
    ::testing::internal::GetCapturedStderr();
}

TEST(ProfileSave, ReplacesByNameRefusesOddNamesAndRemoves) {
    Store s({{"Talk.xml", fixture("vp6-utf8.xml")}});
    const std::string longer = fixture("vp6-utf8.xml") + std::string(10000, ' ');
    s.home.write("Library/Application Support/Adobe/Flash Media Live Encoder 3.2/Old.xml", longer);
    ASSERT_TRUE(s.saveAs("Old"));
    EXPECT_EQ(s.controller->currentFMLEProfile()->serialize(), readFile(s.file("Old")));
    ASSERT_TRUE(s.saveAs("Talk"));  // its own name overwrites it
    EXPECT_EQ(Outcome::Kind::saved, s.controller->lastOutcome().kind);
    ASSERT_TRUE(s.saveAs("test.xml"));  // an extension typed is part of the name
    EXPECT_TRUE(fs::exists(s.file("test.xml")));

    for (const char* refused : {"", ".", "..", "../outside", "a/b"}) {
        EXPECT_FALSE(s.saveAs(refused));
        EXPECT_EQ(Outcome::Kind::refusedName, s.controller->lastOutcome().kind) << refused;
    }
    EXPECT_FALSE(fs::exists(s.home.path() / "Library/Application Support/Adobe/outside.xml"));

    // Removal: the selected profile's file only; without a trash it is deleted.
    s.form.popupFMLEProfileNames.selectItemWithTitle("Talk");
    s.controller->removeFMLEProfile();
    EXPECT_EQ(Outcome::Kind::deleted, s.controller->lastOutcome().kind);
    EXPECT_FALSE(fs::exists(s.file("Talk")));
    EXPECT_TRUE(fs::exists(s.file("Old")));
}

TEST(ProfileCatalogue, NamesEveryEntryInListingOrder) {
    Store s({{"a.b.xml", "x"},
             {".hidden", "x"},
             {"notes.txt", "x"},
             {"plain", "x"},
             {"sub.dir/inner.xml", "x"},
             {"Zo\xEB.xml", "x"}});  // not UTF-8: listed all the same
    const auto names = s.controller->fmleProfiles();
    ASSERT_TRUE(names);
    std::vector<std::string> sorted = *names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ((std::vector<std::string>{".hidden", "Zo\xEB", "a.b", "notes", "plain", "sub"}),
              sorted);
    EXPECT_EQ(*names, s.form.popupFMLEProfileNames.itemTitles());

    Store none{};
    EXPECT_EQ(std::nullopt, none.controller->fmleProfiles());
    fs::create_directories(none.home.profileFolder());
    Tolvane empty(none.form, none.devices);
    EXPECT_EQ(std::nullopt, empty.fmleProfiles());
}

}  // namespace
}  // namespace tolvane
