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

    // Streams 2 and 3, beside stream 1's bitrate and output size above (see kStreamControls).
    ComboBox comboboxFMLEVideoOutputBitrate2;
    TextField txtfldFMLEVideoOutputSizeX2;
    TextField txtfldFMLEVideoOutputSizeY2;
    ComboBox comboboxFMLEVideoOutputBitrate3;
    TextField txtfldFMLEVideoOutputSizeX3;
    TextField txtfldFMLEVideoOutputSizeY3;
    // The destination. The stream name usually holds the private key.
    TextField txtfldFMLEStreamURL;
    TextField txtfldFMLEBackupURL;
    TextField txtfldFMLEStreamName;
    // Recording to a file; the limits' on/off are controller properties.
    TextField txtfldFMLERecordingPath;
    TextField txtfldFMLERecordingSizeLimit;  // MB
    TextField txtfldFMLERecordingDurationHours;
    TextField txtfldFMLERecordingDurationMinutes;
    // Auto-adjust, restart and reconnect.
    TextField txtfldFMLEAutoAdjustMaxBufferSize;
    TextField txtfldFMLEAutoAdjustMinVideoBitrate;
    TextField txtfldFMLERestartDays;
    TextField txtfldFMLERestartHours;
    TextField txtfldFMLERestartMinutes;
    TextField txtfldFMLEReconnectAttempts;
    TextField txtfldFMLEReconnectInterval;
    // Metadata.
    TextField txtfldFMLEMetadataTitle;
    TextField txtfldFMLEMetadataDescription;
    TextField txtfldFMLEMetadataAuthor;
    TextField txtfldFMLEMetadataCopyright;
    TextField txtfldFMLEMetadataKeywords;
    TextField txtfldFMLEMetadataRating;
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

// The controls of one stream: its video bitrate and output size. FMLE sends up to three streams,
// in this order; a stream whose bitrate is empty is absent (stream 1 always counts).
struct StreamControls {
    ComboBox Form::*bitrate;
    TextField Form::*width;
    TextField Form::*height;
    const char* bitrateName;
    const char* widthName;
    const char* heightName;
};

inline constexpr std::size_t kMaxStreams = 3;

inline constexpr std::array<StreamControls, kMaxStreams> kStreamControls = {{
    {&Form::comboboxFMLEVideoOutputBitrate, &Form::txtfldFMLEVideoOutputSizeX,
     &Form::txtfldFMLEVideoOutputSizeY, "comboboxFMLEVideoOutputBitrate",
     "txtfldFMLEVideoOutputSizeX", "txtfldFMLEVideoOutputSizeY"},
    {&Form::comboboxFMLEVideoOutputBitrate2, &Form::txtfldFMLEVideoOutputSizeX2,
     &Form::txtfldFMLEVideoOutputSizeY2, "comboboxFMLEVideoOutputBitrate2",
     "txtfldFMLEVideoOutputSizeX2", "txtfldFMLEVideoOutputSizeY2"},
    {&Form::comboboxFMLEVideoOutputBitrate3, &Form::txtfldFMLEVideoOutputSizeX3,
     &Form::txtfldFMLEVideoOutputSizeY3, "comboboxFMLEVideoOutputBitrate3",
     "txtfldFMLEVideoOutputSizeX3", "txtfldFMLEVideoOutputSizeY3"},
}};

// A value a text field shows as the profile spells it and writes back as typed.
struct ProfileText {
    ValueId id;
    TextField Form::*field;
    const char* name;
    const char* label;
};

inline constexpr std::array<ProfileText, 18> kProfileTexts = {{
    {ValueId::autoAdjustMaxBufferSize, &Form::txtfldFMLEAutoAdjustMaxBufferSize,
     "txtfldFMLEAutoAdjustMaxBufferSize", "Maximum buffer size"},
    {ValueId::autoAdjustMinVideoBitrate, &Form::txtfldFMLEAutoAdjustMinVideoBitrate,
     "txtfldFMLEAutoAdjustMinVideoBitrate", "Minimum video bitrate"},
    {ValueId::restartDays, &Form::txtfldFMLERestartDays, "txtfldFMLERestartDays", "Days"},
    {ValueId::restartHours, &Form::txtfldFMLERestartHours, "txtfldFMLERestartHours", "Hours"},
    {ValueId::restartMinutes, &Form::txtfldFMLERestartMinutes, "txtfldFMLERestartMinutes",
     "Minutes"},
    {ValueId::reconnectAttempts, &Form::txtfldFMLEReconnectAttempts, "txtfldFMLEReconnectAttempts",
     "Attempts"},
    {ValueId::reconnectInterval, &Form::txtfldFMLEReconnectInterval, "txtfldFMLEReconnectInterval",
     "Interval"},
    {ValueId::streamURL, &Form::txtfldFMLEStreamURL, "txtfldFMLEStreamURL", "Server URL"},
    {ValueId::backupURL, &Form::txtfldFMLEBackupURL, "txtfldFMLEBackupURL", "Backup URL"},
    {ValueId::streamName, &Form::txtfldFMLEStreamName, "txtfldFMLEStreamName", "Stream name"},
    {ValueId::recordingSizeLimit, &Form::txtfldFMLERecordingSizeLimit,
     "txtfldFMLERecordingSizeLimit", "Size limit"},
    {ValueId::recordingPath, &Form::txtfldFMLERecordingPath, "txtfldFMLERecordingPath", "File"},
    {ValueId::metadataTitle, &Form::txtfldFMLEMetadataTitle, "txtfldFMLEMetadataTitle", "Title"},
    {ValueId::metadataDescription, &Form::txtfldFMLEMetadataDescription,
     "txtfldFMLEMetadataDescription", "Description"},
    {ValueId::metadataAuthor, &Form::txtfldFMLEMetadataAuthor, "txtfldFMLEMetadataAuthor",
     "Author"},
    {ValueId::metadataCopyright, &Form::txtfldFMLEMetadataCopyright, "txtfldFMLEMetadataCopyright",
     "Copyright"},
    {ValueId::metadataKeywords, &Form::txtfldFMLEMetadataKeywords, "txtfldFMLEMetadataKeywords",
     "Keywords"},
    {ValueId::metadataRating, &Form::txtfldFMLEMetadataRating, "txtfldFMLEMetadataRating",
     "Rating"},
}};

// An on/off value: a property shown by a check box, stored as "true" or "false".
struct ProfileFlag {
    ValueId id;
    Property flag;
    const char* checkBoxName;
    const char* label;
};

inline constexpr std::array<ProfileFlag, 6> kProfileFlags = {{
    {ValueId::autoAdjust, Property::autoAdjust, "chkboxFMLEAutoAdjust", "Auto adjust"},
    {ValueId::autoAdjustDropFrames, Property::autoAdjustDropFrames,
     "chkboxFMLEAutoAdjustDropFrames", "Drop frames"},
    {ValueId::autoAdjustDegradeQuality, Property::autoAdjustDegradeQuality,
     "chkboxFMLEAutoAdjustDegradeQuality", "Degrade quality"},
    {ValueId::autoAdjustPreserveFrameQuality, Property::autoAdjustPreserveFrameQuality,
     "chkboxFMLEAutoAdjustPreserveFrameQuality", "Keep frame quality"},
    {ValueId::recordingLimitBySize, Property::recordingLimitBySize,
     "chkboxFMLERecordingLimitBySize", "Limit by size"},
    {ValueId::recordingLimitByDuration, Property::recordingLimitByDuration,
     "chkboxFMLERecordingLimitByDuration", "Limit by duration"},
}};

// A row missing from a table would be left empty.
static_assert(kStreamControls.back().bitrateName && kProfileTexts.back().name &&
              kProfileFlags.back().checkBoxName);

// The table's row of a value, or none.
constexpr const ProfileText* profileText(ValueId id) {
    for (const ProfileText& text : kProfileTexts)
        if (text.id == id) return &text;
    return nullptr;
}
constexpr const ProfileFlag* profileFlag(ValueId id) {
    for (const ProfileFlag& flag : kProfileFlags)
        if (flag.id == id) return &flag;
    return nullptr;
}

}  // namespace tolvane
