#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "controller/Tolvane.h"
#include "form/TextValue.h"

namespace tolvane {
namespace {

constexpr int32_t kFirstTag = 1001;
constexpr int32_t kDefaultTag = 1002;
constexpr int32_t kNellymoser = 1003;
constexpr int32_t kMono = 1002;
constexpr int32_t kH264 = 1001;

constexpr int kSamplerates = 7;
constexpr int kBitrates = 23;

// Which sample rates each audio format rules out (1 = not available), 48000 Hz first.
constexpr std::array<std::array<uint8_t, kSamplerates>, 3> kSamplerateMask{{
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
constexpr int32_t inList(int32_t tag, int32_t count) {
    return tag < kFirstTag || tag >= kFirstTag + count ? kDefaultTag : tag;
}

constexpr int bitrateRow(int32_t format, int32_t samplerate, int32_t channel) {
    const int rate = samplerate - kFirstTag;
    const int mono = channel - kFirstTag;
    if (format == kDefaultTag) {
        if (samplerate == 1002) return 12 + mono;
        if (samplerate == 1004) return 14 + mono;
        return 16 + mono;
    }
    if (format == kNellymoser) {
        if (samplerate >= 1004) return 19 + samplerate - 1004;
        return 18;
    }
    return 2 * rate + mono;
}

using FlagSetter = void (Tolvane::*)(bool);

constexpr std::array<FlagSetter, kSamplerates> kSamplerateFlags{
    &Tolvane::setSamplerateStatus48000, &Tolvane::setSamplerateStatus44100,
    &Tolvane::setSamplerateStatus32000, &Tolvane::setSamplerateStatus22050,
    &Tolvane::setSamplerateStatus11025, &Tolvane::setSamplerateStatus8000,
    &Tolvane::setSamplerateStatus5512,
};

constexpr std::array<FlagSetter, kBitrates> kBitrateFlags{
    &Tolvane::setBitrateStatus320Kbps, &Tolvane::setBitrateStatus256Kbps,
    &Tolvane::setBitrateStatus224Kbps, &Tolvane::setBitrateStatus192Kbps,
    &Tolvane::setBitrateStatus160Kbps, &Tolvane::setBitrateStatus128Kbps,
    &Tolvane::setBitrateStatus112Kbps, &Tolvane::setBitrateStatus96Kbps,
    &Tolvane::setBitrateStatus88Kbps,  &Tolvane::setBitrateStatus80Kbps,
    &Tolvane::setBitrateStatus64Kbps,  &Tolvane::setBitrateStatus56Kbps,
    &Tolvane::setBitrateStatus48Kbps,  &Tolvane::setBitrateStatus44Kbps,
    &Tolvane::setBitrateStatus40Kbps,  &Tolvane::setBitrateStatus32Kbps,
    &Tolvane::setBitrateStatus28Kbps,  &Tolvane::setBitrateStatus24Kbps,
    &Tolvane::setBitrateStatus22Kbps,  &Tolvane::setBitrateStatus20Kbps,
    &Tolvane::setBitrateStatus18Kbps,  &Tolvane::setBitrateStatus16Kbps,
    &Tolvane::setBitrateStatus11Kbps,
};

// Sets every flag of a row through its setter, then collects the tags the row allows.
template <std::size_t N>
TagSet applyRow(Tolvane& controller, const std::array<uint8_t, N>& row,
                const std::array<FlagSetter, N>& setters) {
    for (std::size_t i = 0; i < N; ++i)
        (controller.*setters[i])(row[i] != 0);
    TagSet allowed;
    for (std::size_t i = 0; i < N; ++i)
        if (row[i] == 0) allowed.insert(kFirstTag + static_cast<int32_t>(i));
    return allowed;
}

// Keeps a choice that is still allowed, otherwise takes the first (highest) allowed one.
int32_t keepOrFirst(const TagSet& allowed, int32_t current) {
    return allowed.containsIndex(current) ? current : allowed.firstIndex();
}

}  // namespace

TagSet Tolvane::assignSamplrateByEncode(int32_t format) {
    const int row = inList(format, 3) - kFirstTag;
    return applyRow(*this, kSamplerateMask[row], kSamplerateFlags);
}

TagSet Tolvane::assignBitrateByEncode(int32_t format, int32_t samplerate, int32_t channel) {
    const int row =
        bitrateRow(inList(format, 3), inList(samplerate, kSamplerates), inList(channel, 2));
    return applyRow(*this, kBitrateMask[row], kBitrateFlags);
}

void Tolvane::setTagAudioOutputFormat(int32_t tag) {
    // Mono first, while the previous format is still stored.
    if (tag == kNellymoser) setTagAudioChannel(kMono);
    setNellyMoserSelected(tag == kNellymoser);
    const int32_t samplerate = tagAudioSamplerate_;
    tagAudioOutputFormat_ = tag;
    announce(Property::tagAudioOutputFormat);
    setTagAudioSamplerate(keepOrFirst(assignSamplrateByEncode(tag), samplerate));
}

void Tolvane::setTagAudioSamplerate(int32_t tag) {
    tagAudioSamplerate_ = tag;
    announce(Property::tagAudioSamplerate);
    const int32_t bitrate = tagAudioBitrate_;
    setTagAudioBitrate(
        keepOrFirst(assignBitrateByEncode(tagAudioOutputFormat_, tag, tagAudioChannel_), bitrate));
}

void Tolvane::setTagAudioChannel(int32_t tag) {
    tagAudioChannel_ = tag;
    announce(Property::tagAudioChannel);
    const int32_t bitrate = tagAudioBitrate_;
    setTagAudioBitrate(keepOrFirst(
        assignBitrateByEncode(tagAudioOutputFormat_, tagAudioSamplerate_, tag), bitrate));
}

void Tolvane::setTagVideoOutputFormat(int32_t tag) {
    const int32_t audioFormat = tagAudioOutputFormat_;
    tagVideoOutputFormat_ = tag;
    announce(Property::tagVideoOutputFormat);
    // The form hides the audio formats the new codec does not offer as it follows this.
    setH264Selected(tag == kH264);
    TagSet offered;
    for (const MenuItem& item : form_.popupFMLEAudioOutputFormat.itemArray())
        if (!item.isHidden()) offered.insert(item.tag());
    // With nothing offered there is nothing to fall back to: the audio choices stay.
    if (offered.empty() || offered.containsIndex(audioFormat)) return;
    setTagAudioOutputFormat(offered.firstIndex());
}

void Tolvane::adjustBitrate() {
    const std::string total = form_.comboboxTotalBitrate.stringValue();
    if (total.empty()) return;
    const int64_t audio = integerValue(form_.popupFMLEAudioOutputBitrate.title().value_or(""));
    const int64_t t = integerValue(total);
    // Saturating: both values fit 64 bits, their difference may not.
    int64_t video = 0;
    if (__builtin_sub_overflow(t, audio, &video))
        video =
            audio < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    video = std::clamp<int64_t>(video, std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max());
    const std::string shown = std::to_string(video);
    form_.comboboxFMLEVideoOutputBitrate.addItemWithObjectValue(shown);
    form_.comboboxFMLEVideoOutputBitrate.selectItemWithObjectValue(shown);
}

}  // namespace tolvane
