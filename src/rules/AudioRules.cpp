#include "rules/AudioRules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "form/Choices.h"
#include "form/TextValue.h"

namespace tolvane::rules {
namespace {

using choice::kFirst;
using choice::kMono;
using choice::kNellymoser;

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

// Sets every flag of a row through its setter, then collects the tags the row allows.
template <std::size_t N>
TagSet applyRow(PropertyHolder& holder, const std::array<uint8_t, N>& row, Property firstFlag) {
    for (std::size_t i = 0; i < N; ++i)
        holder.setPropertyValue(nthProperty(firstFlag, i), row[i]);
    TagSet allowed;
    for (std::size_t i = 0; i < N; ++i)
        if (row[i] == 0) allowed.insert(choice::tagAt(i));
    return allowed;
}

// Keeps a choice that is still allowed, otherwise takes the first (highest) allowed one.
int32_t keepOrFirst(const TagSet& allowed, int32_t current) {
    return allowed.containsIndex(current) ? current : allowed.firstIndex();
}

}  // namespace

TagSet assignSamplrateByEncode(PropertyHolder& holder, int32_t format) {
    const auto row = static_cast<std::size_t>(inList(format, kFormats) - kFirst);
    return applyRow(holder, kSamplerateMask[row], Property::samplerateStatus48000);
}

TagSet assignBitrateByEncode(PropertyHolder& holder, int32_t format, int32_t samplerate,
                             int32_t channel) {
    const int row = bitrateRow(inList(format, kFormats), inList(samplerate, kSamplerates),
                               inList(channel, kChannels));
    return applyRow(holder, kBitrateMask[static_cast<std::size_t>(row)],
                    Property::bitrateStatus320Kbps);
}

void setTagAudioOutputFormat(PropertyHolder& holder, int32_t tag) {
    // Mono first, while the previous format is still stored.
    if (tag == kNellymoser) holder.setPropertyValue(Property::tagAudioChannel, kMono);
    holder.setPropertyValue(Property::nellyMoserSelected, tag == kNellymoser);
    const int32_t samplerate = holder.propertyValue(Property::tagAudioSamplerate);
    holder.storePropertyValue(Property::tagAudioOutputFormat, tag);
    holder.setPropertyValue(Property::tagAudioSamplerate,
                            keepOrFirst(assignSamplrateByEncode(holder, tag), samplerate));
}

namespace {

// Stores a sample rate or channel and re-validates the bitrate for the new combination.
void storeThenCheckBitrate(PropertyHolder& holder, Property property, int32_t tag) {
    holder.storePropertyValue(property, tag);
    const int32_t bitrate = holder.propertyValue(Property::tagAudioBitrate);
    const TagSet allowed =
        assignBitrateByEncode(holder, holder.propertyValue(Property::tagAudioOutputFormat),
                              holder.propertyValue(Property::tagAudioSamplerate),
                              holder.propertyValue(Property::tagAudioChannel));
    holder.setPropertyValue(Property::tagAudioBitrate, keepOrFirst(allowed, bitrate));
}

}  // namespace

void setTagAudioSamplerate(PropertyHolder& holder, int32_t tag) {
    storeThenCheckBitrate(holder, Property::tagAudioSamplerate, tag);
}

void setTagAudioChannel(PropertyHolder& holder, int32_t tag) {
    storeThenCheckBitrate(holder, Property::tagAudioChannel, tag);
}

void setTagVideoOutputFormat(PropertyHolder& holder, const PopUpList& audioFormats, int32_t tag) {
    const int32_t audioFormat = holder.propertyValue(Property::tagAudioOutputFormat);
    holder.storePropertyValue(Property::tagVideoOutputFormat, tag);
    // The form hides the audio formats the new codec does not offer as it follows this.
    holder.setPropertyValue(Property::h264Selected, tag == choice::kH264);
    // Only the list's own items are offered, never one kept from a profile.
    TagSet offered;
    for (const MenuItem& item : audioFormats.itemArray())
        if (!item.isHidden() && !item.isKept()) offered.insert(item.tag());
    // With nothing offered there is nothing to fall back to: the audio choices stay.
    if (offered.empty() || offered.containsIndex(audioFormat)) return;
    holder.setPropertyValue(Property::tagAudioOutputFormat, offered.firstIndex());
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
