#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "form/Changes.h"
#include "form/Form.h"
#include "rules/TagSet.h"

// The encoding rules, as functions from the choices to the choices they lead to. Each cascade
// function is the work of the controller's setter of the same name; the controller stores the
// result and announces what changed.
namespace tolvane::rules {

// The choices the rules work on, as tags, with what they allow.
struct AudioState {
    int32_t videoFormat = 0;
    bool h264Selected = false;
    int32_t format = 0;
    int32_t samplerate = 0;
    int32_t channel = 0;
    int32_t bitrate = 0;
    bool nellyMoserSelected = false;
    // The sample rates and bitrates offered: each availability flag is 1 for a tag not in its set.
    TagSet samplerates;
    TagSet bitrates;

    friend bool operator==(const AudioState&, const AudioState&) = default;
};

// A choice a rule replaced, as tags; the reason names the choices the tables read.
struct Replaced {
    ValueId id = ValueId::sampleRate;
    int32_t from = 0;
    int32_t to = 0;
    RuleReason reason;

    friend bool operator==(const Replaced&, const Replaced&) = default;
};

// The choices after a setter, and what its rules replaced on the way, in order.
struct Cascade {
    AudioState state;
    std::vector<Replaced> replaced;
};

// The title a list shows for a tag of the audio value id names (format, sample rate, channels,
// bitrate); none for a tag outside the list.
std::optional<std::string_view> titleOf(ValueId id, int32_t tag);

// The sample rates an audio format allows.
TagSet assignSamplrateByEncode(int32_t format);
// The bitrates a combination allows.
TagSet assignBitrateByEncode(int32_t format, int32_t samplerate, int32_t channel);

// A format re-validates the sample rate (Nellymoser forcing mono first), a sample rate or
// channel the bitrate.
Cascade setTagAudioOutputFormat(const AudioState& state, int32_t tag);
Cascade setTagAudioSamplerate(const AudioState& state, int32_t tag);
Cascade setTagAudioChannel(const AudioState& state, int32_t tag);

// Stores the codec and its H.264 flag, and falls back to the first of the audio formats offered
// when the current one is not among them. Offered are those the form leaves visible once it shows
// the new flag; with none, the audio choices stay.
Cascade setTagVideoOutputFormat(const AudioState& state, int32_t tag, const TagSet& offered);
// The audio formats a list offers: its visible items, never one kept from a profile.
TagSet offeredFormats(const PopUpList& audioFormats);

// The video bitrate becomes the total budget less the audio bitrate.
void adjustBitrate(Form& form);

}  // namespace tolvane::rules
