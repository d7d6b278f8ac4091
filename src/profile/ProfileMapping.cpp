#include "profile/ProfileMapping.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "form/Streams.h"
#include "form/TextValue.h"
#include "form/Validation.h"

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

// A datarate or outputsize text's values, one per stream, each ended by ";" as FMLE writes them
// ("300;700;"); a last value without its ";" counts too.
std::vector<std::string_view> streamValues(std::string_view text) {
    std::vector<std::string_view> values;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = std::min(text.find(';', from), text.size());
        values.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return values;
}

// The text after its first n values and their ";".
std::string_view afterValues(std::string_view text, std::size_t n) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < n && from < text.size(); ++i)
        from = std::min(text.find(';', from), text.size()) + 1;
    return from < text.size() ? text.substr(from) : std::string_view();
}

void showOutputSize(Form& form, std::size_t slot, std::string_view title) {
    const auto pieces = splitAt(title, "x");
    (form.*kStreamControls[slot].width).setStringValue(pieces.front());
    (form.*kStreamControls[slot].height).setStringValue(pieces.back());
}

// FMLE writes "true" and "false"; any other spelling of true reads as on.
bool isTrue(const std::optional<std::string>& text) {
    if (!text) return false;
    std::string word;
    for (char c : *text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            word += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return word == "true";
}

// FMLE's spelling of minutes is not known: "H" and "H:MM" are read, and any other text is shown
// whole in the hours, so that it is written back as it was until the user changes it.
void showDuration(Form& form, const std::optional<std::string>& text) {
    std::string hours = text.value_or("");
    std::string minutes;
    const auto colon = hours.find(':');
    if (typedNumber(hours)) {
        minutes.push_back('0');  // not = "0": GCC 12 at -O3 misreads that as an overlapping copy
    } else if (colon != std::string::npos &&
               typedNumber(std::string_view(hours).substr(0, colon)) &&
               typedNumber(std::string_view(hours).substr(colon + 1))) {
        minutes = hours.substr(colon + 1);
        hours.resize(colon);
    }
    form.txtfldFMLERecordingDurationHours.setStringValue(hours);
    form.txtfldFMLERecordingDurationMinutes.setStringValue(minutes);
}

std::string durationText(const Form& form) {
    const std::string& hours = form.txtfldFMLERecordingDurationHours.stringValue();
    const std::string& minutes = form.txtfldFMLERecordingDurationMinutes.stringValue();
    const auto m = typedNumber(minutes);
    if (minutes.empty() || m == 0) return hours;
    // Appended piece by piece: GCC 12 at -O3 reads a literal put before a temporary string as an
    // overlapping copy (-Wrestrict).
    std::string text = hours.empty() ? std::string("0") : hours;
    text += ':';
    if (m && *m < 10) text += '0';
    text += m ? std::to_string(*m) : minutes;
    return text;
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
    // One stream per value, as far as both elements hold one; stream 1 always.
    const std::string& datarate = stored(ValueId::videoBitrate).value_or("");
    const std::string& outputSize = stored(ValueId::outputSize).value_or("");
    const auto bitrates = streamValues(datarate);
    const auto sizes = streamValues(outputSize);
    const std::size_t shown = std::max<std::size_t>(
        1, std::min({bitrates.size(), sizes.size(), static_cast<std::size_t>(kMaxStreams)}));
    base.keptStreamValues = {std::string(afterValues(datarate, shown)),
                             std::string(afterValues(outputSize, shown))};
    for (std::size_t slot = 0; slot < kMaxStreams; ++slot)
        (form.*kStreamControls[slot].bitrate)
            .setStringValue(slot < shown && slot < bitrates.size() ? std::string(bitrates[slot])
                                                                   : std::string());
    capture({ValueId::videoBitrate});
    for (std::size_t slot = 0; slot < kMaxStreams; ++slot)
        showOutputSize(form, slot,
                       slot < shown && slot < sizes.size() ? sizes[slot] : std::string_view());
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

    for (const ProfileText& text : kProfileTexts) {
        (form.*text.field).setStringValue(stored(text.id).value_or(""));
        capture({text.id});
    }
    for (const ProfileFlag& flag : kProfileFlags) {
        set(flag.flag, isTrue(stored(flag.id)));
        capture({flag.id});
    }
    showDuration(form, stored(ValueId::recordingDurationLimit));
    capture({ValueId::recordingDurationLimit});
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
        case ValueId::outputSize: {
            const bool bitrates = id == ValueId::videoBitrate;
            std::string text;
            for (std::size_t slot = 0; slot < kMaxStreams; ++slot) {
                if (!isPresentStream(form, slot)) continue;
                const StreamControls& stream = kStreamControls[slot];
                text += bitrates ? (form.*stream.bitrate).stringValue()
                                 : (form.*stream.width).stringValue() + "x" +
                                       (form.*stream.height).stringValue();
                text += ';';
            }
            return text + (bitrates ? baseline.keptStreamValues.bitrates
                                    : baseline.keptStreamValues.sizes);
        }
        case ValueId::recordingDurationLimit:
            return durationText(form);
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
    if (const ProfileText* text = profileText(id)) return (form.*text->field).stringValue();
    if (const ProfileFlag* flag = profileFlag(id))
        return std::string(properties.propertyValue(flag->flag) != 0 ? "true" : "false");
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
    showOutputSize(form, 0, sender.title().value_or(""));
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
