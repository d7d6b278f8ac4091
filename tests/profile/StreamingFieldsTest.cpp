// The values a streamer changes between shows: the destination, up to three streams, recording,
// auto-adjust, restart and reconnect, metadata. Loaded as profiles hold them; each edit changes
// its own element and nothing else, creating what is missing in FMLE's order; merged with changes
// on disk like every other value.
#include <gtest/gtest.h>

#include <functional>

#include "ProfileStore.h"

namespace tolvane {
namespace {

using namespace testing;
using Ids = std::vector<ValueId>;

const std::string kCard = fixture("fmle-capture-card.xml");  // UTF-16LE, CRLF, every section
const std::string kCardText = canonical(kCard);
const std::string kService = fixture("service-generated.xml");  // three streams, <metadata/>
const std::string kH264 = fixture("h264-utf16.xml");
const std::string kVP6 = fixture("vp6-utf8.xml");  // output/file without rtmp

std::string withoutOutput() {
    std::string text = canonical(kH264);
    const auto from = text.find("<output>");
    return text.erase(from, text.find("<metadata>") - from);
}

// What the form shows of these values: the streams (and any values kept past them), the texts in
// the order of kProfileTexts, the flags in the order of kProfileFlags, the duration.
Texts shown(const Store& s) {
    Texts out(3);
    for (const StreamRow& row : s.controller->streams())
        out[0] += row.bitrate + " " + row.frameSize() + ";";
    if (const auto kept = s.controller->keptStreamValues(); kept.any())
        out[0] += " kept " + kept.bitrates + " " + kept.sizes;
    for (const ProfileText& text : kProfileTexts)
        out[1] += (s.form.*text.field).stringValue() + "|";
    for (const ProfileFlag& flag : kProfileFlags)
        out[2] += s.controller->propertyValue(flag.flag) ? "+" : "-";
    out[2] += " " + s.form.txtfldFMLERecordingDurationHours.stringValue() + ":" +
              s.form.txtfldFMLERecordingDurationMinutes.stringValue();
    return out;
}

TEST(StreamingFields, LoadAsTheProfileHoldsThem) {
    struct Case {
        const char* name;
        std::string profile;
        Texts shown;
    };
    const std::string service =
        "|||||||rtmp://ingest.example.net/live|rtmp://backup.example.net/live|live_1234_abcdef|||"
        "||||||";
    const std::string card =
        "1|||||||rtmp://live.example.com/app||studio|10|C:\\Users\\Studio\\Videos\\sample.f4v||||"
        "© Studio|||";
    const Case cases[] = {
        {"a capture card's, in UTF-16", kCard, {"2500 1024x768;", card, "+----- 1:0"}},
        {"a service's: three streams, no recording, <metadata/>",
         kService,
         {"300 320x180;700 640x360;1200 960x540;", service, "------ :"}},
        {"four streams, and sizes for two",
         edited(kService, {{"1200;", "1200;2000;"}, {"960x540;", ""}}),
         {"300 320x180;700 640x360; kept 1200;2000; ", service, "------ :"}},
        {"no output section",
         withoutOutput(),
         {"650 640x480;", "1||||||||||||||Zoë||||", "------ :"}},
        {"limits on, hours and minutes",
         edited(kVP6,
                {{"enable='false'>10<", "enable='TRUE'>700<"},
                 {"</path>", "</path><limitbyduration enable='true'>2:05</limitbyduration>"}}),
         {"350 320x240;", "||||||||||700|/tmp/talk.flv|||||||", "----++ 2:05"}},
        {"a duration FMLE may spell otherwise, kept whole",
         edited(kCardText, {{">1</limitbyduration>", ">90 min</limitbyduration>"}}),
         {"2500 1024x768;", card, "+----- 90 min:"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store s({{"p.xml", c.profile}});
        EXPECT_EQ(c.shown, shown(s));
        EXPECT_EQ(Ids{}, s.changed());
    }
    // The recording's folder is looked for on this computer: another machine's path has none.
    Store s({{"p.xml", kCard}});
    const std::string home = s.home.path().string();
    s.home.write("file", "");
    for (const auto& [path, exists] : std::vector<std::pair<std::string, bool>>{
             {s.form.txtfldFMLERecordingPath.stringValue(), false},
             {home + "/show.f4v", true},
             {home + "/file/show.f4v", false},
             {"show.f4v", false}}) {
        s.form.txtfldFMLERecordingPath.setStringValue(path);
        EXPECT_EQ(exists, s.controller->recordingFolderExists()) << path;
    }
}

TEST(StreamingFields, EachEditChangesItsOwnElementOnly) {
    using Act = std::function<void(Tolvane&, Form&)>;
    const auto type = [](auto Form::*field, const char* text) -> Act {
        return [=](Tolvane&, Form& f) { (f.*field).setStringValue(text); };
    };
    const auto entry = [](const char* key, const char* value) {
        return std::string("<entry>\n<key>") + key + "</key>\n<value>" + value +
               "</value>\n</entry>\n";
    };
    struct Case {
        const char* name;
        std::string profile;
        Act act;
        Ids changed;
        Edits expected;  // on the profile as canonical() spells it
    };
    const Case cases[] = {
        {"typed and cleared back is no change",
         kCard,
         [](Tolvane&, Form& f) {
             f.txtfldFMLEBackupURL.setStringValue("rtmp://x");
             f.txtfldFMLEBackupURL.setStringValue("");
             f.txtfldFMLEMetadataTitle.setStringValue("Show");
             f.txtfldFMLEMetadataTitle.setStringValue("");
         },
         {},
         {}},
        {"stream 2 removed",
         kService,
         [](Tolvane& c, Form&) { c.removeStream(1); },
         {ValueId::videoBitrate, ValueId::outputSize},
         {{">300;700;1200;<", ">300;1200;<"}, {"640x360;", ""}}},
        {"values past the third kept after the shown",
         edited(kService, {{"1200;", "1200;2000;"}, {"960x540;", "960x540;1280x720;"}}),
         type(&Form::comboboxFMLEVideoOutputBitrate, "350"),
         {ValueId::videoBitrate},
         {{">300;", ">350;"}}},
        {"size limit on: its attribute alone",
         kCard,
         [](Tolvane& c, Form&) { c.setRecordingLimitBySize(true); },
         {ValueId::recordingLimitBySize},
         {{"enable=\"false\">10<", "enable=\"true\">10<"}}},
        {"duration in hours and minutes",
         kCard,
         [](Tolvane&, Form& f) {
             f.txtfldFMLERecordingDurationHours.setStringValue("2");
             f.txtfldFMLERecordingDurationMinutes.setStringValue("5");
         },
         {ValueId::recordingDurationLimit},
         {{">1</limitbyduration>", ">2:05</limitbyduration>"}}},
        {"a duration limit between size and path",
         kVP6,
         type(&Form::txtfldFMLERecordingDurationHours, "3"),
         {ValueId::recordingDurationLimit},
         {{"</limitbysize>\n", "</limitbysize>\n<limitbyduration>3</limitbyduration>\n"}}},
        {"auto-adjust where the profile has none",
         kService,
         [](Tolvane& c, Form&) { c.setAutoAdjust(true); },
         {ValueId::autoAdjust},
         {{"</advanced>\n", "</advanced>\n<autoadjust>\n<enable>true</enable>\n</autoadjust>\n"}}},
        {"a new entry among the others",
         edited(kCardText, {{"</metadata>", entry("title", "Old") + "</metadata>"}}),
         type(&Form::txtfldFMLEMetadataKeywords, "live, talk"),
         {ValueId::metadataKeywords},
         {{"<entry>\n<key>title", entry("keywords", "live, talk") + "<entry>\n<key>title"}}},
        {"no output section",
         withoutOutput(),
         [](Tolvane&, Form& f) {
             f.txtfldFMLERecordingPath.setStringValue("/tmp/show.f4v");
             f.txtfldFMLEStreamName.setStringValue("key");
             f.txtfldFMLEStreamURL.setStringValue("rtmp://h/app");
         },
         {ValueId::streamURL, ValueId::streamName, ValueId::recordingPath},
         {{"</reconnectinterval>\n",
           "</reconnectinterval>\n<output>\n<rtmp>\n<url>rtmp://h/app</url>\n"
           "<stream>key</stream>\n</rtmp>\n<file>\n<path>/tmp/show.f4v</path>\n</file>\n"
           "</output>\n"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store s({{"p.xml", c.profile}});
        c.act(*s.controller, s.form);
        EXPECT_EQ(c.changed, s.changed());
        EXPECT_EQ(Outcome::Kind::saved, s.save("p").kind);
        EXPECT_EQ(edited(canonical(c.profile), c.expected), canonical(s.bytes("p")));
        // Encoding, mark and line ends as they were.
        EXPECT_EQ(c.profile.substr(0, 4), s.bytes("p").substr(0, 4));
        EXPECT_EQ(c.profile.find('\r') != std::string::npos,
                  s.bytes("p").find('\r') != std::string::npos);
        EXPECT_EQ(Ids{}, s.changed());  // the form shows what was written
    }
}

TEST(StreamingFields, ChangedOnDiskTooAreMergedOrAskedAndTheKeyStaysInTheFile) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    // The encoder saved another key meanwhile.
    Store s({{"p.xml", kCard}});
    s.form.txtfldFMLEStreamName.setStringValue("mine-secret");
    const std::string theirs = edited(kCardText, {{">studio<", ">their-secret<"}});
    s.home.write(s.file("p"), theirs);
    SaveOutcome saved = s.save("p");
    ASSERT_EQ(Outcome::Kind::conflict, saved.kind);
    EXPECT_EQ(theirs, s.bytes("p"));
    const Conflict& conflict = saved.conflicts.at(0);
    EXPECT_EQ(ValueId::streamName, conflict.id);
    EXPECT_EQ((Texts{"studio", "mine-secret", "their-secret"}),
              (Texts{*conflict.loaded, *conflict.mine, *conflict.theirs}));
    saved = s.save("p", {{ValueId::streamName, Keep::mine}});
    EXPECT_EQ(Outcome::Kind::merged, saved.kind);
    EXPECT_EQ("mine-secret", s.value("output/rtmp/stream"));

    // A stream element held twice: the save names the element, never its text.
    Store twice({{"p.xml", edited(kService, {{"</rtmp>", "<stream>x</stream></rtmp>"}})}});
    twice.form.txtfldFMLEStreamName.setStringValue("mine-secret");
    saved = twice.save("p");
    EXPECT_EQ(Outcome::Kind::repeatedElement, saved.kind);
    EXPECT_EQ("/flashmedialiveencoder_profile/output/rtmp/stream", saved.detail);
    for (const std::string& said :
         {::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()})
        EXPECT_EQ(std::string::npos, said.find("secret")) << said;
}

}  // namespace
}  // namespace tolvane
