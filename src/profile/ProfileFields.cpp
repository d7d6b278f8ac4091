#include "profile/ProfileFields.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "profile/XmlTree.h"

namespace tolvane::profile {
namespace {

// The mapped part of a profile as a tree of element names. The children of each step follow one
// another in the table, so that the walk compares a child element's name with a few names only.
struct Step {
    const char* name;
    std::uint8_t firstChild;
    std::uint8_t childCount;
};

enum StepId : std::uint8_t {
    kRootStep,
    kCapture,
    kProcess,
    kEncode,
    kCaptureVideo,
    kCaptureAudio,
    kProcessVideo,
    kEncodeVideo,
    kEncodeAudio,
    kVideoDevice,
    kFrameRate,
    kSize,
    kAudioDevice,
    kSampleRate,
    kChannels,
    kInputVolume,
    kPreserveAspect,
    kVideoFormat,
    kVideoDatarate,
    kOutputSize,
    kAdvanced,
    kAudioFormat,
    kAudioDatarate,
    kWidth,
    kHeight,
    kFirstOption,  // the advanced options, in the order of their ValueIds
    kStepCount = kFirstOption + 7,
};

constexpr Step kSteps[kStepCount] = {
    {"flashmedialiveencoder_profile", kCapture, 3},
    {"capture", kCaptureVideo, 2},
    {"process", kProcessVideo, 1},
    {"encode", kEncodeVideo, 2},
    {"video", kVideoDevice, 3},
    {"audio", kAudioDevice, 4},
    {"video", kPreserveAspect, 1},
    {"video", kVideoFormat, 4},
    {"audio", kAudioFormat, 2},
    {"device", 0, 0},
    {"frame_rate", 0, 0},
    {"size", kWidth, 2},
    {"device", 0, 0},
    {"sample_rate", 0, 0},
    {"channels", 0, 0},
    {"input_volume", 0, 0},
    {"preserve_aspect", 0, 0},
    {"format", 0, 0},
    {"datarate", 0, 0},
    {"outputsize", 0, 0},
    {"advanced", kFirstOption, 7},
    {"format", 0, 0},
    {"datarate", 0, 0},
    {"width", 0, 0},
    {"height", 0, 0},
    {"profile", 0, 0},
    {"level", 0, 0},
    {"keyframe_frequency", 0, 0},
    {"quality", 0, 0},
    {"noise_reduction", 0, 0},
    {"datarate_window", 0, 0},
    {"cpu_usage", 0, 0},
};

#define TOLVANE_PROFILE_ROOT "/flashmedialiveencoder_profile/"

struct Field {
    std::uint8_t step;
    const char* path;
};

// In ValueId order.
constexpr Field kFields[kFieldCount] = {
    {kVideoDevice, TOLVANE_PROFILE_ROOT "capture/video/device"},
    {kFrameRate, TOLVANE_PROFILE_ROOT "capture/video/frame_rate"},
    {kWidth, TOLVANE_PROFILE_ROOT "capture/video/size/width"},
    {kHeight, TOLVANE_PROFILE_ROOT "capture/video/size/height"},
    {kAudioDevice, TOLVANE_PROFILE_ROOT "capture/audio/device"},
    {kSampleRate, TOLVANE_PROFILE_ROOT "capture/audio/sample_rate"},
    {kChannels, TOLVANE_PROFILE_ROOT "capture/audio/channels"},
    {kInputVolume, TOLVANE_PROFILE_ROOT "capture/audio/input_volume"},
    {kPreserveAspect, TOLVANE_PROFILE_ROOT "process/video/preserve_aspect"},
    {kVideoFormat, TOLVANE_PROFILE_ROOT "encode/video/format"},
    {kVideoDatarate, TOLVANE_PROFILE_ROOT "encode/video/datarate"},
    {kOutputSize, TOLVANE_PROFILE_ROOT "encode/video/outputsize"},
    {kFirstOption + 0, TOLVANE_PROFILE_ROOT "encode/video/advanced/profile"},
    {kFirstOption + 1, TOLVANE_PROFILE_ROOT "encode/video/advanced/level"},
    {kFirstOption + 2, TOLVANE_PROFILE_ROOT "encode/video/advanced/keyframe_frequency"},
    {kFirstOption + 3, TOLVANE_PROFILE_ROOT "encode/video/advanced/quality"},
    {kFirstOption + 4, TOLVANE_PROFILE_ROOT "encode/video/advanced/noise_reduction"},
    {kFirstOption + 5, TOLVANE_PROFILE_ROOT "encode/video/advanced/datarate_window"},
    {kFirstOption + 6, TOLVANE_PROFILE_ROOT "encode/video/advanced/cpu_usage"},
    {kAudioFormat, TOLVANE_PROFILE_ROOT "encode/audio/format"},
    {kAudioDatarate, TOLVANE_PROFILE_ROOT "encode/audio/datarate"},
};

constexpr const char* kProcessPath = TOLVANE_PROFILE_ROOT "process";
constexpr const char* kProcessVideoPath = TOLVANE_PROFILE_ROOT "process/video";
constexpr const char* kAdvancedPath = TOLVANE_PROFILE_ROOT "encode/video/advanced";

#undef TOLVANE_PROFILE_ROOT

constexpr bool isOptionStep(std::uint8_t step) {
    return step >= kFirstOption && step < kStepCount;
}

// Where the path of each step matches: how many elements, and the first and last of them in
// document order, as the path from the document would find them.
struct Matches {
    pugi::xml_node first;
    pugi::xml_node last;
    std::size_t count = 0;
};

struct Index {
    pugi::xml_node root;  // the root element
    std::array<Matches, kStepCount> steps;
};

void visit(pugi::xml_node element, std::uint8_t step, Index& index) {
    const Step& parent = kSteps[step];
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const char* name = child.name();
        for (std::uint8_t k = parent.firstChild; k < parent.firstChild + parent.childCount; ++k) {
            if (std::strcmp(name, kSteps[k].name) != 0) continue;
            Matches& matches = index.steps[k];
            if (matches.count++ == 0) matches.first = child;
            matches.last = child;
            if (kSteps[k].childCount) visit(child, k, index);
            break;
        }
    }
}

Index indexOf(const XmlNode& rootElement) {
    Index index;
    index.root = node(rootElement);
    // The path starts at the document, whose element children are its roots.
    for (pugi::xml_node top = index.root.root().first_child(); top; top = top.next_sibling()) {
        if (top.type() != pugi::node_element || std::strcmp(top.name(), kSteps[0].name) != 0)
            continue;
        Matches& matches = index.steps[kRootStep];
        if (matches.count++ == 0) matches.first = top;
        matches.last = top;
        visit(top, kRootStep, index);
    }
    return index;
}

bool isEmpty(pugi::xml_node element) {
    return !element.first_child() && !element.first_attribute();
}

pugi::xml_node lastChildNamed(pugi::xml_node parent, const char* name) {
    pugi::xml_node found;
    for (pugi::xml_node child = parent.child(name); child; child = child.next_sibling(name))
        found = child;
    return found;
}

// The step of a known option element, or 0 for any other node.
std::uint8_t optionStepOf(pugi::xml_node child) {
    if (child.type() != pugi::node_element) return 0;
    for (std::uint8_t k = kFirstOption; k < kStepCount; ++k)
        if (std::strcmp(child.name(), kSteps[k].name) == 0) return k;
    return 0;
}

// A new option element among the known ones in their order: before the first that follows it,
// else after the last that precedes it, else at the end.
pugi::xml_node insertOption(pugi::xml_node advanced, std::uint8_t step) {
    pugi::xml_node after;
    for (pugi::xml_node child = advanced.first_child(); child; child = child.next_sibling()) {
        const std::uint8_t known = optionStepOf(child);
        if (known > step) return advanced.insert_child_before(kSteps[step].name, child);
        if (known != 0) after = child;
    }
    return after ? advanced.insert_child_after(kSteps[step].name, after)
                 : advanced.append_child(kSteps[step].name);
}

class Writer {
  public:
    explicit Writer(const XmlNode& root) : index_(indexOf(root)) {}

    tl::expected<void, WriteFailure> write(const FieldWrite& write) {
        const Field& field = kFields[fieldIndex(write.id)];
        if (field.step == kPreserveAspect) return writeAspect(write.value.has_value());
        if (isOptionStep(field.step)) return writeOption(field, write.value);
        Matches& element = index_.steps[field.step];
        if (element.count != 1) return failure(field.path, element.count);
        if (write.value) {
            setText(element.first, *write.value);
        } else {
            remove(element.first);
            element = {};
        }
        return {};
    }

    // An advanced element whose last option went, with nothing else in it, goes too.
    void finish() {
        for (pugi::xml_node advanced : emptied_)
            if (isEmpty(advanced)) remove(advanced);
        emptied_.clear();
    }

  private:
    static tl::unexpected<WriteFailure> failure(const char* path, std::size_t matches) {
        return tl::unexpected(WriteFailure{path, matches});
    }
    static void remove(pugi::xml_node element) { element.parent().remove_child(element); }

    tl::expected<void, WriteFailure> writeAspect(bool preserve) {
        Matches& aspect = index_.steps[kPreserveAspect];
        const char* path = kFields[fieldIndex(ValueId::preserveAspect)].path;
        if (aspect.count > 1) return failure(path, aspect.count);
        if (!preserve) {
            if (aspect.count == 0) return {};
            pugi::xml_node video = aspect.first.parent();
            remove(aspect.first);
            aspect = {};
            if (!isEmpty(video)) return {};
            pugi::xml_node process = video.parent();
            remove(video);
            if (isEmpty(process)) remove(process);
            return {};
        }
        if (aspect.count == 1) return {};
        Matches& videos = index_.steps[kProcessVideo];
        Matches& processes = index_.steps[kProcess];
        pugi::xml_node video;
        if (videos.count > 1) return failure(kProcessVideoPath, videos.count);
        if (videos.count == 1) {
            video = videos.first;
        } else if (processes.count > 1) {
            return failure(kProcessPath, processes.count);
        } else if (processes.count == 1) {
            video = processes.first.append_child("video");
        } else {
            pugi::xml_node process = insertElement(index_.root, "process", 2);
            if (!process) return failure("", 0);
            video = process.append_child("video");
        }
        aspect.first = aspect.last = video.append_child("preserve_aspect");
        aspect.count = 1;
        return {};
    }

    tl::expected<void, WriteFailure> writeOption(const Field& field,
                                                 const std::optional<std::string>& value) {
        Matches& option = index_.steps[field.step];
        if (option.count > 1) return failure(field.path, option.count);
        if (!value) {
            if (option.count == 0) return {};
            pugi::xml_node advanced = option.first.parent();
            remove(option.first);
            option = {};
            if (std::find(emptied_.begin(), emptied_.end(), advanced) == emptied_.end())
                emptied_.push_back(advanced);
            return {};
        }
        if (option.count == 1) {
            setText(option.first, *value);
            return {};
        }
        Matches& advanced = index_.steps[kAdvanced];
        if (advanced.count > 1) return failure(kAdvancedPath, advanced.count);
        if (advanced.count == 0) {
            const pugi::xml_node video =
                lastChildNamed(lastChildNamed(index_.root, "encode"), "video");
            if (!video) return {};  // nowhere to put it: the rebuild goes on
            pugi::xml_node created = insertElement(video, "advanced", 3);
            if (!created) return failure("", 0);
            advanced = {created, created, 1};
        }
        pugi::xml_node element = insertOption(advanced.first, field.step);
        setText(element, *value);
        option = {element, element, 1};
        return {};
    }

    Index index_;
    std::vector<pugi::xml_node> emptied_;
};

}  // namespace

const char* fieldPath(ValueId id) {
    return kFields[fieldIndex(id)].path;
}

FieldTexts readFields(const XmlNode& root) {
    const Index index = indexOf(root);
    FieldTexts texts;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const Matches& element = index.steps[kFields[i].step];
        if (element.count == 1) texts[i] = textOf(element.first);
    }
    return texts;
}

tl::expected<void, WriteFailure> writeFields(const XmlNode& root,
                                             const std::vector<FieldWrite>& writes) {
    Writer writer(root);
    for (const FieldWrite& write : writes) {
        if (auto done = writer.write(write); !done) {
            writer.finish();
            return done;
        }
    }
    writer.finish();
    return {};
}

}  // namespace tolvane::profile
