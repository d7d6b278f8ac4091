#pragma once

#include "form/Controls.h"
#include "form/PopUpList.h"

namespace tolvane {

// The controls the logic reads and changes. Check boxes, the slider and the buttons belong to
// the window: they only show controller properties or send its actions.
struct Form {
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
// from 1001 in list order; a CamTwist size carries the tag of the same FMLE capture size.
Form standardForm();

}  // namespace tolvane
