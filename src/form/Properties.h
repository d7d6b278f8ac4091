#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolvane {

// The controller's observable properties, which the form's controls show and edit, in the order
// the class declares them. X(type, getter, Setter-suffix). The first list stores and announces;
// the second has setters with rules of their own.
#define TOLVANE_PLAIN_PROPERTIES(X)                                         \
    X(bool, camTwistCustomVideoSize, CamTwistCustomVideoSize)               \
    X(bool, preserveAspect, PreserveAspect)                                 \
    X(bool, h264Selected, H264Selected)                                     \
    X(bool, enableVP6KeyframeFrequency, EnableVP6KeyframeFrequency)         \
    X(bool, enableVP6Quality, EnableVP6Quality)                             \
    X(bool, enableVP6NoiseReduction, EnableVP6NoiseReduction)               \
    X(bool, enableVP6DatarateWindow, EnableVP6DatarateWindow)               \
    X(bool, enableVP6CPUUseage, EnableVP6CPUUseage)                         \
    X(bool, enableH264Profile, EnableH264Profile)                           \
    X(bool, enableH264Level, EnableH264Level)                               \
    X(bool, enableH264KeyframeFrequency, EnableH264KeyframeFrequency)       \
    X(bool, nellyMoserSelected, NellyMoserSelected)                         \
    X(int32_t, inputVolume, InputVolume)                                    \
    X(int32_t, tagAudioBitrate, TagAudioBitrate)                            \
    X(bool, samplerateStatus48000, SamplerateStatus48000)                   \
    X(bool, samplerateStatus44100, SamplerateStatus44100)                   \
    X(bool, samplerateStatus32000, SamplerateStatus32000)                   \
    X(bool, samplerateStatus22050, SamplerateStatus22050)                   \
    X(bool, samplerateStatus11025, SamplerateStatus11025)                   \
    X(bool, samplerateStatus8000, SamplerateStatus8000)                     \
    X(bool, samplerateStatus5512, SamplerateStatus5512)                     \
    X(bool, bitrateStatus320Kbps, BitrateStatus320Kbps)                     \
    X(bool, bitrateStatus256Kbps, BitrateStatus256Kbps)                     \
    X(bool, bitrateStatus224Kbps, BitrateStatus224Kbps)                     \
    X(bool, bitrateStatus192Kbps, BitrateStatus192Kbps)                     \
    X(bool, bitrateStatus160Kbps, BitrateStatus160Kbps)                     \
    X(bool, bitrateStatus128Kbps, BitrateStatus128Kbps)                     \
    X(bool, bitrateStatus112Kbps, BitrateStatus112Kbps)                     \
    X(bool, bitrateStatus96Kbps, BitrateStatus96Kbps)                       \
    X(bool, bitrateStatus88Kbps, BitrateStatus88Kbps)                       \
    X(bool, bitrateStatus80Kbps, BitrateStatus80Kbps)                       \
    X(bool, bitrateStatus64Kbps, BitrateStatus64Kbps)                       \
    X(bool, bitrateStatus56Kbps, BitrateStatus56Kbps)                       \
    X(bool, bitrateStatus48Kbps, BitrateStatus48Kbps)                       \
    X(bool, bitrateStatus44Kbps, BitrateStatus44Kbps)                       \
    X(bool, bitrateStatus40Kbps, BitrateStatus40Kbps)                       \
    X(bool, bitrateStatus32Kbps, BitrateStatus32Kbps)                       \
    X(bool, bitrateStatus28Kbps, BitrateStatus28Kbps)                       \
    X(bool, bitrateStatus24Kbps, BitrateStatus24Kbps)                       \
    X(bool, bitrateStatus22Kbps, BitrateStatus22Kbps)                       \
    X(bool, bitrateStatus20Kbps, BitrateStatus20Kbps)                       \
    X(bool, bitrateStatus18Kbps, BitrateStatus18Kbps)                       \
    X(bool, bitrateStatus16Kbps, BitrateStatus16Kbps)                       \
    X(bool, bitrateStatus11Kbps, BitrateStatus11Kbps)                       \
    X(bool, autoAdjust, AutoAdjust)                                         \
    X(bool, autoAdjustDropFrames, AutoAdjustDropFrames)                     \
    X(bool, autoAdjustDegradeQuality, AutoAdjustDegradeQuality)             \
    X(bool, autoAdjustPreserveFrameQuality, AutoAdjustPreserveFrameQuality) \
    X(bool, recordingLimitBySize, RecordingLimitBySize)                     \
    X(bool, recordingLimitByDuration, RecordingLimitByDuration)

#define TOLVANE_RULED_PROPERTIES(X)                        \
    X(bool, syncFrameRate, SyncFrameRate)                  \
    X(bool, syncVideoSize, SyncVideoSize)                  \
    X(int32_t, tagVideoOutputFormat, TagVideoOutputFormat) \
    X(int32_t, tagAudioOutputFormat, TagAudioOutputFormat) \
    X(int32_t, tagAudioSamplerate, TagAudioSamplerate)     \
    X(int32_t, tagAudioChannel, TagAudioChannel)

enum class Property : std::uint8_t {
#define TOLVANE_ENUM_ENTRY(type, name, Name) name,
    TOLVANE_RULED_PROPERTIES(TOLVANE_ENUM_ENTRY) TOLVANE_PLAIN_PROPERTIES(TOLVANE_ENUM_ENTRY)
#undef TOLVANE_ENUM_ENTRY
};

#define TOLVANE_COUNT_ENTRY(type, name, Name) +1
inline constexpr int kPropertyCount =
    0 TOLVANE_RULED_PROPERTIES(TOLVANE_COUNT_ENTRY) TOLVANE_PLAIN_PROPERTIES(TOLVANE_COUNT_ENTRY);
#undef TOLVANE_COUNT_ENTRY

// The property's own name, as in "tagAudioBitrate".
std::string_view propertyName(Property property);

// The n-th property of the family that begins with first, as the availability flags are laid out.
constexpr Property nthProperty(Property first, std::size_t n) {
    return static_cast<Property>(static_cast<std::size_t>(first) + n);
}

// Whoever holds the properties, as the profile store reads and sets them. A flag reads as 0 or 1.
class PropertyHolder {
  public:
    virtual int32_t propertyValue(Property property) const = 0;
    // Through the property's setter, with its rules.
    virtual void setPropertyValue(Property property, int32_t value) = 0;

  protected:
    ~PropertyHolder() = default;
};

}  // namespace tolvane
