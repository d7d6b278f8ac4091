#include "profile/ProfileMapping.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "form/TextValue.h"
#include "profile/XmlTree.h"

namespace tolvane::profile {
namespace {

constexpr const char* kRoot = "/flashmedialiveencoder_profile/";
constexpr const char* kAdvanced = "/flashmedialiveencoder_profile/encode/video/advanced";
constexpr const char* kProcess = "/flashmedialiveencoder_profile/process";
constexpr const char* kPreserveAspect =
    "/flashmedialiveencoder_profile/process/video/preserve_aspect";

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
    &Form::popupFMLEAudioSamplerate,      &Form::popupFMLEVideoOutputFormat,
    &Form::popupFMLEAudioOutputFormat,    &Form::popupFMLEAudioOutputBitrate,
};

// Several sizes, one per stream, as in "320x180;640x360;": the first is shown, the others kept.
struct OutputSizes {
    std::string_view first;
    std::string_view others;
};

OutputSizes splitOutputSizes(std::string_view value) {
    const std::string_view shown = withoutLastCharacter(value);
    const auto semicolon = shown.find(';');
    if (semicolon == std::string_view::npos || shown.find('x') == std::string_view::npos)
        return {shown, {}};
    return {shown.substr(0, semicolon), value.substr(semicolon + 1)};
}

void removeAll(const char* path, pugi::xml_node root) {
    for (pugi::xml_node old : query(path, root).nodes)
        old.parent().remove_child(old);
}

pugi::xml_node lastChildNamed(pugi::xml_node parent, const char* name) {
    pugi::xml_node found;
    for (pugi::xml_node child = parent.child(name); child; child = child.next_sibling(name))
        found = child;
    return found;
}

void showOutputSize(Form& form, std::string_view title) {
    const auto pieces = splitAt(title, "x");
    form.txtfldFMLEVideoOutputSizeX.setStringValue(pieces.front());
    form.txtfldFMLEVideoOutputSizeY.setStringValue(pieces.back());
}

}  // namespace

std::string loadFMLEProfile(const ProfileDocument& document, Form& form, PropertyHolder& properties,
                            const Vocabularies& vocabularies) {
    const XmlNode root = document.rootElement();
    const auto value = [&](std::string_view path) {
        return valueForXPath(kRoot + std::string(path), root);
    };
    const auto set = [&](Property property, int32_t v) {
        properties.setPropertyValue(property, v);
    };

    for (PopUpList Form::*list : kListsKeepingValues)
        (form.*list).removeKeptItems();
    for (const AdvancedOption& option : kAdvancedOptions)
        (form.*option.list).removeKeptItems();

    form.popupFMLEVideoInputDeviceName.selectOrKeepItemWithTitle(value("capture/video/device"));
    form.popupFMLEVideoFramerate.selectOrKeepItemWithTitle(value("capture/video/frame_rate"));
    const auto width = value("capture/video/size/width");
    const auto height = value("capture/video/size/height");
    form.popupFMLEVideoInputSize.selectOrKeepItemWithTitle(
        width && height ? std::optional(*width + "x" + *height) : std::nullopt);
    form.popupFMLEAudioInputDevice.selectOrKeepItemWithTitle(value("capture/audio/device"));
    const auto samplerate = value("capture/audio/sample_rate");
    keepUnknown(form.popupFMLEAudioSamplerate, samplerate);
    set(Property::tagAudioSamplerate, tagOf(vocabularies.audioSamplerate, samplerate));
    set(Property::tagAudioChannel,
        tagOf(vocabularies.audioChannel, value("capture/audio/channels")));
    set(Property::inputVolume,
        static_cast<int32_t>(std::clamp<int64_t>(
            integerValue(value("capture/audio/input_volume").value_or("")), INT32_MIN, INT32_MAX)));
    set(Property::preserveAspect, value("process/video/preserve_aspect").has_value());

    const auto format = value("encode/video/format");
    form.popupFMLEVideoOutputFormat.selectOrKeepItemWithTitle(format);
    set(Property::tagVideoOutputFormat, tagOf(vocabularies.videoOutputFormat, format));
    form.comboboxFMLEVideoOutputBitrate.setStringValue(
        std::string(withoutLastCharacter(value("encode/video/datarate").value_or(""))));
    const std::string outputSize = value("encode/video/outputsize").value_or("");
    const OutputSizes sizes = splitOutputSizes(outputSize);
    showOutputSize(form, sizes.first);

    for (const AdvancedOption& option : kAdvancedOptions)
        set(option.flag, false);
    const bool h264 = properties.propertyValue(Property::h264Selected) != 0;
    for (const AdvancedOption& option : kAdvancedOptions) {
        if (option.h264 != h264) continue;
        const auto chosen = value(std::string("encode/video/advanced/") + option.element);
        if (chosen) (form.*option.list).selectOrKeepItemWithTitle(chosen);
        set(option.flag, chosen.has_value());
    }

    const auto audioFormat = value("encode/audio/format");
    keepUnknown(form.popupFMLEAudioOutputFormat, audioFormat);
    set(Property::tagAudioOutputFormat, tagOf(vocabularies.audioOutputFormat, audioFormat));
    const auto bitrate = value("encode/audio/datarate");
    keepUnknown(form.popupFMLEAudioOutputBitrate, bitrate);
    set(Property::tagAudioBitrate, tagOf(vocabularies.audioBitrate, bitrate));
    return std::string(sizes.others);
}

void fmleFrameRateSelected(Form& form, bool syncFrameRate) {
    if (syncFrameRate)
        form.txtfldCamTwistFramerate.setStringValue(
            form.popupFMLEVideoFramerate.title().value_or(""));
}

void fmleInputSizeSelected(Form& form, const PopUpList& sender) {
    showOutputSize(form, sender.title().value_or(""));
}

bool rebuildProfile(ProfileDocument* document, const Form& form, const PropertyHolder& properties,
                    std::string_view otherOutputSizes, std::optional<ProfileFailure>* failure) {
    try {
        const XmlNode root = document ? document->rootElement() : XmlNode();
        const auto write = [&](const char* path, const std::optional<std::string>& text) {
            setValue(text, kRoot + std::string(path), root);
        };
        write("capture/video/device", form.popupFMLEVideoInputDeviceName.title());
        write("capture/video/frame_rate", form.popupFMLEVideoFramerate.title());
        const auto size = form.popupFMLEVideoInputSize.title();
        const auto pieces = size ? splitAt(*size, "x") : std::vector<std::string>{};
        write("capture/video/size/width", size ? std::optional(pieces.front()) : std::nullopt);
        write("capture/video/size/height", size ? std::optional(pieces.back()) : std::nullopt);
        write("capture/audio/device", form.popupFMLEAudioInputDevice.title());
        write("capture/audio/sample_rate", form.popupFMLEAudioSamplerate.title());
        write("capture/audio/channels",
              std::string(form.popupFMLEAudioOutputChannel.title() == choice::kStereoTitle
                              ? choice::kStereoText
                              : choice::kMonoText));
        write("capture/audio/input_volume",
              std::to_string(properties.propertyValue(Property::inputVolume)));

        setAspectRatio(properties.propertyValue(Property::preserveAspect) != 0, root);

        const auto format = form.popupFMLEVideoOutputFormat.title();
        const bool h264 = format != choice::kVP6Title;
        write("encode/video/format", format);
        write("encode/video/datarate", form.comboboxFMLEVideoOutputBitrate.stringValue() + ";");
        write("encode/video/outputsize", form.txtfldFMLEVideoOutputSizeX.stringValue() + "x" +
                                             form.txtfldFMLEVideoOutputSizeY.stringValue() + ";" +
                                             std::string(otherOutputSizes));

        removeAll(kAdvanced, node(root));
        std::vector<const AdvancedOption*> enabled;
        for (const AdvancedOption& option : kAdvancedOptions)
            if (option.h264 == h264 && properties.propertyValue(option.flag) != 0)
                enabled.push_back(&option);
        const pugi::xml_node video = lastChildNamed(lastChildNamed(node(root), "encode"), "video");
        if (!enabled.empty() && video) {
            pugi::xml_node advanced = insertElement(video, "advanced", 3);
            for (const AdvancedOption* option : enabled) {
                pugi::xml_node child = advanced.append_child(option->element);
                if (const auto title = (form.*option->list).title())
                    child.append_child(pugi::node_pcdata).set_value(title->c_str());
            }
        }

        write("encode/audio/format", form.popupFMLEAudioOutputFormat.title());
        write("encode/audio/datarate", form.popupFMLEAudioOutputBitrate.title());
        return true;
    } catch (const ProfileFailure& failed) {
        std::fputs("Exception rised\n", stderr);
        if (failure) *failure = failed;
        return false;
    }
}

void setAspectRatio(bool preserve, const XmlNode& root) {
    const QueryResult aspect = query(kPreserveAspect, node(root));
    const bool present = !aspect.failed && aspect.nodes.size() == 1;
    if (preserve && !present) {
        pugi::xml_node process = insertElement(node(root), "process", 2);
        process.append_child("video").append_child("preserve_aspect");
    } else if (!preserve && present) {
        removeAll(kProcess, node(root));
    }
}

}  // namespace tolvane::profile
