// The profile document on its own; profiles in a started program: loaded, rebuilt, saved, removed,
// listed; and profiles as users have them (from FMLE elsewhere, from services) saved unchanged.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <pugixml.hpp>

#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using testing::fixture;
using Texts = std::vector<std::string>;

// The text with each piece replaced once.
std::string edited(std::string text,
                   std::initializer_list<std::pair<const char*, const char*>> edits) {
    for (const auto& [from, to] : edits) {
        const auto at = text.find(from);
        EXPECT_NE(std::string::npos, at) << from;
        if (at != std::string::npos) text.replace(at, std::strlen(from), to);
    }
    return text;
}

// ASCII text as FMLE writes it on its own machine: UTF-16 little-endian with a mark, CRLF.
std::string utf16(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii)
        out += (c == '\n' ? std::string("\r\0\n\0", 4) : std::string{c, '\0'});
    return out;
}

// The nodes as the XML library alone reads them, one a line: equal for documents that differ only
// in encoding, line ends, layout and quoting.
std::string canonical(const std::string& bytes) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_buffer(bytes.data(), bytes.size(),
                                pugi::parse_default | pugi::parse_comments | pugi::parse_pi));
    struct : pugi::xml_writer {
        std::string text;
        void write(const void* data, size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } out;
    doc.save(out, "", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.text;
}

TEST(ProfileDocument, ExactlyOneElementIsReadOrWritten) {
    const auto doc = ProfileDocument::parse("<r><a><b>x<c>y</c>z</b></a><d/><d/><e></e></r>");
    const XmlNode root = doc->rootElement();
    const auto value = [&](const char* path) { return profile::valueForXPath(path, root); };
    EXPECT_EQ("xyz", value("/r/a/b"));
    EXPECT_EQ("", value("/r/e"));
    EXPECT_EQ(std::nullopt, value("/r/d"));
    EXPECT_EQ(std::nullopt, value("/r/missing"));
    profile::setValue("<&>", "/r/a/b", root);
    EXPECT_EQ("<&>", value("/r/a/b"));
    EXPECT_THROW(profile::setValue("v", "/r/d", root), ProfileFailure);
    profile::setValue(std::nullopt, "/r/a", root);
    EXPECT_EQ(std::nullopt, value("/r/a/b"));
    EXPECT_THROW(profile::setValue(std::nullopt, "/r/a", root), ProfileFailure);
}

TEST(ProfileDocument, WritesBackTheFileHabitsAndStaysStable) {
    const std::string utf16 = ProfileDocument::parse(fixture("h264-utf16.xml"))->serialize();
    EXPECT_EQ(std::string("\xFF\xFE<\0?\0x\0m\0l\0", 12), utf16.substr(0, 12));
    EXPECT_NE(std::string::npos, utf16.find(std::string("\r\0\n\0", 4)));
    EXPECT_EQ(std::string::npos, utf16.find(std::string("/\0>\0", 4)));  // no self-closing tag
    EXPECT_EQ(utf16, ProfileDocument::parse(utf16)->serialize());

    const std::string utf8 = ProfileDocument::parse(fixture("vp6-utf8.xml"))->serialize();
    const std::string head =
        "<?xml version='1.0' encoding='UTF-8'?>\n<!-- written by hand -->\n"
        "<flashmedialiveencoder_profile version='3.2' xmlns:x='urn:example'>\n    <preset>\n";
    EXPECT_EQ(head, utf8.substr(0, head.size()));
    EXPECT_NE(std::string::npos, utf8.find("    <?fmle keep=\"me\"?>\n"));

    // A line break inside a processing instruction keeps one CR however often it is saved.
    const std::string once =
        ProfileDocument::parse("<r>\r\n<?fmle a\r\nb?>\r\n</r>\r\n")->serialize();
    EXPECT_EQ(std::string::npos, once.find("\r\r"));
    EXPECT_EQ(once, ProfileDocument::parse(once)->serialize());
}

TEST(ProfileDocument, RefusesWhatIsNoProfileToSave) {
    std::string open, close;  // saving 100,000 levels would write the square of that in indent
    for (int i = 0; i < 100000; ++i)
        open += "<a>", close += "</a>";
    for (const std::string& bytes :
         {std::string("<flashmedialiveencoder_profile><capture>"),
          std::string("\xFF\xFE<\0r\0>\0\x00\xD8<\0/\0r\0>\0", 18), std::string(), open + close})
        EXPECT_EQ(nullptr, ProfileDocument::parse(bytes)) << bytes.substr(0, 40);
}

// A started program over a profile folder holding the given files, in that order.
struct Store {
    Store(std::initializer_list<std::pair<std::string, std::string>> files) {
        for (const auto& [name, bytes] : files)
            home.write(home.profileFolder() / name, bytes);
        controller = std::make_unique<Tolvane>(form, devices);
        controller->awakeFromNib();
        controller->applicationDidFinishLaunching();
    }
    fs::path file(const std::string& name) const { return home.profileFolder() / (name + ".xml"); }
    std::optional<std::string> value(const std::string& path) const {
        return controller->valueForXPath("/flashmedialiveencoder_profile/" + path,
                                         controller->currentFMLEProfile()->rootElement());
    }
    // The bytes a save under that name wrote; empty when it wrote nothing.
    std::string saveAs(const std::string& name) {
        const std::string before = testing::readFile(file(name));  // empty when missing
        form.txtfldNewProfileName.setStringValue(name);
        controller->fmleSaveProfile();
        const std::string after = testing::readFile(file(name));
        return after == before ? "" : after;
    }
    // What the form shows of a profile: its lists, the video bitrate and output size, volume and
    // aspect, then each advanced option's list with a "+" when the option is enabled.
    Texts shown() const {
        Texts out;
        for (auto list : {&Form::popupFMLEVideoInputDeviceName, &Form::popupFMLEVideoFramerate,
                          &Form::popupFMLEVideoInputSize, &Form::popupFMLEAudioInputDevice,
                          &Form::popupFMLEAudioSamplerate, &Form::popupFMLEAudioOutputChannel,
                          &Form::popupFMLEVideoOutputFormat, &Form::popupFMLEAudioOutputFormat,
                          &Form::popupFMLEAudioOutputBitrate})
            out.push_back((form.*list).title().value_or("(none)"));
        out.push_back(form.comboboxFMLEVideoOutputBitrate.stringValue() + " " +
                      form.txtfldFMLEVideoOutputSizeX.stringValue() + "x" +
                      form.txtfldFMLEVideoOutputSizeY.stringValue());
        out.push_back(std::to_string(controller->inputVolume()) +
                      (controller->preserveAspect() ? " aspect" : ""));
        for (const AdvancedOption& option : kAdvancedOptions)
            out.push_back((controller->propertyValue(option.flag) ? "+" : "") +
                          (form.*option.list).title().value_or("(none)"));
        return out;
    }

    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices{{"Built-in Microphone", "Line In"},
                                {"CamTwist", "FaceTime HD Camera"}};
    std::unique_ptr<Tolvane> controller;
};

TEST(ProfileLoad, FillsTheFormFromAnFmleFile) {
    Store s({{"Studio.xml", fixture("h264-utf16.xml")}, {"Talk.xml", fixture("vp6-utf8.xml")}});
    s.controller->loadFMLEProfile("Talk");  // the other codec's lists then keep Talk's values
    s.controller->loadFMLEProfile("Studio");
    EXPECT_EQ(
        (Texts{"CamTwist", "29.97", "640x480", "Built-in Microphone", "44100", "Stereo", "H.264",
               "AAC", "128", "650 640x480", "75 aspect", "+Main", "+3.1", "+5 Seconds", "2 Seconds",
               "Good Quality - Good Framerate", "None", "Tiny", "Dedicated"}),
        s.shown());
    // A VP6 profile: its "profile" is not read, and the H.264 lists keep their selection.
    s.form.popupFMLEProfileNames.selectItemWithTitle("Talk");
    s.controller->fmleProfileSelected(s.form.popupFMLEProfileNames);
    EXPECT_EQ((Texts{"FaceTime HD Camera", "15.00", "320x240", "Line In", "22050", "Mono", "VP6",
                     "Nellymoser", "44", "350 320x240", "-5", "Main", "3.1", "5 Seconds",
                     "+2 Seconds", "+Good Quality - Good Framerate", "None", "Tiny", "+Dedicated"}),
              s.shown());
}

TEST(ProfileLoad, OddValuesAndTheOrderOfTheAudioSteps) {
    // VP6 first offers MP3, which replaces 48000 Hz before the profile's AAC arrives; the
    // profile's bitrate is stored last, unchecked.
    Store s({{"p.xml", edited(fixture("vp6-utf8.xml"),
                              {{"<sample_rate>22050", "<sample_rate>48000"},
                               {"<format>Nellymoser", "<format>AAC"},
                               {"<datarate>44<", "<datarate>11<"},
                               {"<datarate>350;</datarate>", "<datarate/>"},
                               {"<outputsize>320x240;", "<outputsize>640x480;320x240;"},
                               {"<height>240</height>", ""},
                               {"<channels>1<", "<channels>Stereo<"},
                               {"<input_volume>-5<", "<input_volume>99999999999<"},
                               {"</preset>",
                                "</preset><process><video><preserve_aspect>"
                                "no</preserve_aspect></video></process>"}})}});
    EXPECT_EQ((Texts{"FaceTime HD Camera", "15.00", "(none)", "Line In", "44100", "(none)", "VP6",
                     "AAC", "11", " 640x480", "2147483647 aspect", "Baseline", "1.0", "1 Second",
                     "+2 Seconds", "+Good Quality - Good Framerate", "None", "Tiny", "+Dedicated"}),
              s.shown());

    // A multi-byte last character goes whole.
    Store wide(
        {{"p.xml", edited(fixture("vp6-utf8.xml"), {{"<datarate>350;", "<datarate>350€"}})}});
    EXPECT_EQ("350", wide.form.comboboxFMLEVideoOutputBitrate.stringValue());
}

TEST(ProfileLoad, UnreadableProfilesLeaveTheFormAlone) {
    Store s({{"a.xml", fixture("vp6-utf8.xml")},
             {"broken.xml", "<flashmedialiveencoder_profile>"},
             {"huge.xml", fixture("vp6-utf8.xml")}});
    fs::resize_file(s.file("huge"), 100u << 20);  // never read at all
    fs::create_directory(s.file("folder"));
    ::mkfifo(s.file("fifo").c_str(), 0600);
    s.controller->loadFMLEProfile("a");
    for (const char* name : {"broken", "missing", "folder", "fifo", "huge"}) {
        s.controller->loadFMLEProfile(name);
        EXPECT_EQ(nullptr, s.controller->currentFMLEProfile()) << name;
        EXPECT_EQ("VP6", s.form.popupFMLEVideoOutputFormat.title()) << name;
    }
    EXPECT_EQ("", s.saveAs("new"));
    EXPECT_EQ(Outcome::Kind::nothingOpen, s.controller->lastOutcome().kind);
}

TEST(ProfileRebuild, WritesTheFormBackAndRebuildsAdvancedAndAspect) {
    Store s({{"Studio.xml", fixture("h264-utf16.xml")}});
    Form& f = s.form;
    Tolvane& c = *s.controller;
    f.popupFMLEVideoInputSize.selectItemWithTitle("1280x720");
    c.setTagAudioChannel(choice::kMono);
    c.setInputVolume(-7);
    f.comboboxFMLEVideoOutputBitrate.setStringValue("");
    c.setEnableH264Level(false);
    c.setEnableVP6Quality(true);  // another codec's flag is not looked at
    ASSERT_TRUE(c.rebuildProfile());
    EXPECT_EQ("1280720", s.value("capture/video/size"));  // all the text under an element
    EXPECT_EQ("Built-in Microphone441001-7", s.value("capture/audio"));
    EXPECT_EQ("H.264;640x480;Main5 Seconds", s.value("encode/video")->substr(0, 27));

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

    c.setEnableVP6Quality(false);
    c.setEnableVP6CPUUseage(false);
    ASSERT_TRUE(c.rebuildProfile());
    EXPECT_EQ(std::nullopt, s.value("encode/video/advanced"));

    // An empty device list removes the element; the next rebuild fails there.
    f.popupFMLEAudioInputDevice.removeAllItems();
    ASSERT_TRUE(c.rebuildProfile());
    EXPECT_EQ(std::nullopt, s.value("capture/audio/device"));
    EXPECT_FALSE(c.rebuildProfile());
}

TEST(ProfileRebuild, StopsAtTheFirstFailedWriteAndSavesNothing) {
    Store s(
        {{"p.xml", edited(fixture("vp6-utf8.xml"), {{"<input_volume>-5</input_volume>", ""}})}});
    s.form.popupFMLEVideoFramerate.selectItemWithTitle("60.00");
    s.form.comboboxFMLEVideoOutputBitrate.setStringValue("999");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ("", s.saveAs("p"));
    EXPECT_EQ("Exception rised\n", ::testing::internal::GetCapturedStderr());
    EXPECT_EQ(Outcome::Kind::noSuchElement, s.controller->lastOutcome().kind);
    EXPECT_EQ("/flashmedialiveencoder_profile/capture/audio/input_volume",
              s.controller->lastOutcome().detail);
    EXPECT_EQ("60.00", s.value("capture/video/frame_rate"));  // the writes before stay applied
    EXPECT_EQ("350;", s.value("encode/video/datarate"));

    ::testing::internal::CaptureStderr();
    Store twice({{"p.xml", edited(fixture("vp6-utf8.xml"),
                                  {{"</audio>", "<channels>2</channels></audio>"}})}});
    EXPECT_EQ("", twice.saveAs("p"));
    EXPECT_EQ(Outcome::Kind::repeatedElement, twice.controller->lastOutcome().kind);

    // A video element too short for the advanced options is an insertion failure.
    const char* second = "</encode><encode><video><x/></video></encode>";
    Store shortVideo({{"p.xml", edited(fixture("vp6-utf8.xml"), {{"</encode>", second}})}});
    EXPECT_FALSE(shortVideo.controller->rebuildProfile());
    EXPECT_EQ(std::nullopt, shortVideo.value("encode/video/advanced"));
    ::testing::internal::GetCapturedStderr();
}

TEST(ProfileSave, ReplacesByNameRefusesOddNamesAndRemoves) {
    Store s({{"Talk.xml", fixture("vp6-utf8.xml")},
             {"Old.xml", fixture("vp6-utf8.xml") + std::string(10000, ' ')}});
    s.controller->loadFMLEProfile("Talk");
    const std::string saved = s.saveAs("Old");  // shorter than the old file: nothing of it left
    EXPECT_EQ(s.controller->currentFMLEProfile()->serialize(), saved);
    EXPECT_NE("", s.saveAs("Talk"));      // its own name overwrites it
    EXPECT_NE("", s.saveAs("test.xml"));  // saved as test.xml.xml

    for (const char* refused : {"", ".", "..", "../outside", "a/b"}) {
        EXPECT_EQ("", s.saveAs(refused));  // nothing where the name points
        EXPECT_EQ(Outcome::Kind::refusedName, s.controller->lastOutcome().kind) << refused;
    }

    // Removal: the selected profile's file only; without a trash it is deleted.
    s.form.popupFMLEProfileNames.selectItemWithTitle("Talk");
    s.controller->removeFMLEProfile();
    EXPECT_EQ(Outcome::Kind::deleted, s.controller->lastOutcome().kind);
    EXPECT_FALSE(fs::exists(s.file("Talk")));
    EXPECT_TRUE(fs::exists(s.file("Old")));
}

TEST(RoundTrip, RealisticProfilesSurviveAnUnchangedSaveAndASecondOne) {
    const std::string service = fixture("service-generated.xml");
    for (const auto& [name, bytes] :
         {std::pair{"card", fixture("fmle-capture-card.xml")}, std::pair{"service", service},
          std::pair{"service16", utf16(service)}}) {
        Store s({{std::string(name) + ".xml", bytes}});
        const std::string saved = s.saveAs("copy");
        EXPECT_EQ(canonical(bytes), canonical(saved)) << name;
        EXPECT_EQ(bytes.substr(0, 4), saved.substr(0, 4)) << name;  // encoding and mark kept
        EXPECT_EQ(saved, s.saveAs("again")) << name;
    }
}

TEST(RoundTrip, KeptValuesShowAndBelongToTheLoadedProfile) {
    Store s({{"card.xml", fixture("fmle-capture-card.xml")},
             {"service.xml", fixture("service-generated.xml")}});
    Form& f = s.form;
    Tolvane& c = *s.controller;
    c.loadFMLEProfile("service");
    EXPECT_EQ((Texts{"", "", "x", "", "44100", "Stereo", "H.264", "Aac", "128",
                     "300;700;1200 320x180", "75", "+Main", "+3.1", "+3 seconds", "1 Second",
                     "Best Quality - Lower Framerate", "None", "Tiny", "Very Low"}),
              s.shown());

    // A kept item can be picked again; the codec switch never falls back to it.
    c.setTagAudioOutputFormat(choice::kMP3);
    c.setTagAudioOutputFormat(choice::kNone);
    EXPECT_EQ("Aac", f.popupFMLEAudioOutputFormat.title());
    c.setTagVideoOutputFormat(choice::kVP6);
    EXPECT_EQ("MP3", f.popupFMLEAudioOutputFormat.title());

    // The next profile's values replace the kept ones; the vocabularies never learn them.
    c.loadFMLEProfile("card");
    EXPECT_EQ((Texts{"CamTwist", "FaceTime HD Camera", "Elgato Game Capture HD"}),
              f.popupFMLEVideoInputDeviceName.itemTitles());
    EXPECT_EQ(-1, f.popupFMLEAudioOutputFormat.indexOfItemWithTitle("Aac"));
    EXPECT_EQ(-1, f.popupH264KeyframeFrequency.indexOfItemWithTitle("3 seconds"));
    EXPECT_FALSE(c.audioOutputFormatDict().contains("Aac"));

    // A kept capture size has no CamTwist counterpart: it goes into the custom fields.
    c.setSyncVideoSize(true);
    EXPECT_TRUE(c.camTwistCustomVideoSize());
    EXPECT_EQ("1024x768", f.txtfldCamTwistCustomWidth.stringValue() + "x" +
                              f.txtfldCamTwistCustomHeight.stringValue());

    // Editing one control changes its element and nothing else.
    const std::string before = canonical(s.saveAs("before"));
    f.popupFMLEVideoFramerate.selectItemWithTitle("25.00");
    EXPECT_EQ(edited(before, {{">29.97<", ">25.00<"}}), canonical(s.saveAs("after")));
}

}  // namespace
}  // namespace tolvane
