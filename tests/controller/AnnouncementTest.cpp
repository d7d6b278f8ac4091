// What observers hear of the rules' work, what the form shows, and the replacements recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "profile/ProfileStore.h"

namespace tolvane {
namespace {

using Names = std::vector<std::string>;
constexpr int32_t MP3 = 1002, NELLY = 1003, STEREO = 1001, H264 = 1001;

// A started program with three profiles, "Talk" (VP6, Nellymoser, 22050 Hz, mono, 44 Kbps)
// loaded; what it announces and how often the audio lists tell their views, from then on.
struct Started : testing::Store {
    Started()
        : Store(
              {{"Talk.xml", testing::fixture("vp6-utf8.xml")},
               {"Studio.xml", testing::fixture("h264-utf16.xml")},
               // A sample rate no list offers, with a format that offers none of it.
               {"Odd.xml", testing::edited(testing::fixture("vp6-utf8.xml"),
                                           {{">22050<", ">12345<"}, {">Nellymoser<", ">MP3<"}})}}) {
        controller->loadFMLEProfile("Talk");
        observing = controller->observe([this](Property p) { told.emplace_back(propertyName(p)); });
        for (PopUpList* list :
             {&form.popupFMLEAudioOutputFormat, &form.popupFMLEAudioSamplerate,
              &form.popupFMLEAudioOutputChannel, &form.popupFMLEAudioOutputBitrate})
            lists.push_back(list->subscribe([this] { ++listNotes; }));
    }
    // Runs an action and checks that it announced exactly the properties it changed, once each.
    template <typename Action>
    Names announced(Action action) {
        std::array<int32_t, kPropertyCount> before{};
        for (int p = 0; p < kPropertyCount; ++p)
            before[p] = controller->propertyValue(static_cast<Property>(p));
        told.clear();
        listNotes = 0;
        action();
        std::set<std::string> changed;
        for (int p = 0; p < kPropertyCount; ++p)
            if (controller->propertyValue(static_cast<Property>(p)) != before[p])
                changed.emplace(propertyName(static_cast<Property>(p)));
        EXPECT_EQ(changed, std::set<std::string>(told.begin(), told.end()));
        EXPECT_EQ(changed.size(), told.size()) << "announced twice";
        return told;
    }

    Names told;
    int listNotes = 0;
    Subscription observing;
    std::vector<Subscription> lists;
};

TEST(Announcements, OnlyWhatChangedOnceInTheCascadesOrder) {
    Started s;
    Tolvane& c = *s.controller;
    EXPECT_EQ(Names{"tagAudioChannel"}, s.announced([&] { c.setTagAudioChannel(STEREO); }));
    s.announced([&] { c.setTagAudioOutputFormat(MP3); });  // 44 Kbps becomes 80
    // Mono, Nellymoser's two sample rates and six bitrates shown again, the bitrate replaced
    // (80 becomes 48 for mono MP3, then 44), each told once.
    EXPECT_EQ(12u, s.announced([&] { c.setTagAudioOutputFormat(NELLY); }).size());
    EXPECT_EQ(11, s.listNotes);  // once for each change the lists show
    // The form hides exactly what the flags rule out.
    for (const MenuItem& item : s.form.popupFMLEAudioOutputBitrate.itemArray())
        EXPECT_EQ(item.isHidden(), c.propertyValue(nthProperty(Property::bitrateStatus320Kbps,
                                                               item.tag() - 1001)) != 0);
    EXPECT_EQ("44", s.form.popupFMLEAudioOutputBitrate.title());

    EXPECT_TRUE(s.announced([&] { c.setTagAudioOutputFormat(NELLY); }).empty());
    EXPECT_EQ(0, s.listNotes);
    // The controller's lookup sets the flags of what it returns.
    TagSet allowed;
    EXPECT_EQ((Names{"samplerateStatus8000", "samplerateStatus5512"}),
              s.announced([&] { allowed = c.assignSamplrateByEncode(MP3); }));
    EXPECT_EQ(rules::assignSamplrateByEncode(MP3), allowed);

    // Loads announce what they change, and nothing when the form stays as it was.
    for (const char* profile : {"Talk", "Studio", "Studio", "Odd", "Odd", "Talk", "Talk"}) {
        const bool again = s.form.popupFMLEProfileNames.title() == profile;
        s.form.popupFMLEProfileNames.selectItemWithTitle(profile);
        const Names told = s.announced([&] { c.loadFMLEProfile(profile); });
        EXPECT_TRUE(!again || told.empty()) << profile;
        // The load sets the bitrate last, after the rules set it on the way.
        const bool bitrate = std::count(told.begin(), told.end(), "tagAudioBitrate") != 0;
        EXPECT_TRUE(!bitrate || told.back() == "tagAudioBitrate") << profile;
    }
    s.announced([&] { c.setTagVideoOutputFormat(H264); });
}

TEST(Announcements, TheFormFollowsEvenWhereNothingChanged) {
    Started s;
    Tolvane& c = *s.controller;
    c.loadFMLEProfile("Studio");  // H.264, AAC 44100 Hz
    PopUpList& rates = s.form.popupFMLEAudioSamplerate;
    // A list that no longer shows its property is set right, with nothing announced.
    rates.selectItemWithTitle("48000");
    EXPECT_TRUE(s.announced([&] { c.setTagAudioSamplerate(c.tagAudioSamplerate()); }).empty());
    EXPECT_EQ("44100", rates.title());
}

TEST(Announcements, ReplacementsSinceTheLoadNameWhatTheListsShowed) {
    Started s;
    Tolvane& c = *s.controller;
    c.setTagVideoOutputFormat(H264);  // Nellymoser gives way to AAC
    ASSERT_FALSE(c.replacements().empty());
    // A load starts the record anew with its own steps; a value no list offers is named as the
    // list showed it.
    c.loadFMLEProfile("Odd");
    Names said;
    for (const Replacement& r : c.replacements())
        said.push_back(r.from + ">" + r.to + " " + r.reason.format + " " + r.reason.samplerate);
    EXPECT_EQ((Names{"AAC>MP3 VP6 ", "12345>44100 MP3 ", "320>224 MP3 44100"}), said);
    EXPECT_EQ(ValueId::sampleRate, c.replacements()[1].id);
    EXPECT_EQ("44100", s.form.popupFMLEAudioSamplerate.title());
}

}  // namespace
}  // namespace tolvane
