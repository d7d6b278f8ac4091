#include "form/Binding.h"

#include "form/Choices.h"

namespace tolvane {
namespace {

// Selects only when the selection differs, so that the list's views are told of changes only.
void selectTag(PopUpList& list, int32_t tag) {
    const int index = list.indexOfItemWithTag(tag);
    if (index != list.indexOfSelectedItem()) list.selectItemAtIndex(index);
}

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
            selectTag(form.popupFMLEVideoOutputFormat, value);
            return;
        case Property::tagAudioOutputFormat:
            selectTag(form.popupFMLEAudioOutputFormat, value);
            return;
        case Property::tagAudioSamplerate:
            selectTag(form.popupFMLEAudioSamplerate, value);
            return;
        case Property::tagAudioChannel:
            selectTag(form.popupFMLEAudioOutputChannel, value);
            return;
        case Property::tagAudioBitrate:
            selectTag(form.popupFMLEAudioOutputBitrate, value);
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
