#include "profile/ProfileMapping.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "form/TextValue.h"

namespace tolvane::profile {
namespace {

int32_t tagOf(const TitleTagDictionary& dict, const std::optional<std::string>& value) {
    if (!value) return choice::kNone;
    const auto it = dict.find(*value);
    return it == dict.end() ? choice::kNone : it->second;
}

// A value no item of a tag list bears is kept as an item of its own, which the list shows while
// the tag property holds no known choice.
void keepUnknown(PopUpList& list, const std::optional<std::string>& value) {
    if (value && list.indexOfItemWithTitle(*value) < 0) list.selectOrKeepItemWithTitle(value);
}

// The lists whose items a profile's values may add to.
constexpr PopUpList Form::*kListsKeepingValues[] = {
    &Form::popupFMLEVideoInputDeviceName, &Form::popupFMLEVideoFramerate,
    &Form::popupFMLEVideoInputSize,       &Form::popupFMLEAudioInputDevice,
    &Form::popupFMLEAudioSamplerate,      &Form::popupFMLEAudioOutputChannel,
    &Form::popupFMLEVideoOutputFormat,    &Form::popupFMLEAudioOutputFormat,
    &Form::popupFMLEAudioOutputBitrate,
};

// The list that shows a field, for those a list shows.
const PopUpList* listOf(ValueId id, const Form& form) {
    switch (id) {
        case ValueId::videoDevice:
            return &form.popupFMLEVideoInputDeviceName;
        case ValueId::frameRate:
            return &form.popupFMLEVideoFramerate;
        case ValueId::audioDevice:
            return &form.popupFMLEAudioInputDevice;
        case ValueId::sampleRate:
            return &form.popupFMLEAudioSamplerate;
        case ValueId::channels:
            return &form.popupFMLEAudioOutputChannel;
        case ValueId::videoFormat:
            return &form.popupFMLEVideoOutputFormat;
        case ValueId::audioFormat:
            return &form.popupFMLEAudioOutputFormat;
        case ValueId::audioBitrate:
            return &form.popupFMLEAudioOutputBitrate;
        default:
            return nullptr;
    }
}

// A bitrate or size text as FMLE ends it, with ";"; other texts stay whole.
std::string_view withoutFinalSemicolon(std::string_view text) {
    return text.ends_with(';') ? text.substr(0, text.size() - 1) : text;
}

// Several sizes, one per stream, as in "320x180;640x360;": the first is shown, the others kept.
struct OutputSizes {
    std::string_view first;
    std::string_view others;
};

OutputSizes splitOutputSizes(std::string_view value) {
    const std::string_view shown = withoutFinalSemicolon(value);
    const auto semicolon = shown.find(';');
    if (semicolon == std::string_view::npos || shown.find('x') == std::string_view::npos)
        return {shown, {}};
    return {shown.substr(0, semicolon), value.substr(semicolon + 1)};
}

void showOutputSize(Form& form, std::string_view title) {
    const auto pieces = splitAt(title, "x");
    form.txtfldFMLEVideoOutputSizeX.setStringValue(pieces.front());
    form.txtfldFMLEVideoOutputSizeY.setStringValue(pieces.back());
}

bool vp6Chosen(const Form& form) {
    return form.popupFMLEVideoOutputFormat.title() == choice::kVP6Title;
}

std::optional<std::string> optionValue(ValueId id, const Form& form,
                                       const PropertyHolder& properties, const Baseline& baseline) {
    const bool vp6 = vp6Chosen(form);
    for (const AdvancedOption& option : kAdvancedOptions)
        if (option.id == id && option.h264 != vp6)
            return properties.propertyValue(option.flag) != 0
                       ? std::optional((form.*option.list).title().value_or(""))
                       : std::nullopt;
    // The other codec's option stays as stored until the user switches codec.
    return vp6 == baseline.loadedVP6 ? baseline.stored[fieldIndex(id)] : std::nullopt;
}

}  // namespace

Baseline loadFMLEProfile(const ProfileDocument& document, Form& form, PropertyHolder& properties,
                         const Vocabularies& vocabularies) {
    Baseline base;
    base.stored = readFields(document.rootElement());
    const auto stored = [&base](ValueId id) -> const std::optional<std::string>& {
        return base.stored[fieldIndex(id)];
    };
    // The form as loaded, for the fields a step has just read.
    const auto capture = [&](std::initializer_list<ValueId> ids) {
        for (ValueId id : ids)
            base.loaded[fieldIndex(id)] = currentValue(id, form, properties, base);
    };
    const auto set = [&](Property property, int32_t v) {
        properties.setPropertyValue(property, v);
    };

    for (PopUpList Form::*list : kListsKeepingValues)
        (form.*list).removeKeptItems();
    for (const AdvancedOption& option : kAdvancedOptions)
        (form.*option.list).removeKeptItems();

    form.popupFMLEVideoInputDeviceName.selectOrKeepItemWithTitle(stored(ValueId::videoDevice));
    capture({ValueId::videoDevice});
    form.popupFMLEVideoFramerate.selectOrKeepItemWithTitle(stored(ValueId::frameRate));
    capture({ValueId::frameRate});
    const auto& width = stored(ValueId::inputWidth);
    const auto& height = stored(ValueId::inputHeight);
    form.popupFMLEVideoInputSize.selectOrKeepItemWithTitle(
        width && height ? std::optional(*width + "x" + *height) : std::nullopt);
    capture({ValueId::inputWidth, ValueId::inputHeight});
    form.popupFMLEAudioInputDevice.selectOrKeepItemWithTitle(stored(ValueId::audioDevice));
    capture({ValueId::audioDevice});

    const auto& samplerate = stored(ValueId::sampleRate);
    keepUnknown(form.popupFMLEAudioSamplerate, samplerate);
    set(Property::tagAudioSamplerate, tagOf(vocabularies.audioSamplerate, samplerate));
    capture({ValueId::sampleRate});
    // Any text but the two counts is kept, even a word the list shows, such as "Stereo".
    const auto& channels = stored(ValueId::channels);
    if (channels && !vocabularies.audioChannel.contains(*channels))
        form.popupFMLEAudioOutputChannel.keepItemWithTitle(*channels);
    set(Property::tagAudioChannel, tagOf(vocabularies.audioChannel, channels));
    capture({ValueId::channels});
    set(Property::inputVolume,
        static_cast<int32_t>(std::clamp<int64_t>(
            integerValue(stored(ValueId::inputVolume).value_or("")), INT32_MIN, INT32_MAX)));
    capture({ValueId::inputVolume});
    set(Property::preserveAspect, stored(ValueId::preserveAspect).has_value());
    capture({ValueId::preserveAspect});

    const auto& format = stored(ValueId::videoFormat);
    form.popupFMLEVideoOutputFormat.selectOrKeepItemWithTitle(format);
    set(Property::tagVideoOutputFormat, tagOf(vocabularies.videoOutputFormat, format));
    base.loadedVP6 = vp6Chosen(form);
    capture({ValueId::videoFormat});
    form.comboboxFMLEVideoOutputBitrate.setStringValue(
        std::string(withoutFinalSemicolon(stored(ValueId::videoBitrate).value_or(""))));
    capture({ValueId::videoBitrate});
    const std::string outputSize = stored(ValueId::outputSize).value_or("");
    const OutputSizes sizes = splitOutputSizes(outputSize);
    base.otherOutputSizes = sizes.others;
    showOutputSize(form, sizes.first);
    capture({ValueId::outputSize});

    for (const AdvancedOption& option : kAdvancedOptions)
        set(option.flag, false);
    const bool h264 = properties.propertyValue(Property::h264Selected) != 0;
    for (const AdvancedOption& option : kAdvancedOptions) {
        if (option.h264 != h264) continue;
        const auto& chosen = stored(option.id);
        if (chosen) (form.*option.list).selectOrKeepItemWithTitle(chosen);
        set(option.flag, chosen.has_value());
    }
    capture({ValueId::advancedProfile, ValueId::advancedLevel, ValueId::advancedKeyframeFrequency,
             ValueId::advancedQuality, ValueId::advancedNoiseReduction,
             ValueId::advancedDatarateWindow, ValueId::advancedCpuUsage});

    const auto& audioFormat = stored(ValueId::audioFormat);
    keepUnknown(form.popupFMLEAudioOutputFormat, audioFormat);
    set(Property::tagAudioOutputFormat, tagOf(vocabularies.audioOutputFormat, audioFormat));
    capture({ValueId::audioFormat});
    const auto& bitrate = stored(ValueId::audioBitrate);
    keepUnknown(form.popupFMLEAudioOutputBitrate, bitrate);
    set(Property::tagAudioBitrate, tagOf(vocabularies.audioBitrate, bitrate));
    capture({ValueId::audioBitrate});
    return base;
}

std::optional<std::string> currentValue(ValueId id, const Form& form,
                                        const PropertyHolder& properties,
                                        const Baseline& baseline) {
    switch (id) {
        case ValueId::inputWidth:
        case ValueId::inputHeight: {
            // The text before the first "x" of the size, and after the last.
            auto size = form.popupFMLEVideoInputSize.title();
            if (!size) return std::nullopt;
            const bool width = id == ValueId::inputWidth;
            const auto x = width ? size->find('x') : size->rfind('x');
            if (x == std::string::npos) return size;
            return width ? size->substr(0, x) : size->substr(x + 1);
        }
        case ValueId::channels: {
            const MenuItem* item = form.popupFMLEAudioOutputChannel.selectedItem();
            if (item && item->isKept()) return item->title();
            return std::string(item && item->title() == choice::kStereoTitle ? choice::kStereoText
                                                                             : choice::kMonoText);
        }
        case ValueId::inputVolume:
            return std::to_string(properties.propertyValue(Property::inputVolume));
        case ValueId::preserveAspect:
            if (properties.propertyValue(Property::preserveAspect) == 0) return std::nullopt;
            return std::string();
        case ValueId::videoBitrate:
            return form.comboboxFMLEVideoOutputBitrate.stringValue() + ";";
        case ValueId::outputSize:
            return form.txtfldFMLEVideoOutputSizeX.stringValue() + "x" +
                   form.txtfldFMLEVideoOutputSizeY.stringValue() + ";" + baseline.otherOutputSizes;
        case ValueId::advancedProfile:
        case ValueId::advancedLevel:
        case ValueId::advancedKeyframeFrequency:
        case ValueId::advancedQuality:
        case ValueId::advancedNoiseReduction:
        case ValueId::advancedDatarateWindow:
        case ValueId::advancedCpuUsage:
            return optionValue(id, form, properties, baseline);
        default:
            break;
    }
    const PopUpList* list = listOf(id, form);
    return list ? list->title() : std::nullopt;
}

std::vector<FieldWrite> changedFields(const Form& form, const PropertyHolder& properties,
                                      const Baseline& baseline) {
    std::vector<FieldWrite> changes;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        auto now = currentValue(fieldAt(i), form, properties, baseline);
        if (now != baseline.loaded[i]) changes.push_back({fieldAt(i), std::move(now)});
    }
    return changes;
}

std::vector<Change> pendingChanges(const Form& form, const PropertyHolder& properties,
                                   const Baseline& baseline,
                                   const std::vector<Replacement>& replacements) {
    std::vector<Change> changes;
    for (FieldWrite& changed : changedFields(form, properties, baseline)) {
        Change& change = changes.emplace_back(Change{
            changed.id, baseline.stored[fieldIndex(changed.id)], std::move(changed.value), {}});
        const auto latest = std::find_if(replacements.rbegin(), replacements.rend(),
                                         [&](const Replacement& r) { return r.id == changed.id; });
        const PopUpList* list = listOf(changed.id, form);
        // The rules made it while the form still shows their choice; else the user did.
        if (latest != replacements.rend() && list && list->title() == latest->to)
            change.rule = *latest;
    }
    return changes;
}

void fmleFrameRateSelected(Form& form, bool syncFrameRate) {
    if (syncFrameRate)
        form.txtfldCamTwistFramerate.setStringValue(
            form.popupFMLEVideoFramerate.title().value_or(""));
}

void fmleInputSizeSelected(Form& form, const PopUpList& sender) {
    showOutputSize(form, sender.title().value_or(""));
}

tl::expected<void, WriteFailure> rebuildProfile(ProfileDocument* document,
                                                const std::vector<FieldWrite>& changes) {
    tl::expected<void, WriteFailure> written =
        tl::unexpected(WriteFailure{fieldPath(ValueId::videoDevice), 0});
    if (document) written = writeFields(document->rootElement(), changes);
    if (!written) (void)std::fputs("Exception rised\n", stderr);
    return written;
}

tl::expected<void, WriteFailure> setAspectRatio(bool preserve, const XmlNode& root) {
    return writeFields(root, {{ValueId::preserveAspect,
                               preserve ? std::optional<std::string>("") : std::nullopt}});
}

}  // namespace tolvane::profile
