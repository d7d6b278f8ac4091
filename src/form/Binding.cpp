#include "form/Binding.h"

#include "form/Choices.h"

namespace tolvane {
namespace {

void hideTag(PopUpList& list, int32_t tag, bool hidden) {
    list.setItemHidden(list.indexOfItemWithTag(tag), hidden);
}

bool inFamily(Property property, Property first, Property last) {
    return property >= first && property <= last;
}

int32_t tagInFamily(Property property, Property first) {
    return choice::tagAt(static_cast<std::size_t>(property) - static_cast<std::size_t>(first));
}

}  // namespace

void showProperty(Form& form, Property property, int32_t value) {
    switch (property) {
        case Property::tagVideoOutputFormat:
            form.popupFMLEVideoOutputFormat.selectItemWithTag(value);
            return;
        case Property::tagAudioOutputFormat:
            form.popupFMLEAudioOutputFormat.selectItemWithTag(value);
            return;
        case Property::tagAudioSamplerate:
            form.popupFMLEAudioSamplerate.selectItemWithTag(value);
            return;
        case Property::tagAudioChannel:
            form.popupFMLEAudioOutputChannel.selectItemWithTag(value);
            return;
        case Property::tagAudioBitrate:
            form.popupFMLEAudioOutputBitrate.selectItemWithTag(value);
            return;
        case Property::h264Selected:
            // AAC goes with H.264 only, Nellymoser with VP6 only; MP3 with both.
            hideTag(form.popupFMLEAudioOutputFormat, choice::kAAC, value == 0);
            hideTag(form.popupFMLEAudioOutputFormat, choice::kNellymoser, value != 0);
            return;
        default:
            break;
    }
    if (inFamily(property, Property::samplerateStatus48000, Property::samplerateStatus5512)) {
        hideTag(form.popupFMLEAudioSamplerate,
                tagInFamily(property, Property::samplerateStatus48000), value != 0);
    } else if (inFamily(property, Property::bitrateStatus320Kbps, Property::bitrateStatus11Kbps)) {
        hideTag(form.popupFMLEAudioOutputBitrate,
                tagInFamily(property, Property::bitrateStatus320Kbps), value != 0);
    }
}

}  // namespace tolvane
