#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "form/Binding.h"
#include "rules/AudioRules.h"

namespace tolvane {
namespace {

using P = Property;
constexpr int32_t AAC = 1001, MP3 = 1002, NELLY = 1003, STEREO = 1001, MONO = 1002;
constexpr int32_t H264 = 1001, VP6 = 1002;
constexpr int kHz[] = {48000, 44100, 32000, 22050, 11025, 8000, 5512};
constexpr int kKbps[] = {320, 256, 224, 192, 160, 128, 112, 96, 88, 80, 64, 56,
                         48,  44,  40,  32,  28,  24,  22,  20, 18, 16, 11};

// The tags of the given values: 1001 + each value's place in its list.
template <std::size_t N>
std::vector<int32_t> tagsOf(const int (&list)[N], const std::vector<int>& values) {
    std::vector<int32_t> tags;
    for (int value : values)
        tags.push_back(1001 + static_cast<int32_t>(std::find(list, list + N, value) - list));
    return tags;
}

// The properties in an array, as the controller holds them: the ruled setters run the rules, and
// every change is shown in a form and recorded by name.
struct Rules : ::testing::Test, PropertyHolder {
    int32_t propertyValue(P p) const override { return values[static_cast<std::size_t>(p)]; }
    void storePropertyValue(P p, int32_t value) override {
        values[static_cast<std::size_t>(p)] = value;
        showProperty(form, p, value);
        told.emplace_back(propertyName(p));
    }
    void setPropertyValue(P p, int32_t value) override {
        if (p == P::tagAudioOutputFormat) return rules::setTagAudioOutputFormat(*this, value);
        if (p == P::tagAudioSamplerate) return rules::setTagAudioSamplerate(*this, value);
        if (p == P::tagAudioChannel) return rules::setTagAudioChannel(*this, value);
        if (p == P::tagVideoOutputFormat)
            return rules::setTagVideoOutputFormat(*this, form.popupFMLEAudioOutputFormat, value);
        storePropertyValue(p, value);
    }
    static int32_t hz(int value) { return tagsOf(kHz, {value})[0]; }
    static int32_t kbps(int value) { return tagsOf(kKbps, {value})[0]; }
    static std::vector<int32_t> tags(const TagSet& set) { return {set.begin(), set.end()}; }

    // The flags, and the items the form hides, rule out exactly the tags not expected.
    void offers(const PopUpList& list, P firstFlag, const std::vector<int32_t>& expected) {
        for (const MenuItem& item : list.itemArray()) {
            const bool out = std::count(expected.begin(), expected.end(), item.tag()) == 0;
            const auto n = static_cast<std::size_t>(item.tag() - 1001);
            EXPECT_EQ(out, propertyValue(nthProperty(firstFlag, n))) << item.title();
            EXPECT_EQ(out, item.isHidden()) << item.title();
        }
    }
    // The bitrates a combination allows, as the result and as the flags.
    void allows(int32_t format, int32_t samplerate, int32_t channel, const std::vector<int>& kbps) {
        const auto expected = tagsOf(kKbps, kbps);
        EXPECT_EQ(expected, tags(rules::assignBitrateByEncode(*this, format, samplerate, channel)))
            << format << " " << samplerate << " " << channel;
        offers(form.popupFMLEAudioOutputBitrate, P::bitrateStatus320Kbps, expected);
    }
    // Format, sample rate, channel and bitrate, as tags.
    using Audio = std::array<int32_t, 4>;
    static Audio audio(int32_t format, int rate, int32_t channel, int bitrate) {
        return {format, hz(rate), channel, kbps(bitrate)};
    }
    Audio audio() const {
        return {propertyValue(P::tagAudioOutputFormat), propertyValue(P::tagAudioSamplerate),
                propertyValue(P::tagAudioChannel), propertyValue(P::tagAudioBitrate)};
    }
    void choose(int32_t format, int rate, int32_t channel, int bitrate) {
        setPropertyValue(P::tagAudioOutputFormat, format);
        setPropertyValue(P::tagAudioChannel, channel);
        setPropertyValue(P::tagAudioSamplerate, hz(rate));
        setPropertyValue(P::tagAudioBitrate, kbps(bitrate));
        told.clear();
    }

    Form form = standardForm();
    std::array<int32_t, kPropertyCount> values{};
    std::vector<std::string> told;
};

TEST_F(Rules, EveryFormatAndCombinationAllowsWhatTheEncoderTableSays) {
    const std::vector<int> rates[] = {{48000, 44100, 32000, 22050, 11025, 8000},
                                      {44100, 22050, 11025},
                                      {44100, 22050, 11025, 8000, 5512}};
    for (int32_t format : {AAC, MP3, NELLY}) {
        const auto expected = tagsOf(kHz, rates[format - AAC]);
        EXPECT_EQ(expected, tags(rules::assignSamplrateByEncode(*this, format)));
        offers(form.popupFMLEAudioSamplerate, P::samplerateStatus48000, expected);
    }

    const std::vector<int> aac = {320, 256, 224, 192, 160, 128, 112, 96, 80,
                                  64,  56,  48,  40,  32,  28,  24,  20, 16};
    const std::vector<int> mp3At44 = {224, 192, 160, 128, 112, 96},
                           mp3At44Mono = {224, 192, 160, 128, 112, 96, 80, 64, 56};
    for (int rate : {48000, 44100, 32000, 22050, 11025})
        for (int32_t channel : {STEREO, MONO})
            if (rate != 11025 || channel != MONO) allows(AAC, hz(rate), channel, aac);
    allows(AAC, hz(11025), MONO, {aac.begin() + 4, aac.end()});   // from 160
    allows(AAC, hz(8000), STEREO, {aac.begin() + 1, aac.end()});  // from 256
    allows(AAC, hz(8000), MONO, {aac.begin() + 5, aac.end()});    // from 128
    allows(MP3, hz(44100), STEREO, mp3At44);
    allows(MP3, hz(44100), MONO, mp3At44Mono);
    allows(AAC, hz(5512), STEREO, mp3At44);  // a rate AAC does not offer
    allows(AAC, hz(5512), MONO, mp3At44Mono);
    allows(MP3, hz(22050), STEREO, {80, 64, 56, 48, 40});
    allows(MP3, hz(22050), MONO, {48, 40, 32});
    allows(MP3, hz(11025), STEREO, {32, 24, 20});
    allows(MP3, hz(11025), MONO, {20, 18});
    allows(MP3, hz(48000), STEREO, {32, 24, 20});
    for (int32_t channel : {STEREO, MONO})
        for (const auto& [rate, only] : std::vector<std::pair<int, int>>{
                 {48000, 88}, {44100, 88}, {22050, 44}, {11025, 22}, {8000, 16}, {5512, 11}})
            allows(NELLY, hz(rate), channel, {only});

    // Tags outside the lists read as the default choice: MP3, 44100 Hz, mono.
    for (int32_t format : {0, -5, 1004, INT32_MAX, INT32_MIN})
        EXPECT_EQ(tagsOf(kHz, rates[1]), tags(rules::assignSamplrateByEncode(*this, format)));
    allows(0, 0, 0, mp3At44Mono);
    allows(INT32_MAX, 1008, 1003, mp3At44Mono);
    allows(AAC, hz(11025), 7, {aac.begin() + 4, aac.end()});
}

TEST_F(Rules, CascadeKeepsTheChoicesAllowedAndAnnouncesEveryStepInOrder) {
    choose(MP3, 44100, STEREO, 128);
    setPropertyValue(P::tagAudioOutputFormat, MP3);
    std::vector<std::string> expected = {"nellyMoserSelected", "tagAudioOutputFormat"};
    for (int rate : kHz)
        expected.push_back("samplerateStatus" + std::to_string(rate));
    expected.push_back("tagAudioSamplerate");
    for (int rate : kKbps)
        expected.push_back("bitrateStatus" + std::to_string(rate) + "Kbps");
    expected.push_back("tagAudioBitrate");
    EXPECT_EQ(expected, told);
    EXPECT_EQ(audio(MP3, 44100, STEREO, 128), audio());
    // A bitrate, even a disallowed one, is stored as given and recomputes nothing.
    told.clear();
    setPropertyValue(P::tagAudioBitrate, kbps(11));
    EXPECT_EQ(std::vector<std::string>{"tagAudioBitrate"}, told);
    EXPECT_EQ(audio(MP3, 44100, STEREO, 11), audio());

    // Nellymoser sets mono first, and the channel re-validates the bitrate while MP3 is stored.
    choose(MP3, 44100, STEREO, 128);
    setPropertyValue(P::tagAudioOutputFormat, NELLY);
    EXPECT_EQ(audio(NELLY, 44100, MONO, 88), audio());
    EXPECT_TRUE(propertyValue(P::nellyMoserSelected));
    offers(form.popupFMLEAudioOutputBitrate, P::bitrateStatus320Kbps, {kbps(88)});
    EXPECT_EQ("tagAudioChannel", told.at(0));
    EXPECT_EQ("tagAudioBitrate", told.at(24));
    EXPECT_EQ("nellyMoserSelected", told.at(25));
    // Nellymoser ignores the channel: stereo is stored, the bitrate stays.
    choose(NELLY, 22050, MONO, 44);
    setPropertyValue(P::tagAudioChannel, STEREO);
    EXPECT_EQ(audio(NELLY, 22050, STEREO, 44), audio());

    // What a new format or channel rules out falls back to the highest allowed.
    choose(NELLY, 5512, MONO, 11);
    setPropertyValue(P::tagAudioOutputFormat, MP3);
    EXPECT_EQ(audio(MP3, 44100, MONO, 224), audio());
    choose(MP3, 22050, MONO, 32);
    setPropertyValue(P::tagAudioChannel, STEREO);
    EXPECT_EQ(audio(MP3, 22050, STEREO, 80), audio());
}

TEST_F(Rules, CodecDecidesWhichAudioFormatsAreOffered) {
    choose(NELLY, 44100, MONO, 88);
    setPropertyValue(P::tagVideoOutputFormat, H264);
    EXPECT_TRUE(form.popupFMLEAudioOutputFormat.itemWithTag(NELLY)->isHidden());
    EXPECT_FALSE(form.popupFMLEAudioOutputFormat.itemWithTag(AAC)->isHidden());
    EXPECT_EQ(audio(AAC, 44100, MONO, 320), audio());

    // MP3 is offered with both codecs: nothing audio changes.
    choose(MP3, 22050, STEREO, 64);
    setPropertyValue(P::tagVideoOutputFormat, VP6);
    EXPECT_EQ((std::vector<std::string>{"tagVideoOutputFormat", "h264Selected"}), told);
    EXPECT_FALSE(propertyValue(P::h264Selected));
    setPropertyValue(P::tagVideoOutputFormat, 0);
    EXPECT_FALSE(propertyValue(P::h264Selected));

    // With no format offered the audio choices stay as they are.
    choose(AAC, 48000, STEREO, 320);
    form.popupFMLEAudioOutputFormat.removeAllItems();
    setPropertyValue(P::tagVideoOutputFormat, H264);
    EXPECT_EQ(audio(AAC, 48000, STEREO, 320), audio());
}

TEST_F(Rules, BudgetSubtractsTheAudioBitrateAndSaturates) {
    choose(AAC, 44100, STEREO, 128);
    auto& video = form.comboboxFMLEVideoOutputBitrate;
    const std::size_t entries = video.objectValues().size();
    const auto videoFor = [&](const char* total) {
        form.comboboxTotalBitrate.setStringValue(total);
        rules::adjustBitrate(form);
        return video.stringValue();
    };
    EXPECT_EQ("872", videoFor("1000"));
    EXPECT_EQ("872", videoFor(" 1000 Kbps"));
    EXPECT_EQ("-128", videoFor("abc"));
    EXPECT_EQ("-1128", videoFor("-1000"));
    EXPECT_EQ("2147483647", videoFor("99999999999"));
    EXPECT_EQ("-2147483648", videoFor("-99999999999999999999"));  // INT64_MIN less 128 overflows
    // An entry per run; an empty total changes nothing.
    EXPECT_EQ("-2147483648", videoFor(""));
    EXPECT_EQ(entries + 6, video.objectValues().size());
}

}  // namespace
}  // namespace tolvane
