#include "controller/Tolvane.h"

namespace tolvane {

TagSet Tolvane::assignSamplrateByEncode(int32_t) {
    return {};
}
TagSet Tolvane::assignBitrateByEncode(int32_t, int32_t, int32_t) {
    return {};
}
void Tolvane::setTagVideoOutputFormat(int32_t tag) {
    tagVideoOutputFormat_ = tag;
    announce(Property::tagVideoOutputFormat);
}
void Tolvane::setTagAudioOutputFormat(int32_t tag) {
    tagAudioOutputFormat_ = tag;
    announce(Property::tagAudioOutputFormat);
}
void Tolvane::setTagAudioSamplerate(int32_t tag) {
    tagAudioSamplerate_ = tag;
    announce(Property::tagAudioSamplerate);
}
void Tolvane::setTagAudioChannel(int32_t tag) {
    tagAudioChannel_ = tag;
    announce(Property::tagAudioChannel);
}
void Tolvane::adjustBitrate() {}

}  // namespace tolvane
