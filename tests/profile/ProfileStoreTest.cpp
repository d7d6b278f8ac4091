// The profile document on its own; profiles in a started program: loaded, rebuilt, saved, removed,
// listed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ProfileStore.h"
#include "profile/ProfileDocument.h"

namespace tolvane {
namespace {

using namespace testing;

TEST(ProfileDocument, ExactlyOneElementIsReadOrWritten) {
    auto doc = ProfileDocument::parse(
        "<r k=\"it's\"><a><b>x<c>y</c>z</b></a><d/><d/><e></e><f>&lt;&#x41;&#65;&ent;&#0;</f></r>");
    const XmlNode root = doc->rootElement();
    const auto value = [&](const char* path) { return profile::valueForXPath(path, root); };
    EXPECT_EQ("xyz", value("/r/a/b"));
    EXPECT_EQ("", value("/r/e"));
    EXPECT_EQ("<AA&ent;&#0;", value("/r/f"));  // what stands for no character stays as written
    EXPECT_EQ(std::nullopt, value("/r/d"));
    EXPECT_EQ(std::nullopt, value("/r/missing"));
    EXPECT_EQ(1u, profile::setValue("<&>\x01", "/r/a/b", root));
    EXPECT_EQ("<&>\x01", value("/r/a/b"));
    EXPECT_EQ(2u, profile::setValue("v", "/r/d", root));
    EXPECT_EQ(0u, profile::setValue("v", "r/e", root));
    EXPECT_EQ(1u, profile::setValue(std::nullopt, "/r/e", root));
    EXPECT_EQ(0u, profile::setValue(std::nullopt, "/r/e", root));
    EXPECT_EQ(
        "<r k='it&apos;s'>\n    <a>\n        <b>&lt;&amp;&gt;&#1;</b>\n    </a>\n"
        "    <d></d>\n    <d></d>\n    <f>&lt;&#x41;&#65;&ent;&#0;</f>\n</r>\n",
        doc->serialize());
}

TEST(ProfileDocument, WritesEachEncodingAsItCame) {
    // As saving writes it, so that a save must give it back byte for byte: pugixml keeps the CRs
    // of processing instructions and the doctype and drops those of comments, and a long
    // instruction spans several of its writes.
    std::string text =
        "<!DOCTYPE r [\n<!ENTITY e 'v'>\n]>\n<r a='&e;'>\n    <!-- a\nb -->\n"
        "    <?p a\nb?>\n    <v>@</v>\n    <?long ";
    for (int i = 0; i < 3000; ++i)
        text += "x\n";
    text += "?>\n</r>\n";
    const std::pair<std::string_view, std::string_view> kinds[] = {
        {"UTF-8", "\xEF\xBB\xBF"}, {"UTF-16LE", "\xFF\xFE"}, {"UTF-16BE", "\xFE\xFF"}};
    for (const auto& [encoding, mark] : kinds) {
        for (const bool withMark : {false, true}) {
            for (const char* lineEnd : {"\n", "\r\n"}) {
                SCOPED_TRACE(std::string(encoding) + (withMark ? " marked " : " ") +
                             (lineEnd[1] ? "CRLF" : "LF"));
                std::string lines;
                for (char c : text)
                    c == '\n' ? lines += lineEnd : lines += c;
                const std::string bytes =
                    std::string(withMark ? mark : "") + encoded(lines, encoding);
                const auto doc = ProfileDocument::parse(bytes);
                ASSERT_TRUE(doc);
                const std::string saved = doc->serialize();
                EXPECT_EQ(bytes.size(), saved.size());
                EXPECT_TRUE(bytes == saved);
                // Without a mark, UTF-16 is told by its zero bytes, whatever the first character.
                const std::string indented = std::string(withMark ? mark : "") +
                                             encoded(std::string(lineEnd) + " " + lines, encoding);
                EXPECT_TRUE(ProfileDocument::parse(indented)->serialize() == saved);
            }
        }
    }
    // A value that is no UTF-8 (a UTF-8 file's bytes merged into one that became UTF-16) still
    // saves as a file that opens again, and the file's own surrogate pairs stay whole.
    for (const char* encoding : {"UTF-16LE", "UTF-16BE"}) {
        auto doc = ProfileDocument::parse(encoded("<r><a>x</a><b>@</b></r>", encoding));
        EXPECT_EQ(1u, profile::setValue("A\xED\xA0\x80Z", "/r/a", doc->rootElement()));
        const auto reread = ProfileDocument::parse(doc->serialize());
        ASSERT_TRUE(reread);
        EXPECT_EQ("A\xEF\xBF\xBDZ", profile::valueForXPath("/r/a", reread->rootElement()));
        EXPECT_EQ("\xF0\x9F\x8E\xA5", profile::valueForXPath("/r/b", reread->rootElement()));
    }
}

TEST(ProfileDocument, RefusesWhatIsNoProfileToSave) {
    std::string open, close;  // saving 100,000 levels would write the square of that in indent
    for (int i = 0; i < 100000; ++i)
        open += "<a>", close += "</a>";
    for (const auto& [bytes, failure] :
         {std::pair{std::string("<flashmedialiveencoder_profile><capture>"), ParseFailure::notXml},
          std::pair{std::string("\xFF\xFE<\0r\0>\0\x00\xD8<\0/\0r\0>\0", 18),
                    ParseFailure::notText},
          std::pair{std::string(), ParseFailure::notXml},
          std::pair{open + close, ParseFailure::nestedTooDeep}})
        EXPECT_EQ(tl::unexpected(failure), ProfileDocument::parse(bytes)) << bytes.substr(0, 40);
    // A surrogate pair wherever it lies is text; a lone surrogate, or a cut pair, is not.
    for (const char* encoding : {"UTF-16LE", "UTF-16BE"}) {
        for (std::size_t blanks = 56; blanks < 68; ++blanks) {
            const std::string padded = "<r>" + std::string(blanks, ' ');
            EXPECT_TRUE(ProfileDocument::parse(encoded(padded + "@</r>", encoding)));
            EXPECT_FALSE(ProfileDocument::parse(encoded(padded + "~</r>", encoding)));
            EXPECT_FALSE(ProfileDocument::parse(encoded(padded + "</r>", encoding) + '\0'));
            EXPECT_FALSE(ProfileDocument::parse(
                encoded(padded + "</r>@", encoding).substr(0, padded.size() * 2 + 10)));
        }
    }
}

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
    EXPECT_EQ((Texts{"FaceTime HD Camera", "15.00", "(none)", "Line In", "44100", "Stereo", "VP6",
                     "AAC", "11", " 640x480", "2147483647 aspect", "Baseline", "1.0", "1 Second",
                     "+2 Seconds", "+Good Quality - Good Framerate", "None", "Tiny", "+Dedicated"}),
              s.shown());
    // The word is kept beside the item of the same title, which still answers to it.
    const PopUpList& channels = s.form.popupFMLEAudioOutputChannel;
    EXPECT_TRUE(channels.selectedItem()->isKept());
    EXPECT_EQ(choice::kStereo, channels.itemWithTitle("Stereo")->tag());
    s.controller->setTagAudioChannel(choice::kStereo);
    EXPECT_EQ("2", s.controller->pendingChanges().at(1).written);  // after the sample rate
    s.controller->loadFMLEProfile("p");  // the next load's kept item replaces it
    EXPECT_EQ((Texts{"Stereo", "Mono", "Stereo"}), channels.itemTitles());
}

TEST(ProfileLoad, UnreadableProfilesLeaveTheFormAlone) {
    Store s({{"a.xml", fixture("vp6-utf8.xml")},
             {"broken.xml", "<flashmedialiveencoder_profile>"},
             {"huge.xml", fixture("vp6-utf8.xml")}});
    fs::resize_file(s.file("huge"), 100u << 20);  // never read at all
    fs::create_directory(s.file("folder"));
    ::mkfifo(s.file("fifo").c_str(), 0600);
    s.controller->loadFMLEProfile("a");
    using enum Outcome::Kind;
    for (const auto& [name, why] : {std::pair{"broken", notAProfile},
                                    {"missing", missing},
                                    {"folder", notAFile},
                                    {"fifo", notAFile},
                                    {"huge", tooLarge}}) {
        const auto loaded = s.controller->loadFMLEProfile(name);
        EXPECT_EQ(why, loaded ? saved : loaded.error().kind) << name;
        EXPECT_EQ(why, s.controller->profileOpenFailure().value_or(Outcome{}).kind) << name;
        EXPECT_EQ(nullptr, s.controller->currentFMLEProfile()) << name;
        EXPECT_EQ("VP6", s.form.popupFMLEVideoOutputFormat.title()) << name;
    }
    EXPECT_EQ(std::nullopt, s.controller->openProfileName());
    EXPECT_EQ(Outcome::Kind::nothingOpen, s.save("new").kind);
    EXPECT_FALSE(fs::exists(s.file("new")));
}

TEST(ProfileRebuild, FailsOnlyForAChangedValueAndStopsThere) {
    const std::string noVolume =
        edited(fixture("vp6-utf8.xml"), {{"<input_volume>-5</input_volume>", ""}});
    Store s({{"p.xml", noVolume}});
    EXPECT_EQ(Outcome::Kind::saved, s.save("p").kind);  // the missing element was left alone
    s.form.popupFMLEVideoFramerate.selectItemWithTitle("60.00");
    s.controller->setInputVolume(10);
    s.form.comboboxFMLEVideoOutputBitrate.setStringValue("999");
    const std::string before = s.bytes("p");
    ::testing::internal::CaptureStderr();
    const SaveOutcome failed = s.save("p");
    EXPECT_EQ("Exception rised\n", ::testing::internal::GetCapturedStderr());
    EXPECT_EQ(Outcome::Kind::noSuchElement, failed.kind);
    EXPECT_EQ("/flashmedialiveencoder_profile/capture/audio/input_volume", failed.detail);
    EXPECT_EQ(before, s.bytes("p"));
    EXPECT_EQ("60.00", s.value("capture/video/frame_rate"));  // the writes before stay applied
    EXPECT_EQ("350;", s.value("encode/video/datarate"));

    ::testing::internal::CaptureStderr();
    // An empty device list removes the element; the next rebuild fails there.
    s.form.popupFMLEAudioInputDevice.removeAllItems();
    s.controller->setInputVolume(0);
    EXPECT_TRUE(s.controller->rebuildProfile());
    EXPECT_EQ(std::nullopt, s.value("capture/audio/device"));
    EXPECT_FALSE(s.controller->rebuildProfile());
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

    EXPECT_EQ("test.xml", s.controller->openProfileName());
    for (const char* refused : {"", ".", "..", "../outside", "a/b"})
        EXPECT_EQ(Outcome::Kind::refusedName, s.save(refused).kind) << refused;
    EXPECT_EQ(3u, entryCount(s.home.profileFolder()));  // Talk, Old, test.xml

    // Removal: the selected profile's file only; without a trash it is deleted.
    s.form.popupFMLEProfileNames.selectItemWithTitle("Talk");
    EXPECT_EQ(Outcome::Kind::deleted, s.controller->removeFMLEProfile().kind);
    EXPECT_FALSE(fs::exists(s.file("Talk")));
    EXPECT_TRUE(fs::exists(s.file("Old")));
}

TEST(RoundTrip, KeptValuesShowAndBelongToTheLoadedProfile) {
    Store s({{"card.xml", fixture("fmle-capture-card.xml")},
             {"service.xml", fixture("service-generated.xml")}});
    Form& f = s.form;
    Tolvane& c = *s.controller;
    c.loadFMLEProfile("service");
    EXPECT_EQ((Texts{"", "", "x", "", "44100", "Stereo", "H.264", "Aac", "128", "300 320x180", "75",
                     "+Main", "+3.1", "+3 seconds", "1 Second", "Best Quality - Lower Framerate",
                     "None", "Tiny", "Very Low"}),
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
}

}  // namespace
}  // namespace tolvane
