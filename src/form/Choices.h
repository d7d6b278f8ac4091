#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// The five choice lists that the encoding rules work on: their tags, and the titles the logic
// relies on. Every tag number of the program is spelled here.
namespace tolvane::choice {

// No item: a text no list holds, or a value kept from a profile that no list offers.
inline constexpr int32_t kNone = 0;
// Each list's tags run from here upwards, in list order.
inline constexpr int32_t kFirst = 1001;

constexpr int32_t tagAt(std::size_t index) {
    return kFirst + static_cast<int32_t>(index);
}
// The index of a tag in its list; a tag outside the list has none (-1).
constexpr std::ptrdiff_t indexOf(int32_t tag, std::size_t count) {
    return tag >= kFirst && tag < tagAt(count) ? tag - kFirst : -1;
}

// Video codec. The rebuild tells VP6 by this exact title.
inline constexpr int32_t kH264 = tagAt(0);
inline constexpr int32_t kVP6 = tagAt(1);
inline constexpr std::array<std::string_view, 2> kVideoFormatTitles = {"H.264", "VP6"};
inline constexpr std::string_view kVP6Title = kVideoFormatTitles[1];

// Audio format.
inline constexpr int32_t kAAC = tagAt(0);
inline constexpr int32_t kMP3 = tagAt(1);
inline constexpr int32_t kNellymoser = tagAt(2);
inline constexpr std::array<std::string_view, 3> kAudioFormatTitles = {"AAC", "MP3", "Nellymoser"};

// Channels: the list shows words, a profile stores the count.
inline constexpr int32_t kStereo = tagAt(0);
inline constexpr int32_t kMono = tagAt(1);
inline constexpr std::array<std::string_view, 2> kChannelTitles = {"Stereo", "Mono"};
inline constexpr std::string_view kStereoTitle = kChannelTitles[0];
inline constexpr std::string_view kStereoText = "2";
inline constexpr std::string_view kMonoText = "1";

// Sample rates, highest first; the availability flags follow the same order.
inline constexpr std::array<std::string_view, 7> kSamplerateTitles = {
    "48000", "44100", "32000", "22050", "11025", "8000", "5512"};
inline constexpr int32_t k44100Hz = tagAt(1);
inline constexpr int32_t k22050Hz = tagAt(3);
inline constexpr int32_t k11025Hz = tagAt(4);

// Audio bitrates in Kbps, highest first; each title begins with its number.
inline constexpr std::array<std::string_view, 23> kBitrateTitles = {
    "320", "256", "224", "192", "160", "128", "112", "96", "88", "80", "64", "56",
    "48",  "44",  "40",  "32",  "28",  "24",  "22",  "20", "18", "16", "11"};

}  // namespace tolvane::choice

namespace tolvane {

// Text to tag, compared exactly.
using TitleTagDictionary = std::map<std::string, int32_t, std::less<>>;

}  // namespace tolvane
