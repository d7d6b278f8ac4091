#pragma once

#include <array>

#include "form/Changes.h"
#include "form/Controls.h"
#include "form/PopUpList.h"
#include "form/Properties.h"

namespace tolvane {

// The controls the logic reads and changes. Check boxes, the slider and the buttons belong to
// the window: they only show controller properties or send its actions. Views subscribe to the
// controls, so a form is neither copied nor moved.
struct Form {
    enum class Standard { lists };
    Form() = default;
    // The fixed lists filled with FMLE 3.2's own option texts.
    explicit Form(Standard);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    ComboBox comboboxTotalBitrate;
    PopUpList popupFMLEProfileNames;
    TextField txtfldNewProfileName;
    TextField txtfldCamTwistFramerate;
    PopUpList popupCamTwistVideoSize;
    TextField txtfldCamTwistCustomWidth;
    TextField txtfldCamTwistCustomHeight;
    PopUpList popupFMLEVideoFramerate;
    PopUpList popupFMLEVideoOutputFormat;
    PopUpList popupFMLEVideoInputDeviceName;
    PopUpList popupFMLEVideoInputSize;
    TextField txtfldFMLEVideoOutputSizeX;
    TextField txtfldFMLEVideoOutputSizeY;
    ComboBox comboboxFMLEVideoOutputBitrate;
    Drawer drawerEncoderSettings;
    PopUpList popupVP6KeyframeFrequency;
    PopUpList popupVP6Quality;
    PopUpList popupVP6NoiseReduction;
    PopUpList popupVP6DatarateWindow;
    PopUpList popupVP6CPUUseage;
    PopUpList popupH264Profile;
    PopUpList popupH264Level;
    PopUpList popupH264KeyframeFrequency;
    PopUpList popupFMLEAudioInputDevice;
    PopUpList popupFMLEAudioOutputFormat;
    PopUpList popupFMLEAudioOutputChannel;
    PopUpList popupFMLEAudioSamplerate;
    PopUpList popupFMLEAudioOutputBitrate;
};

// The form with every fixed list filled with FMLE 3.2's own option texts. Choice lists carry tags
// in list order; a CamTwist size carries the tag of the same FMLE capture size.
inline Form standardForm() {
    return Form(Form::Standard::lists);
}

// An advanced option of a codec: the element a profile holds it in under encode/video/advanced
// (and the value that element is), the list holding its value, and the property saying whether
// the profile carries it.
struct AdvancedOption {
    bool h264;  // an H.264 option; the others are VP6's
    const char* element;
    ValueId id;
    PopUpList Form::*list;
    Property flag;
    // The controls that show it, and their label.
    const char* listName;
    const char* checkBoxName;
    const char* label;
};

// Each codec's options in the order a profile holds them.
inline const std::array<AdvancedOption, 8> kAdvancedOptions = {{
    {true, "profile", ValueId::advancedProfile, &Form::popupH264Profile,
     Property::enableH264Profile, "popupH264Profile", "chkboxH264Profile", "Profile"},
    {true, "level", ValueId::advancedLevel, &Form::popupH264Level, Property::enableH264Level,
     "popupH264Level", "chkboxH264Level", "Level"},
    {true, "keyframe_frequency", ValueId::advancedKeyframeFrequency,
     &Form::popupH264KeyframeFrequency, Property::enableH264KeyframeFrequency,
     "popupH264KeyframeFrequency", "chkboxH264KeyframeFrequency", "Keyframe frequency"},
    {false, "keyframe_frequency", ValueId::advancedKeyframeFrequency,
     &Form::popupVP6KeyframeFrequency, Property::enableVP6KeyframeFrequency,
     "popupVP6KeyframeFrequency", "chkboxVP6KeyframeFrequency", "Keyframe frequency"},
    {false, "quality", ValueId::advancedQuality, &Form::popupVP6Quality, Property::enableVP6Quality,
     "popupVP6Quality", "chkboxVP6Quality", "Quality"},
    {false, "noise_reduction", ValueId::advancedNoiseReduction, &Form::popupVP6NoiseReduction,
     Property::enableVP6NoiseReduction, "popupVP6NoiseReduction", "chkboxVP6NoiseReduction",
     "Noise reduction"},
    {false, "datarate_window", ValueId::advancedDatarateWindow, &Form::popupVP6DatarateWindow,
     Property::enableVP6DatarateWindow, "popupVP6DatarateWindow", "chkboxVP6DatarateWindow",
     "Datarate window"},
    {false, "cpu_usage", ValueId::advancedCpuUsage, &Form::popupVP6CPUUseage,
     Property::enableVP6CPUUseage, "popupVP6CPUUseage", "chkboxVP6CPUUseage", "CPU usage"},
}};

}  // namespace tolvane
