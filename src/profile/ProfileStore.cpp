#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "controller/Tolvane.h"
#include "form/TextValue.h"
#include "platform/Home.h"
#include "platform/SafeFile.h"
#include "profile/XmlTree.h"

namespace tolvane {
namespace {

constexpr const char* kProfileFolder =
    "~/Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
constexpr const char* kRoot = "/flashmedialiveencoder_profile/";
constexpr const char* kAdvanced = "/flashmedialiveencoder_profile/encode/video/advanced";
constexpr const char* kProcess = "/flashmedialiveencoder_profile/process";
constexpr const char* kPreserveAspect =
    "/flashmedialiveencoder_profile/process/video/preserve_aspect";
// Profiles are a few kilobytes; anything this large is no profile and is not read.
constexpr std::size_t kMaxProfileBytes = std::size_t{64} << 20;

struct QueryResult {
    bool failed = false;  // the path is no location path of child steps
    std::vector<pugi::xml_node> nodes;
};

// Element names only: predicates, axes, wildcards and functions are no part of our paths.
bool isStepCharacter(char c) {
    return c != '[' && c != ']' && c != '@' && c != '*' && c != '(' && c != ')' && c != '=' &&
           c != ':' && c != '\'' && c != '"' && c != ' ';
}

bool isNamed(pugi::xml_node element, std::string_view name) {
    const char* own = element.name();
    return own[0] == name[0] && std::strncmp(own, name.data(), name.size()) == 0 &&
           own[name.size()] == '\0';
}

// An absolute path of child steps ("/a/b/c") from the context's document.
QueryResult query(const std::string& path, pugi::xml_node context) {
    QueryResult result;
    if (path.empty() || path.front() != '/' || path.back() == '/' || !context) {
        result.failed = !path.empty() && path.front() != '/';
        return result;
    }
    std::vector<pugi::xml_node> current{context.root()};
    std::vector<pugi::xml_node> next;
    std::size_t from = 1;
    while (from <= path.size() && !current.empty()) {
        const std::size_t slash = std::min(path.find('/', from), path.size());
        const std::string_view step(path.data() + from, slash - from);
        if (step.empty() || !std::all_of(step.begin(), step.end(), isStepCharacter)) {
            result.failed = true;
            return result;
        }
        next.clear();
        for (pugi::xml_node parent : current)
            for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
                if (child.type() == pugi::node_element && isNamed(child, step))
                    next.push_back(child);
        current.swap(next);
        from = slash + 1;
    }
    result.nodes = std::move(current);
    return result;
}

// All descendant text in document order, without recursion (a profile may nest deeply).
std::string stringValue(pugi::xml_node node) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) return node.value();
    std::string text;
    pugi::xml_node at = node.first_child();
    while (at) {
        if (at.type() == pugi::node_pcdata || at.type() == pugi::node_cdata) text += at.value();
        if (at.first_child()) {
            at = at.first_child();
            continue;
        }
        while (at && at != node && !at.next_sibling())
            at = at.parent();
        if (!at || at == node) break;
        at = at.next_sibling();
    }
    return text;
}

pugi::xml_node lastChildNamed(pugi::xml_node parent, const char* name) {
    pugi::xml_node found;
    for (pugi::xml_node child = parent.child(name); child; child = child.next_sibling(name))
        found = child;
    return found;
}

// Inserts an element at a position among the parent's child nodes; beyond them is a failure.
pugi::xml_node insertElement(pugi::xml_node parent, const char* name, std::size_t position) {
    std::size_t count = 0;
    pugi::xml_node before;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling(), ++count)
        if (count == position) before = child;
    if (position > count || !parent) throw ProfileFailure("", "");
    return before ? parent.insert_child_before(name, before) : parent.append_child(name);
}

int32_t tagOf(const TitleTagDictionary& dict, const std::optional<std::string>& value) {
    if (!value) return 0;
    const auto it = dict.find(*value);
    return it == dict.end() ? 0 : it->second;
}

void selectByTitle(PopUpList& list, const std::optional<std::string>& title) {
    if (title)
        list.selectItemWithTitle(*title);
    else
        list.selectItemAtIndex(-1);
}

struct AdvancedOption {
    const char* element;
    PopUpList Form::*list;
    bool (Tolvane::*flag)() const;
    void (Tolvane::*setFlag)(bool);
};

const AdvancedOption kH264Options[] = {
    {"profile", &Form::popupH264Profile, &Tolvane::enableH264Profile,
     &Tolvane::setEnableH264Profile},
    {"level", &Form::popupH264Level, &Tolvane::enableH264Level, &Tolvane::setEnableH264Level},
    {"keyframe_frequency", &Form::popupH264KeyframeFrequency, &Tolvane::enableH264KeyframeFrequency,
     &Tolvane::setEnableH264KeyframeFrequency},
};
const AdvancedOption kVP6Options[] = {
    {"keyframe_frequency", &Form::popupVP6KeyframeFrequency, &Tolvane::enableVP6KeyframeFrequency,
     &Tolvane::setEnableVP6KeyframeFrequency},
    {"quality", &Form::popupVP6Quality, &Tolvane::enableVP6Quality, &Tolvane::setEnableVP6Quality},
    {"noise_reduction", &Form::popupVP6NoiseReduction, &Tolvane::enableVP6NoiseReduction,
     &Tolvane::setEnableVP6NoiseReduction},
    {"datarate_window", &Form::popupVP6DatarateWindow, &Tolvane::enableVP6DatarateWindow,
     &Tolvane::setEnableVP6DatarateWindow},
    {"cpu_usage", &Form::popupVP6CPUUseage, &Tolvane::enableVP6CPUUseage,
     &Tolvane::setEnableVP6CPUUseage},
};

std::span<const AdvancedOption> optionsOf(bool h264) {
    if (h264) return kH264Options;
    return kVP6Options;
}

}  // namespace

std::optional<std::string> Tolvane::valueForXPath(const std::string& path,
                                                  const XmlNode& context) const {
    const QueryResult result = query(path, node(context));
    if (result.failed || result.nodes.size() != 1) return std::nullopt;
    return stringValue(result.nodes.front());
}

void Tolvane::setValue(const std::optional<std::string>& value, const std::string& path,
                       const XmlNode& context) {
    const QueryResult result = query(path, node(context));
    if (result.failed) throw ProfileFailure("Invalid XPath expression: " + path, "tolvane.xpath");
    if (result.nodes.size() != 1) throw ProfileFailure("", "");
    pugi::xml_node target = result.nodes.front();
    if (!value) {
        target.parent().remove_child(target);
        return;
    }
    while (target.first_child())
        target.remove_child(target.first_child());
    target.append_child(pugi::node_pcdata).set_value(value->c_str());
}

std::string Tolvane::profileNameOf(const std::string& entry) {
    const auto dot = entry.rfind('.');
    return dot == std::string::npos || dot == 0 ? entry : entry.substr(0, dot);
}

std::optional<std::vector<std::string>> Tolvane::collectFMLEProfiles() {
    namespace fs = std::filesystem;
    fmleProfilePath_ = expandTilde(kProfileFolder);
    std::error_code error;
    if (!fs::is_directory(fmleProfilePath_, error)) return std::nullopt;
    std::vector<std::string> names;
    fs::directory_iterator entries(fmleProfilePath_, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error))
        names.push_back(profileNameOf(entries->path().filename().string()));
    if (error || names.empty()) return std::nullopt;
    return names;
}

void Tolvane::fmleProfileSelected(const PopUpList& sender) {
    if (auto name = sender.title()) loadFMLEProfile(*name);
}

void Tolvane::loadFMLEProfile(const std::string& name) {
    currentFMLEProfile_.reset();
    if (const auto bytes =
            readRegularFile(*fileOps_, fmleProfilePath_ + "/" + name + ".xml", kMaxProfileBytes))
        currentFMLEProfile_ = ProfileDocument::parse(*bytes);
    if (!currentFMLEProfile_) return;
    const XmlNode root = currentFMLEProfile_->rootElement();
    const auto value = [&](const char* path) {
        return valueForXPath(kRoot + std::string(path), root);
    };

    selectByTitle(form_.popupFMLEVideoInputDeviceName, value("capture/video/device"));
    selectByTitle(form_.popupFMLEVideoFramerate, value("capture/video/frame_rate"));
    const auto width = value("capture/video/size/width");
    const auto height = value("capture/video/size/height");
    selectByTitle(form_.popupFMLEVideoInputSize,
                  width && height ? std::optional(*width + "x" + *height) : std::nullopt);
    selectByTitle(form_.popupFMLEAudioInputDevice, value("capture/audio/device"));
    setTagAudioSamplerate(tagOf(audioSamplerateDict_, value("capture/audio/sample_rate")));
    setTagAudioChannel(tagOf(audioChannelDict_, value("capture/audio/channels")));
    setInputVolume(static_cast<int32_t>(std::clamp<int64_t>(
        integerValue(value("capture/audio/input_volume").value_or("")), INT32_MIN, INT32_MAX)));
    setPreserveAspect(value("process/video/preserve_aspect").has_value());

    const auto format = value("encode/video/format");
    selectByTitle(form_.popupFMLEVideoOutputFormat, format);
    setTagVideoOutputFormat(tagOf(videoOutputFormatDict_, format));
    form_.comboboxFMLEVideoOutputBitrate.setStringValue(
        std::string(withoutLastCharacter(value("encode/video/datarate").value_or(""))));
    const auto outputSize =
        splitAt(withoutLastCharacter(value("encode/video/outputsize").value_or("")), "x");
    form_.txtfldFMLEVideoOutputSizeX.setStringValue(outputSize.front());
    form_.txtfldFMLEVideoOutputSizeY.setStringValue(outputSize.back());

    for (bool h264 : {true, false})
        for (const AdvancedOption& option : optionsOf(h264))
            (this->*option.setFlag)(false);
    for (const AdvancedOption& option : optionsOf(h264Selected_)) {
        const auto chosen = value((std::string("encode/video/advanced/") + option.element).c_str());
        if (chosen) (form_.*option.list).selectItemWithTitle(*chosen);
        (this->*option.setFlag)(chosen.has_value());
    }

    setTagAudioOutputFormat(tagOf(audioOutputFormatDict_, value("encode/audio/format")));
    setTagAudioBitrate(tagOf(audioBitrateDict_, value("encode/audio/datarate")));
}

void Tolvane::fmleFrameRateSelected() {
    if (syncFrameRate_)
        form_.txtfldCamTwistFramerate.setStringValue(
            form_.popupFMLEVideoFramerate.title().value_or(""));
}

void Tolvane::fmleInputSizeSelected(const PopUpList& sender) {
    const auto pieces = splitAt(sender.title().value_or(""), "x");
    form_.txtfldFMLEVideoOutputSizeX.setStringValue(pieces.front());
    form_.txtfldFMLEVideoOutputSizeY.setStringValue(pieces.back());
}

bool Tolvane::rebuildProfile() {
    try {
        const XmlNode root = currentFMLEProfile_ ? currentFMLEProfile_->rootElement() : XmlNode();
        const auto write = [&](const char* path, const std::optional<std::string>& text) {
            setValue(text, kRoot + std::string(path), root);
        };
        write("capture/video/device", form_.popupFMLEVideoInputDeviceName.title());
        write("capture/video/frame_rate", form_.popupFMLEVideoFramerate.title());
        const auto size = form_.popupFMLEVideoInputSize.title();
        const auto pieces = size ? splitAt(*size, "x") : std::vector<std::string>{};
        write("capture/video/size/width", size ? std::optional(pieces.front()) : std::nullopt);
        write("capture/video/size/height", size ? std::optional(pieces.back()) : std::nullopt);
        write("capture/audio/device", form_.popupFMLEAudioInputDevice.title());
        write("capture/audio/sample_rate", form_.popupFMLEAudioSamplerate.title());
        write("capture/audio/channels",
              form_.popupFMLEAudioOutputChannel.title() == "Stereo" ? "2" : "1");
        write("capture/audio/input_volume", std::to_string(inputVolume_));

        setAspectRatio(preserveAspect_, root);

        const auto format = form_.popupFMLEVideoOutputFormat.title();
        const bool vp6 = format == "VP6";
        write("encode/video/format", format);
        write("encode/video/datarate", form_.comboboxFMLEVideoOutputBitrate.stringValue() + ";");
        write("encode/video/outputsize", form_.txtfldFMLEVideoOutputSizeX.stringValue() + "x" +
                                             form_.txtfldFMLEVideoOutputSizeY.stringValue() + ";");

        for (pugi::xml_node old : query(kAdvanced, node(root)).nodes)
            old.parent().remove_child(old);
        std::vector<const AdvancedOption*> enabled;
        for (const AdvancedOption& option : optionsOf(!vp6))
            if ((this->*option.flag)()) enabled.push_back(&option);
        const pugi::xml_node video = lastChildNamed(lastChildNamed(node(root), "encode"), "video");
        if (!enabled.empty() && video) {
            pugi::xml_node advanced = insertElement(video, "advanced", 3);
            for (const AdvancedOption* option : enabled) {
                pugi::xml_node child = advanced.append_child(option->element);
                if (const auto title = (form_.*option->list).title())
                    child.append_child(pugi::node_pcdata).set_value(title->c_str());
            }
        }

        write("encode/audio/format", form_.popupFMLEAudioOutputFormat.title());
        write("encode/audio/datarate", form_.popupFMLEAudioOutputBitrate.title());
        return true;
    } catch (const ProfileFailure&) {
        std::fputs("Exception rised\n", stderr);
        return false;
    }
}

void Tolvane::setAspectRatio(bool preserve, XmlNode root) {
    const QueryResult aspect = query(kPreserveAspect, node(root));
    const bool present = !aspect.failed && aspect.nodes.size() == 1;
    if (preserve && !present) {
        pugi::xml_node process = insertElement(node(root), "process", 2);
        process.append_child("video").append_child("preserve_aspect");
    } else if (!preserve && present) {
        for (pugi::xml_node old : query(kProcess, node(root)).nodes)
            old.parent().remove_child(old);
    }
}

void Tolvane::fmleSaveProfile() {
    const std::string name = form_.txtfldNewProfileName.stringValue();
    if (!isAcceptableProfileName(name)) return;
    if (!rebuildProfile()) return;
    const std::string bytes = currentFMLEProfile_->serialize();
    if (bytes.empty()) return;
    (void)replaceFile(*fileOps_, fmleProfilePath_ + "/" + name + ".xml", bytes);
}

void Tolvane::removeFMLEProfile() {
    const auto name = form_.popupFMLEProfileNames.title();
    if (!name || !isAcceptableProfileName(*name)) return;
    fileOps_->unlink(fmleProfilePath_ + "/" + *name + ".xml");
}

bool Tolvane::isAcceptableProfileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
}

}  // namespace tolvane
