// A save writes the file as loaded plus exactly what the form changed: unchanged saves of profiles
// as users have them, each toggle and option on its own elements, and changes made on disk
// meanwhile kept.
#include <gtest/gtest.h>

#include <functional>

#include "ProfileStore.h"

namespace tolvane {
namespace {

using namespace testing;
using Ids = std::vector<ValueId>;

const std::string kService = fixture("service-generated.xml");
// FMLE's UTF-16 without its mark, a capture device named beyond the BMP.
const std::string kAstral =
    edited(fixture("h264-utf16.xml").substr(2),
           {{encoded("CamTwist<", "UTF-16LE"), encoded("Cam @ Studio<", "UTF-16LE")}});

TEST(UnchangedSave, KeepsEveryValueAsTheFileHasIt) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string kept;  // held by the saved file as it is spelt there
    };
    const Case cases[] = {
        {"FMLE's UTF-16", fixture("h264-utf16.xml"), {}},
        {"UTF-16 without a mark, beyond the BMP", kAstral, {}},
        {"from another machine", fixture("fmle-capture-card.xml"), {}},
        {"VP6 in UTF-8", fixture("vp6-utf8.xml"), "<profile>Main</profile>"},
        {"a service's", kService, "<datarate>300;700;1200;</datarate>"},
        {"entities",
         edited(kService, {{"<flash", "<!DOCTYPE r [<!ENTITY server 'rtmp://a'>]>\n<flash"},
                           {"rtmp://ingest.example.net/live", "&server;/&#x61;pp"}}),
         "<url>&server;/&#x61;pp</url>"},
        {"odd spellings",
         edited(kService, {{"300;700;1200;", "500"},
                           {"320x180;640x360;960x540;", "1280x720"},
                           {">2<", ">Stereo<"},
                           {">75<", "> 075 <"}}),
         "<input_volume> 075 </input_volume>"},
        {"blanks, an empty volume", edited(kService, {{">2<", "> 2 <"}, {">75<", "><"}}),
         "<input_volume></input_volume>"},
        {"no volume", edited(kService, {{"<input_volume>75</input_volume>", ""}}), {}},
        {"advanced holding more",
         edited(kService, {{"<advanced>", "<advanced mode=\"fast\">"},
                           {"<level>", "<!-- tuned --><bframes/><level>"},
                           {"</advanced>",
                            "<quality>Good</quality>"
                            "</advanced>"}}),
         "<advanced mode='fast'>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store s({{"p.xml", c.bytes}});
        EXPECT_EQ(Ids{}, s.changed());
        EXPECT_EQ(Outcome::Kind::saved, s.save("p").kind);
        const std::string bytes = s.bytes("p");
        EXPECT_EQ(canonical(c.bytes), canonical(bytes));
        EXPECT_EQ(c.bytes.substr(0, 4), bytes.substr(0, 4));        // encoding and mark kept
        EXPECT_NE(std::string::npos, bytes.find(c.kept)) << bytes;  // "" is found anywhere
        EXPECT_EQ(bytes, s.saveAs("again"));
    }
}

TEST(UnchangedSave, ShowsWhatTheOddTextsSay) {
    Store s({{"datarate.xml", edited(kService, {{"300;700;1200;", "500"},
                                                {"320x180;640x360;960x540;", "1280x720"}})},
             {"astral.xml", kAstral}});
    s.controller->loadFMLEProfile("datarate");
    EXPECT_EQ("500 1280x720", s.shown()[9]);
    s.controller->loadFMLEProfile("astral");
    EXPECT_EQ("Cam \U0001F3A5 Studio", s.shown()[0]);
}

// The service's profile, whose advanced options are H.264's, with an unknown one beside them.
const std::string kAdvanced =
    edited(kService, {{"<advanced>", "<advanced mode='fast'><!-- tuned -->"},
                      {"<level>3.1</level>", "<bframes>2</bframes><level>3.1</level>"}});

TEST(Toggles, TouchOnlyTheirOwnElements) {
    using Act = std::function<void(Tolvane&, Form&)>;
    const Act aspectOn = [](Tolvane& c, Form&) { c.setPreserveAspect(true); };
    const Act aspectOff = [](Tolvane& c, Form&) { c.setPreserveAspect(false); };
    const auto process = [](const char* inside) {
        return Edits{{"</capture>", std::string("</capture><process>") + inside + "</process>"}};
    };
    const std::string aspect = "<video>\n<preserve_aspect />\n</video>\n";
    struct Case {
        const char* name;
        std::string profile;
        Act act;
        Edits expected;  // on the profile, as canonical() spells it
    };
    const Case cases[] = {
        {"aspect on, no process",
         kService,
         aspectOn,
         {{"</capture>\n", "</capture>\n<process>\n" + aspect + "</process>\n"}}},
        {"aspect on beside other processing",
         edited(kService, process("<deinterlace/>")),
         aspectOn,
         {{"<deinterlace />\n", "<deinterlace />\n" + aspect}}},
        {"aspect on, into the video's processing",
         edited(kService, process("<video><crop/></video>")),
         aspectOn,
         {{"<crop />\n", "<crop />\n<preserve_aspect />\n"}}},
        {"aspect off beside other processing",
         edited(kService, process("<video><preserve_aspect/><crop/></video><deinterlace/>")),
         aspectOff,
         {{"<preserve_aspect />\n", ""}}},
        {"aspect off, leaving the video empty",
         edited(kService, process("<video><preserve_aspect/></video><deinterlace/>")),
         aspectOff,
         {{aspect, ""}}},
        {"aspect off, leaving the process empty",
         edited(kService, process("<video><preserve_aspect/></video>")),
         aspectOff,
         {{"<process>\n" + aspect + "</process>\n", ""}}},
        {"option removed",
         kAdvanced,
         [](Tolvane& c, Form&) { c.setEnableH264Level(false); },
         {{"<level>3.1</level>\n", ""}}},
        {"option added among the known ones",
         edited(kAdvanced, {{"<level>3.1</level>", ""}}),
         [](Tolvane& c, Form&) { c.setEnableH264Level(true); },
         {{"<bframes>2</bframes>\n", "<bframes>2</bframes>\n<level>1.0</level>\n"}}},
        {"the last option removed",
         edited(kService, {{"<level>3.1</level>", ""},
                           {"<keyframe_frequency>3 seconds</keyframe_frequency>", ""}}),
         [](Tolvane& c, Form&) { c.setEnableH264Profile(false); },
         {{"<advanced>\n<profile>Main</profile>\n</advanced>\n", ""}}},
        {"an option where there were none",
         edited(kService, {{"<advanced>", "<!--"}, {"</advanced>", "-->"}}),
         [](Tolvane& c, Form&) { c.setEnableH264Profile(true); },
         {{"</outputsize>\n",
           "</outputsize>\n<advanced>\n<profile>Baseline</profile>\n</advanced>\n"}}},
        {"codec switched",
         edited(kAdvanced, {{"</advanced>", "<quality>Good</quality></advanced>"}}),
         [](Tolvane& c, Form&) { c.setTagVideoOutputFormat(choice::kVP6); },
         {{">H.264<", ">VP6<"},
          {"<profile>Main</profile>\n", ""},
          {"<level>3.1</level>\n", ""},
          {"<keyframe_frequency>3 seconds</keyframe_frequency>\n<quality>Good</quality>\n", ""},
          {">Aac<", ">MP3<"}}},
        {"the other codec's option stays",
         fixture("vp6-utf8.xml"),
         [](Tolvane&, Form& f) {
             f.popupVP6Quality.selectItemWithTitle("Best Quality - Lower Framerate");
         },
         {{">Good Quality - Good Framerate<", ">Best Quality - Lower Framerate<"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store s({{"p.xml", c.profile}});
        c.act(*s.controller, s.form);
        s.save("p");
        EXPECT_EQ(edited(canonical(c.profile), c.expected), canonical(s.bytes("p")));
        EXPECT_EQ(Ids{}, s.changed());
    }
}

TEST(DiskChanges, AreKeptAndTheSameValueChangedTwiceIsAsked) {
    const auto frameRate = [](const char* rate) {
        return Edits{
            {"<frame_rate></frame_rate>", std::string("<frame_rate>") + rate + "</frame_rate>"}};
    };
    const std::string mine = edited(kService, frameRate("25.00"));
    struct Case {
        const char* name;
        std::optional<std::string> onDisk;  // what another program left; nothing: removed
        Resolutions keep;
        Outcome::Kind outcome;
        Ids conflicts;
        std::optional<std::string> saved;  // nothing: as the other program left it
    };
    const std::string newKey = edited(kService, {{"live_1234_abcdef", "live_1234_new"}});
    const std::string theirs = edited(kService, frameRate("30.00"));
    using enum Outcome::Kind;
    const auto rate = ValueId::frameRate;
    const Case cases[] = {
        {"changed elsewhere", newKey, {}, merged, {}, edited(newKey, frameRate("25.00"))},
        {"changed alike", mine, {}, merged, {}, mine},
        {"the same value changed", theirs, {}, conflict, {rate}, {}},
        {"... kept mine", theirs, {{rate, Keep::mine}}, merged, {}, mine},
        {"... kept theirs", theirs, {{rate, Keep::theirs}}, merged, {}, theirs},
        {"removed", std::nullopt, {}, recreated, {}, mine},
        {"no longer a profile", "<flashmedialiveencoder_profile>", {}, conflict, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store s({{"p.xml", kService}});
        s.form.popupFMLEVideoFramerate.selectItemWithTitle("25.00");
        c.onDisk ? (void)s.home.write(s.file("p"), *c.onDisk) : (void)fs::remove(s.file("p"));
        const SaveOutcome saved = s.save("p", c.keep);
        EXPECT_EQ(c.outcome, saved.kind);
        Ids conflicts;
        for (const Conflict& conflict : saved.conflicts)
            conflicts.push_back(conflict.id);
        EXPECT_EQ(c.conflicts, conflicts);
        if (!c.saved) {
            EXPECT_EQ(*c.onDisk, s.bytes("p"));
            continue;
        }
        EXPECT_EQ(canonical(*c.saved), canonical(s.bytes("p")));
        // The open profile is the file as written, and the form shows it.
        EXPECT_EQ(Ids{}, s.changed());
        EXPECT_EQ(s.value("capture/video/frame_rate"), s.form.popupFMLEVideoFramerate.title());
    }
}

TEST(PendingChanges, ListWhatASaveWritesAndWhoMadeIt) {
    // Nellymoser records in mono and offers no 48000 Hz: the form shows the rules' choices, so a
    // save writes them; a value the user changed after the rule is the user's.
    Store s({{"p.xml", edited(fixture("vp6-utf8.xml"),
                              {{"<channels>1<", "<channels>2<"}, {">22050<", ">48000<"}})}});
    s.form.popupFMLEAudioSamplerate.selectItemWithTitle("22050");
    const auto changes = s.controller->pendingChanges();
    ASSERT_EQ((Ids{ValueId::sampleRate, ValueId::channels}), s.changed());
    EXPECT_EQ(
        (Texts{"48000", "22050", "2", "1"}),
        (Texts{*changes[0].stored, *changes[0].written, *changes[1].stored, *changes[1].written}));
    EXPECT_EQ(std::nullopt, changes[0].rule);
    EXPECT_EQ((RuleReason{RuleReason::Kind::monoOnly, "Nellymoser", {}, {}}),
              changes[1].rule.value_or(Replacement{}).reason);
    EXPECT_EQ(Outcome::Kind::saved, s.save("p").kind);
    EXPECT_EQ(Ids{}, s.changed());
}

}  // namespace
}  // namespace tolvane
