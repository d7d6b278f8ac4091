#include "rules/AudioRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tolvane {
namespace {

using rules::AudioState;
using rules::Cascade;
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
int32_t hz(int value) {
    return tagsOf(kHz, {value})[0];
}
int32_t kbps(int value) {
    return tagsOf(kKbps, {value})[0];
}
std::vector<int32_t> tags(const TagSet& set) {
    return {set.begin(), set.end()};
}
TagSet setOf(std::initializer_list<int32_t> tags) {
    TagSet set;
    for (int32_t tag : tags)
        set.insert(tag);
    return set;
}

std::array<int32_t, 5> choices(const AudioState& s) {
    return {s.videoFormat, s.format, s.samplerate, s.channel, s.bitrate};
}

AudioState audio(int32_t format, int rate, int32_t channel, int bitrate, int32_t video = 0) {
    AudioState s;
    s.videoFormat = video;
    s.h264Selected = video == H264;
    s.format = format;
    s.samplerate = hz(rate);
    s.channel = channel;
    s.bitrate = kbps(bitrate);
    s.nellyMoserSelected = format == NELLY;
    return s;
}

// A replacement in words: "audioBitrate 128>88 bitrateNotOffered Nellymoser 44100 Mono".
std::string said(const rules::Replaced& r) {
    constexpr const char* kKinds[] = {"samplerateNotOffered", "bitrateNotOffered", "monoOnly",
                                      "formatNotOffered"};
    const auto title = [&](int32_t tag) {
        return std::string(rules::titleOf(r.id, tag).value_or("?"));
    };
    std::string text = r.id == ValueId::sampleRate    ? "sampleRate"
                       : r.id == ValueId::channels    ? "channels"
                       : r.id == ValueId::audioFormat ? "audioFormat"
                                                      : "audioBitrate";
    // Appended piece by piece: GCC 12 at -O3 misreads a literal put before a temporary string as
    // an overlapping copy (-Wrestrict).
    ((((text += ' ') += title(r.from)) += '>') += title(r.to)) += ' ';
    text += kKinds[static_cast<int>(r.reason.kind)];
    for (const std::string* part : {&r.reason.format, &r.reason.samplerate, &r.reason.channels})
        if (!part->empty()) (text += ' ') += *part;
    return text;
}

TEST(AudioRules, EveryFormatAndCombinationAllowsWhatTheEncoderTableSays) {
    const std::vector<int> rates[] = {{48000, 44100, 32000, 22050, 11025, 8000},
                                      {44100, 22050, 11025},
                                      {44100, 22050, 11025, 8000, 5512}};
    for (int32_t format : {AAC, MP3, NELLY})
        EXPECT_EQ(tagsOf(kHz, rates[format - AAC]), tags(rules::assignSamplrateByEncode(format)));

    const auto allows = [](int32_t format, int32_t rate, int32_t channel,
                           const std::vector<int>& kbps) {
        EXPECT_EQ(tagsOf(kKbps, kbps), tags(rules::assignBitrateByEncode(format, rate, channel)))
            << format << " " << rate << " " << channel;
    };
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
        EXPECT_EQ(tagsOf(kHz, rates[1]), tags(rules::assignSamplrateByEncode(format)));
    allows(0, 0, 0, mp3At44Mono);
    allows(INT32_MAX, 1008, 1003, mp3At44Mono);
    allows(AAC, hz(11025), 7, {aac.begin() + 4, aac.end()});
}

TEST(AudioRules, CascadeKeepsWhatIsAllowedAndRecordsEachReplacementWithItsReason) {
    using Step = std::function<Cascade(const AudioState&)>;
    const auto format = [](int32_t tag) -> Step {
        return [tag](const AudioState& s) { return rules::setTagAudioOutputFormat(s, tag); };
    };
    const auto rate = [](int value) -> Step {
        return [value](const AudioState& s) { return rules::setTagAudioSamplerate(s, hz(value)); };
    };
    const auto channel = [](int32_t tag) -> Step {
        return [tag](const AudioState& s) { return rules::setTagAudioChannel(s, tag); };
    };
    const auto codec = [](int32_t tag, TagSet offered) -> Step {
        return [=](const AudioState& s) { return rules::setTagVideoOutputFormat(s, tag, offered); };
    };
    struct Case {
        AudioState from;
        Step step;
        AudioState to;
        std::vector<std::string> replaced;
    };
    const Case cases[] = {
        // Mono first, checked against the previous format; then the format's own rows, which
        // replace the bitrate again.
        {audio(MP3, 22050, STEREO, 80),
         format(NELLY),
         audio(NELLY, 22050, MONO, 44),
         {"channels Stereo>Mono monoOnly Nellymoser",
          "audioBitrate 80>48 bitrateNotOffered MP3 22050 Mono",
          "audioBitrate 48>44 bitrateNotOffered Nellymoser 22050 Mono"}},
        {audio(NELLY, 5512, MONO, 11),
         format(MP3),
         audio(MP3, 44100, MONO, 224),
         {"sampleRate 5512>44100 samplerateNotOffered MP3",
          "audioBitrate 11>224 bitrateNotOffered MP3 44100 Mono"}},
        {audio(MP3, 22050, MONO, 32),
         channel(STEREO),
         audio(MP3, 22050, STEREO, 80),
         {"audioBitrate 32>80 bitrateNotOffered MP3 22050 Stereo"}},
        // Nellymoser ignores the channel.
        {audio(NELLY, 22050, MONO, 44), channel(STEREO), audio(NELLY, 22050, STEREO, 44), {}},
        // A sample rate is stored as given; only the bitrate follows.
        {audio(MP3, 44100, STEREO, 128),
         rate(48000),
         audio(MP3, 48000, STEREO, 32),
         {"audioBitrate 128>32 bitrateNotOffered MP3 48000 Stereo"}},
        // Nothing chosen yet reads as MP3, mono: the reason names what the tables read.
        {AudioState{},
         rate(44100),
         audio(0, 44100, 0, 224),
         {"audioBitrate ?>224 bitrateNotOffered MP3 44100 Mono"}},
        // The codec falls back to the first audio format offered; an offered format, or none
        // offered at all, stays; any tag but H.264's is VP6.
        {audio(NELLY, 44100, MONO, 88),
         codec(H264, setOf({MP3, AAC})),
         audio(AAC, 44100, MONO, 320, H264),
         {"audioFormat Nellymoser>AAC formatNotOffered H.264",
          "audioBitrate 88>320 bitrateNotOffered AAC 44100 Mono"}},
        {audio(MP3, 22050, STEREO, 64, H264),
         codec(VP6, setOf({MP3, AAC})),
         audio(MP3, 22050, STEREO, 64, VP6),
         {}},
        {audio(MP3, 22050, STEREO, 64), codec(VP6, {}), audio(MP3, 22050, STEREO, 64, VP6), {}},
        {audio(AAC, 44100, STEREO, 128),
         codec(0, setOf({MP3})),
         audio(MP3, 44100, STEREO, 128),
         {"audioFormat AAC>MP3 formatNotOffered VP6"}},
    };
    for (const Case& c : cases) {
        const Cascade result = c.step(c.from);
        const AudioState& s = result.state;
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(choices(c.to), choices(s));
        EXPECT_EQ(c.to.nellyMoserSelected, s.nellyMoserSelected);
        EXPECT_EQ(c.to.h264Selected, s.h264Selected);
        // A codec change that keeps the audio choices leaves the lists as they were.
        if (c.from.videoFormat == c.to.videoFormat || !c.replaced.empty()) {
            EXPECT_EQ(rules::assignBitrateByEncode(s.format, s.samplerate, s.channel), s.bitrates);
        }
        std::vector<std::string> replaced;
        for (const rules::Replaced& r : result.replaced)
            replaced.push_back(said(r));
        EXPECT_EQ(c.replaced, replaced);
    }
    // A format sets the sample rates it allows; a sample rate or channel leaves them.
    EXPECT_EQ(
        rules::assignSamplrateByEncode(NELLY),
        rules::setTagAudioOutputFormat(audio(MP3, 44100, STEREO, 128), NELLY).state.samplerates);
    EXPECT_TRUE(rules::setTagAudioChannel(AudioState{}, MONO).state.samplerates.empty());
}

TEST(AudioRules, BudgetSubtractsTheAudioBitrateAndSaturates) {
    Form form = standardForm();
    form.popupFMLEAudioOutputBitrate.selectItemWithTag(kbps(128));
    auto& video = form.comboboxFMLEVideoOutputBitrate;
    const std::size_t entries = video.objectValues().size();
    const auto videoFor = [&](const char* total) {
        form.comboboxTotalBitrate.setStringValue(total);
        rules::adjustBitrate(form);
        return video.stringValue();
    };
    EXPECT_EQ("872", videoFor("1000"));
    EXPECT_EQ("-1128", videoFor("-1000"));
    EXPECT_EQ("2147483647", videoFor("99999999999"));
    EXPECT_EQ("-2147483648", videoFor("-99999999999999999999"));  // INT64_MIN less 128 overflows
    // An entry per run; an empty total changes nothing.
    EXPECT_EQ("-2147483648", videoFor(""));
    EXPECT_EQ(entries + 4, video.objectValues().size());
}

}  // namespace
}  // namespace tolvane
