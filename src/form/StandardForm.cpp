#include <string>
#include <utility>
#include <vector>

#include "form/Form.h"

namespace tolvane {
namespace {

constexpr int kFirstTag = 1001;

void fill(PopUpList& list, const std::vector<std::string>& titles) {
    int tag = kFirstTag;
    for (const auto& title : titles)
        list.addItemWithTitle(title, tag++);
}

void fillTagged(PopUpList& list, const std::vector<std::pair<std::string, int>>& items) {
    for (const auto& [title, tag] : items)
        list.addItemWithTitle(title, tag);
}

}  // namespace

Form standardForm() {
    Form form;
    fill(form.popupFMLEVideoOutputFormat, {"H.264", "VP6"});
    fill(form.popupFMLEVideoFramerate,
         {"4.00", "6.00", "8.00", "10.00", "12.00", "14.00", "15.00", "20.00", "23.98", "24.00",
          "25.00", "29.97", "30.00", "50.00", "59.94", "60.00"});
    fill(form.popupFMLEVideoInputSize,
         {"160x120", "176x144", "320x240", "352x288", "640x360", "640x480", "720x480", "720x576",
          "1024x576", "1280x720", "1920x1080"});
    // CamTwist's standard sizes share the tag of the same FMLE capture size.
    fillTagged(form.popupCamTwistVideoSize, {{"320x240", 1003},
                                             {"640x360", 1005},
                                             {"640x480", 1006},
                                             {"720x480", 1007},
                                             {"1280x720", 1010}});
    fill(form.popupH264Profile, {"Baseline", "Main"});
    fill(form.popupH264Level, {"1.0", "1b", "1.1", "1.2", "1.3", "2.0", "2.1", "2.2", "3.0", "3.1",
                               "3.2", "4.0", "4.1", "4.2", "5.0", "5.1"});
    const std::vector<std::string> keyframeFrequencies = {
        "1 Second",  "2 Seconds", "3 Seconds", "4 Seconds", "5 Seconds",
        "6 Seconds", "7 Seconds", "8 Seconds", "9 Seconds", "10 Seconds"};
    fill(form.popupH264KeyframeFrequency, keyframeFrequencies);
    fill(form.popupVP6KeyframeFrequency, keyframeFrequencies);
    fill(form.popupVP6Quality, {"Best Quality - Lower Framerate", "Great Quality - Avg Framerate",
                                "Good Quality - Good Framerate", "Avg Quality - Great Framerate",
                                "Lower Quality - Best Framerate"});
    fill(form.popupVP6NoiseReduction, {"None", "Slight", "Low", "Average", "Extreme"});
    fill(form.popupVP6DatarateWindow, {"Tiny", "Small", "Medium", "Large", "Huge"});
    fill(form.popupVP6CPUUseage, {"Very Low", "Low", "Average", "Dedicated"});

    fill(form.popupFMLEAudioOutputFormat, {"AAC", "MP3", "Nellymoser"});
    fill(form.popupFMLEAudioSamplerate,
         {"48000", "44100", "32000", "22050", "11025", "8000", "5512"});
    fill(form.popupFMLEAudioOutputChannel, {"Stereo", "Mono"});
    fill(form.popupFMLEAudioOutputBitrate,
         {"320", "256", "224", "192", "160", "128", "112", "96", "88", "80", "64", "56",
          "48",  "44",  "40",  "32",  "28",  "24",  "22",  "20", "18", "16", "11"});

    const std::vector<std::string> bitrates = {"200",  "350",  "500",  "650",  "800", "1000",
                                               "1200", "1500", "2000", "2500", "3000"};
    form.comboboxFMLEVideoOutputBitrate.addItemsWithObjectValues(bitrates);
    form.comboboxTotalBitrate.addItemsWithObjectValues(bitrates);
    return form;
}

}  // namespace tolvane
