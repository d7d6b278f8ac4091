#include "rules/AudioRules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "form/Choices.h"
#include "form/TextValue.h"

namespace tolvane::rules {
namespace {

using choice::kFirst;
using choice::kMono;
using choice::kNellymoser;
using Kind = RuleReason::Kind;

constexpr std::size_t kFormats = choice::kAudioFormatTitles.size();
constexpr std::size_t kSamplerates = choice::kSamplerateTitles.size();
constexpr std::size_t kBitrates = choice::kBitrateTitles.size();
constexpr std::size_t kChannels = choice::kChannelTitles.size();
// What a tag outside its list counts as: MP3, 44100 Hz, mono, 256 Kbps.
constexpr int32_t kDefaultTag = choice::tagAt(1);

// Which sample rates each audio format rules out (1 = not available), 48000 Hz first.
constexpr std::array<std::array<uint8_t, kSamplerates>, kFormats> kSamplerateMask{{
    {0, 0, 0, 0, 0, 0, 1},
    {1, 0, 1, 0, 0, 1, 1},
    {1, 0, 1, 0, 0, 0, 0},
}};
// Which bitrates each combination rules out (1 = not available), 320 Kbps first. The row for a
// combination is chosen by bitrateRow().
constexpr std::array<std::array<uint8_t, kBitrates>, 23> kBitrateMask{{
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1},
    {1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0},
}};

// A tag outside its list (nothing chosen yet, or a value no list holds) is read as the default
// choice, so that no lookup reads outside the tables.
constexpr int32_t inList(int32_t tag, std::size_t count) {
    return choice::indexOf(tag, count) < 0 ? kDefaultTag : tag;
}

constexpr int bitrateRow(int32_t format, int32_t samplerate, int32_t channel) {
    const int rate = samplerate - kFirst;
    const int mono = channel - kFirst;
    if (format == choice::kMP3) {
        if (samplerate == choice::k44100Hz) return 12 + mono;
        if (samplerate == choice::k22050Hz) return 14 + mono;
        return 16 + mono;
    }
    if (format == kNellymoser) {
        if (samplerate >= choice::k22050Hz) return 19 + samplerate - choice::k22050Hz;
        return 18;
    }
    return 2 * rate + mono;
}

// The tags a row allows, in ascending order.
template <std::size_t N>
TagSet allowedBy(const std::array<uint8_t, N>& row) {
    TagSet allowed;
    for (std::size_t i = 0; i < N; ++i)
        if (row[i] == 0) allowed.insert(choice::tagAt(i));
    return allowed;
}

template <std::size_t N>
std::optional<std::string_view> titleIn(const std::array<std::string_view, N>& titles,
                                        int32_t tag) {
    const std::ptrdiff_t index = choice::indexOf(tag, N);
    if (index < 0) return std::nullopt;
    return titles[static_cast<std::size_t>(index)];
}

// The title of a tag the tables read, which is always in its list.
std::string named(ValueId id, int32_t tag) {
    return std::string(titleOf(id, tag).value_or(""));
}

RuleReason because(Kind kind, std::string format, std::string samplerate = {},
                   std::string channels = {}) {
    return {kind, std::move(format), std::move(samplerate), std::move(channels)};
}

// Keeps a choice that is still allowed, otherwise takes the first (highest) allowed one.
int32_t keepOrFirst(const TagSet& allowed, int32_t current) {
    return allowed.containsIndex(current) ? current : allowed.firstIndex();
}

// The steps of the cascade, each on the state being built, recording what it replaces.
void checkBitrate(Cascade& c) {
    AudioState& s = c.state;
    const int32_t format = inList(s.format, kFormats);
    const int32_t samplerate = inList(s.samplerate, kSamplerates);
    const int32_t channel = inList(s.channel, kChannels);
    s.bitrates = assignBitrateByEncode(format, samplerate, channel);
    const int32_t bitrate = keepOrFirst(s.bitrates, s.bitrate);
    if (bitrate == s.bitrate) return;
    c.replaced.push_back(
        {ValueId::audioBitrate, s.bitrate, bitrate,
         because(Kind::bitrateNotOffered, named(ValueId::audioFormat, format),
                 named(ValueId::sampleRate, samplerate), named(ValueId::channels, channel))});
    s.bitrate = bitrate;
}

void storeSamplerate(Cascade& c, int32_t tag) {
    c.state.samplerate = tag;
    checkBitrate(c);
}

void storeChannel(Cascade& c, int32_t tag) {
    c.state.channel = tag;
    checkBitrate(c);
}

void storeFormat(Cascade& c, int32_t tag) {
    AudioState& s = c.state;
    // Mono first, while the previous format is still stored.
    if (tag == kNellymoser) {
        if (s.channel != kMono)
            c.replaced.push_back(
                {ValueId::channels, s.channel, kMono,
                 because(Kind::monoOnly, named(ValueId::audioFormat, kNellymoser))});
        storeChannel(c, kMono);
    }
    s.nellyMoserSelected = tag == kNellymoser;
    s.format = tag;
    s.samplerates = assignSamplrateByEncode(tag);
    const int32_t samplerate = keepOrFirst(s.samplerates, s.samplerate);
    if (samplerate != s.samplerate)
        c.replaced.push_back({ValueId::sampleRate, s.samplerate, samplerate,
                              because(Kind::samplerateNotOffered,
                                      named(ValueId::audioFormat, inList(tag, kFormats)))});
    // Always: the bitrate is re-validated for the new format.
    storeSamplerate(c, samplerate);
}

}  // namespace

std::optional<std::string_view> titleOf(ValueId id, int32_t tag) {
    switch (id) {
        case ValueId::videoFormat:
            return titleIn(choice::kVideoFormatTitles, tag);
        case ValueId::audioFormat:
            return titleIn(choice::kAudioFormatTitles, tag);
        case ValueId::sampleRate:
            return titleIn(choice::kSamplerateTitles, tag);
        case ValueId::channels:
            return titleIn(choice::kChannelTitles, tag);
        case ValueId::audioBitrate:
            return titleIn(choice::kBitrateTitles, tag);
        default:
            return std::nullopt;
    }
}

TagSet assignSamplrateByEncode(int32_t format) {
    const auto row = static_cast<std::size_t>(inList(format, kFormats) - kFirst);
    return allowedBy(kSamplerateMask[row]);
}

TagSet assignBitrateByEncode(int32_t format, int32_t samplerate, int32_t channel) {
    const int row = bitrateRow(inList(format, kFormats), inList(samplerate, kSamplerates),
                               inList(channel, kChannels));
    return allowedBy(kBitrateMask[static_cast<std::size_t>(row)]);
}

Cascade setTagAudioOutputFormat(const AudioState& state, int32_t tag) {
    Cascade c{state, {}};
    storeFormat(c, tag);
    return c;
}

Cascade setTagAudioSamplerate(const AudioState& state, int32_t tag) {
    Cascade c{state, {}};
    storeSamplerate(c, tag);
    return c;
}

Cascade setTagAudioChannel(const AudioState& state, int32_t tag) {
    Cascade c{state, {}};
    storeChannel(c, tag);
    return c;
}

Cascade setTagVideoOutputFormat(const AudioState& state, int32_t tag, const TagSet& offered) {
    Cascade c{state, {}};
    c.state.videoFormat = tag;
    c.state.h264Selected = tag == choice::kH264;
    // With nothing offered there is nothing to fall back to: the audio choices stay.
    if (offered.empty() || offered.containsIndex(state.format)) return c;
    const std::string_view codec =
        tag == choice::kH264 ? choice::kVideoFormatTitles[0] : choice::kVP6Title;
    c.replaced.push_back({ValueId::audioFormat, state.format, offered.firstIndex(),
                          because(Kind::formatNotOffered, std::string(codec))});
    storeFormat(c, offered.firstIndex());
    return c;
}

TagSet offeredFormats(const PopUpList& audioFormats) {
    TagSet offered;
    for (const MenuItem& item : audioFormats.itemArray())
        if (!item.isHidden() && !item.isKept()) offered.insert(item.tag());
    return offered;
}

void adjustBitrate(Form& form) {
    const std::string total = form.comboboxTotalBitrate.stringValue();
    if (total.empty()) return;
    const int64_t audio = integerValue(form.popupFMLEAudioOutputBitrate.title().value_or(""));
    const int64_t t = integerValue(total);
    // Saturating: both values fit 64 bits, their difference may not.
    int64_t video = 0;
    if (__builtin_sub_overflow(t, audio, &video))
        video =
            audio < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    video = std::clamp<int64_t>(video, std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max());
    const std::string shown = std::to_string(video);
    form.comboboxFMLEVideoOutputBitrate.addItemWithObjectValue(shown);
    form.comboboxFMLEVideoOutputBitrate.selectItemWithObjectValue(shown);
}

}  // namespace tolvane::rules
