#pragma once

#include <cstdint>

#include "form/Form.h"
#include "form/Properties.h"
#include "rules/TagSet.h"

// The encoding rules over the properties that hold the choices. Each function is the work of the
// controller member of the same name; every change goes through the holder, so that it is
// announced in the order the rules make it.
namespace tolvane::rules {

// The sample rates an audio format allows. Sets the seven sample-rate availability flags first.
TagSet assignSamplrateByEncode(PropertyHolder& holder, int32_t format);
// The bitrates a combination allows. Sets the 23 bitrate availability flags first.
TagSet assignBitrateByEncode(PropertyHolder& holder, int32_t format, int32_t samplerate,
                             int32_t channel);

// The cascade: a format re-validates the sample rate, a sample rate or channel the bitrate.
void setTagAudioOutputFormat(PropertyHolder& holder, int32_t tag);
void setTagAudioSamplerate(PropertyHolder& holder, int32_t tag);
void setTagAudioChannel(PropertyHolder& holder, int32_t tag);

// Stores the codec, sets the H.264 flag (the form then hides the audio formats the codec does not
// offer) and falls back to the first offered audio format when the current one is not.
void setTagVideoOutputFormat(PropertyHolder& holder, const PopUpList& audioFormats, int32_t tag);

// The video bitrate becomes the total budget less the audio bitrate.
void adjustBitrate(Form& form);

}  // namespace tolvane::rules
