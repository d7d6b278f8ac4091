#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/Choices.h"
#include "form/Form.h"

namespace tolvane {
namespace {

template <typename Title>
void fill(PopUpList& list, std::span<const Title> titles) {
    for (std::size_t i = 0; i < titles.size(); ++i)
        list.addItemWithTitle(std::string(titles[i]), choice::tagAt(i));
}

void fill(PopUpList& list, const std::vector<std::string>& titles) {
    fill(list, std::span<const std::string>(titles));
}

}  // namespace

Form::Form(Standard) {
    fill<std::string_view>(popupFMLEVideoOutputFormat, choice::kVideoFormatTitles);
    fill(popupFMLEVideoFramerate,
         {"4.00", "6.00", "8.00", "10.00", "12.00", "14.00", "15.00", "20.00", "23.98", "24.00",
          "25.00", "29.97", "30.00", "50.00", "59.94", "60.00"});
    fill(popupFMLEVideoInputSize, {"160x120", "176x144", "320x240", "352x288", "640x360", "640x480",
                                   "720x480", "720x576", "1024x576", "1280x720", "1920x1080"});
    // CamTwist's standard sizes share the tag of the same FMLE capture size.
    for (const char* size : {"320x240", "640x360", "640x480", "720x480", "1280x720"})
        popupCamTwistVideoSize.addItemWithTitle(size,
                                                popupFMLEVideoInputSize.itemWithTitle(size)->tag());
    fill(popupH264Profile, {"Baseline", "Main"});
    fill(popupH264Level, {"1.0", "1b", "1.1", "1.2", "1.3", "2.0", "2.1", "2.2", "3.0", "3.1",
                          "3.2", "4.0", "4.1", "4.2", "5.0", "5.1"});
    const std::vector<std::string> keyframeFrequencies = {
        "1 Second",  "2 Seconds", "3 Seconds", "4 Seconds", "5 Seconds",
        "6 Seconds", "7 Seconds", "8 Seconds", "9 Seconds", "10 Seconds"};
    fill(popupH264KeyframeFrequency, keyframeFrequencies);
    fill(popupVP6KeyframeFrequency, keyframeFrequencies);
    fill(popupVP6Quality, {"Best Quality - Lower Framerate", "Great Quality - Avg Framerate",
                           "Good Quality - Good Framerate", "Avg Quality - Great Framerate",
                           "Lower Quality - Best Framerate"});
    fill(popupVP6NoiseReduction, {"None", "Slight", "Low", "Average", "Extreme"});
    fill(popupVP6DatarateWindow, {"Tiny", "Small", "Medium", "Large", "Huge"});
    fill(popupVP6CPUUseage, {"Very Low", "Low", "Average", "Dedicated"});

    fill<std::string_view>(popupFMLEAudioOutputFormat, choice::kAudioFormatTitles);
    fill<std::string_view>(popupFMLEAudioSamplerate, choice::kSamplerateTitles);
    fill<std::string_view>(popupFMLEAudioOutputChannel, choice::kChannelTitles);
    fill<std::string_view>(popupFMLEAudioOutputBitrate, choice::kBitrateTitles);

    const std::vector<std::string> bitrates = {"200",  "350",  "500",  "650",  "800", "1000",
                                               "1200", "1500", "2000", "2500", "3000"};
    for (const StreamControls& stream : kStreamControls)
        (this->*stream.bitrate).addItemsWithObjectValues(bitrates);
    comboboxTotalBitrate.addItemsWithObjectValues(bitrates);
}

}  // namespace tolvane
