#include "profile/ProfileFields.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "profile/XmlTree.h"

namespace tolvane::profile {
namespace {

// The mapped part of a profile as a tree of element names. The children of each step follow one
// another in the table, in the order FMLE writes them, so that the walk compares a child element's
// name with a few names only, and a new element finds its place among its known siblings.
struct Step {
    const char* name;
    std::uint8_t parent;
    std::uint8_t firstChild;
    std::uint8_t childCount;
};

enum StepId : std::uint8_t {
    kRootStep,
    kPreset,  // the root's sections
    kCapture,
    kProcess,
    kEncode,
    kRestart,
    kReconnect,
    kOutput,
    kMetadata,
    kPreview,
    kLog,
    kCaptureVideo,  // capture
    kCaptureAudio,
    kProcessVideo,  // process
    kEncodeVideo,   // encode
    kEncodeAudio,
    kDays,  // restartinterval
    kHours,
    kMinutes,
    kAttempts,  // reconnectinterval
    kInterval,
    kRtmp,  // output
    kFile,
    kVideoDevice,  // capture/video
    kFrameRate,
    kSize,
    kAudioDevice,  // capture/audio
    kSampleRate,
    kChannels,
    kInputVolume,
    kPreserveAspect,  // process/video
    kVideoFormat,     // encode/video
    kVideoDatarate,
    kOutputSize,
    kAdvanced,
    kAutoAdjust,
    kAudioFormat,  // encode/audio
    kAudioDatarate,
    kUrl,  // output/rtmp
    kBackupUrl,
    kStream,
    kLimitBySize,  // output/file
    kLimitByDuration,
    kPath,
    kWidth,  // capture/video/size
    kHeight,
    kFirstOption,                          // the advanced options, in the order of their ValueIds
    kAutoAdjustEnable = kFirstOption + 7,  // encode/video/autoadjust
    kMaxBufferSize,
    kDropFrames,
    kDegradeQuality,
    kDropFramesEnable,  // autoadjust/dropframes
    kDegradeEnable,     // autoadjust/degradequality
    kMinVideoBitrate,
    kPreservePfq,
    // The metadata entries, told apart by their key rather than by name, in ValueId order.
    kFirstEntry,
    kStepCount = kFirstEntry + 6,
};

constexpr Step kSteps[kStepCount] = {
    {"flashmedialiveencoder_profile", kRootStep, kPreset, 10},
    {"preset", kRootStep, 0, 0},
    {"capture", kRootStep, kCaptureVideo, 2},
    {"process", kRootStep, kProcessVideo, 1},
    {"encode", kRootStep, kEncodeVideo, 2},
    {"restartinterval", kRootStep, kDays, 3},
    {"reconnectinterval", kRootStep, kAttempts, 2},
    {"output", kRootStep, kRtmp, 2},
    {"metadata", kRootStep, 0, 0},  // its entries are walked apart
    {"preview", kRootStep, 0, 0},
    {"log", kRootStep, 0, 0},
    {"video", kCapture, kVideoDevice, 3},
    {"audio", kCapture, kAudioDevice, 4},
    {"video", kProcess, kPreserveAspect, 1},
    {"video", kEncode, kVideoFormat, 5},
    {"audio", kEncode, kAudioFormat, 2},
    {"days", kRestart, 0, 0},
    {"hours", kRestart, 0, 0},
    {"minutes", kRestart, 0, 0},
    {"attempts", kReconnect, 0, 0},
    {"interval", kReconnect, 0, 0},
    {"rtmp", kOutput, kUrl, 3},
    {"file", kOutput, kLimitBySize, 3},
    {"device", kCaptureVideo, 0, 0},
    {"frame_rate", kCaptureVideo, 0, 0},
    {"size", kCaptureVideo, kWidth, 2},
    {"device", kCaptureAudio, 0, 0},
    {"sample_rate", kCaptureAudio, 0, 0},
    {"channels", kCaptureAudio, 0, 0},
    {"input_volume", kCaptureAudio, 0, 0},
    {"preserve_aspect", kProcessVideo, 0, 0},
    {"format", kEncodeVideo, 0, 0},
    {"datarate", kEncodeVideo, 0, 0},
    {"outputsize", kEncodeVideo, 0, 0},
    {"advanced", kEncodeVideo, kFirstOption, 7},
    {"autoadjust", kEncodeVideo, kAutoAdjustEnable, 4},
    {"format", kEncodeAudio, 0, 0},
    {"datarate", kEncodeAudio, 0, 0},
    {"url", kRtmp, 0, 0},
    {"backup_url", kRtmp, 0, 0},
    {"stream", kRtmp, 0, 0},
    {"limitbysize", kFile, 0, 0},
    {"limitbyduration", kFile, 0, 0},
    {"path", kFile, 0, 0},
    {"width", kSize, 0, 0},
    {"height", kSize, 0, 0},
    {"profile", kAdvanced, 0, 0},
    {"level", kAdvanced, 0, 0},
    {"keyframe_frequency", kAdvanced, 0, 0},
    {"quality", kAdvanced, 0, 0},
    {"noise_reduction", kAdvanced, 0, 0},
    {"datarate_window", kAdvanced, 0, 0},
    {"cpu_usage", kAdvanced, 0, 0},
    {"enable", kAutoAdjust, 0, 0},
    {"maxbuffersize", kAutoAdjust, 0, 0},
    {"dropframes", kAutoAdjust, kDropFramesEnable, 1},
    {"degradequality", kAutoAdjust, kDegradeEnable, 3},
    {"enable", kDropFrames, 0, 0},
    {"enable", kDegradeQuality, 0, 0},
    {"minvideobitrate", kDegradeQuality, 0, 0},
    {"preservepfq", kDegradeQuality, 0, 0},
    {"entry", kMetadata, 0, 0},
    {"entry", kMetadata, 0, 0},
    {"entry", kMetadata, 0, 0},
    {"entry", kMetadata, 0, 0},
    {"entry", kMetadata, 0, 0},
    {"entry", kMetadata, 0, 0},
};

// The metadata keys in ValueId order, each with its place in the order FMLE writes the entries.
struct MetadataKey {
    const char* key;
    int order;
};
constexpr MetadataKey kMetadataKeys[6] = {{"title", 5},     {"description", 2}, {"author", 0},
                                          {"copyright", 1}, {"keywords", 3},    {"rating", 4}};

#define TOLVANE_PROFILE_ROOT "/flashmedialiveencoder_profile/"
#define TOLVANE_ENTRY(key) TOLVANE_PROFILE_ROOT "metadata/entry[key='" key "']/value"

// A constant table of a few dozen entries, laid out in reading order.
struct Field {  // NOLINT(clang-analyzer-optin.performance.Padding)
    std::uint8_t step;
    const char* path;
    // A value FMLE keeps in this attribute of the element rather than in its text.
    const char* attribute = nullptr;
    // Written into a profile that lacks it by creating what is missing, in FMLE's order; the
    // form's older values need their element to be there.
    bool creates = false;
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
    {kAutoAdjustEnable, TOLVANE_PROFILE_ROOT "encode/video/autoadjust/enable", nullptr, true},
    {kMaxBufferSize, TOLVANE_PROFILE_ROOT "encode/video/autoadjust/maxbuffersize", nullptr, true},
    {kDropFramesEnable, TOLVANE_PROFILE_ROOT "encode/video/autoadjust/dropframes/enable", nullptr,
     true},
    {kDegradeEnable, TOLVANE_PROFILE_ROOT "encode/video/autoadjust/degradequality/enable", nullptr,
     true},
    {kMinVideoBitrate,
     TOLVANE_PROFILE_ROOT "encode/video/autoadjust/degradequality/minvideobitrate", nullptr, true},
    {kPreservePfq, TOLVANE_PROFILE_ROOT "encode/video/autoadjust/degradequality/preservepfq",
     nullptr, true},
    {kDays, TOLVANE_PROFILE_ROOT "restartinterval/days", nullptr, true},
    {kHours, TOLVANE_PROFILE_ROOT "restartinterval/hours", nullptr, true},
    {kMinutes, TOLVANE_PROFILE_ROOT "restartinterval/minutes", nullptr, true},
    {kAttempts, TOLVANE_PROFILE_ROOT "reconnectinterval/attempts", nullptr, true},
    {kInterval, TOLVANE_PROFILE_ROOT "reconnectinterval/interval", nullptr, true},
    {kUrl, TOLVANE_PROFILE_ROOT "output/rtmp/url", nullptr, true},
    {kBackupUrl, TOLVANE_PROFILE_ROOT "output/rtmp/backup_url", nullptr, true},
    {kStream, TOLVANE_PROFILE_ROOT "output/rtmp/stream", nullptr, true},
    {kLimitBySize, TOLVANE_PROFILE_ROOT "output/file/limitbysize/@enable", "enable", true},
    {kLimitBySize, TOLVANE_PROFILE_ROOT "output/file/limitbysize", nullptr, true},
    {kLimitByDuration, TOLVANE_PROFILE_ROOT "output/file/limitbyduration/@enable", "enable", true},
    {kLimitByDuration, TOLVANE_PROFILE_ROOT "output/file/limitbyduration", nullptr, true},
    {kPath, TOLVANE_PROFILE_ROOT "output/file/path", nullptr, true},
    {kFirstEntry + 0, TOLVANE_ENTRY("title"), nullptr, true},
    {kFirstEntry + 1, TOLVANE_ENTRY("description"), nullptr, true},
    {kFirstEntry + 2, TOLVANE_ENTRY("author"), nullptr, true},
    {kFirstEntry + 3, TOLVANE_ENTRY("copyright"), nullptr, true},
    {kFirstEntry + 4, TOLVANE_ENTRY("keywords"), nullptr, true},
    {kFirstEntry + 5, TOLVANE_ENTRY("rating"), nullptr, true},
};

// A row missing from either table would be left empty.
static_assert(kSteps[kStepCount - 1].name != nullptr && kFields[kFieldCount - 1].path != nullptr);

constexpr const char* kProcessPath = TOLVANE_PROFILE_ROOT "process";
constexpr const char* kProcessVideoPath = TOLVANE_PROFILE_ROOT "process/video";
constexpr const char* kAdvancedPath = TOLVANE_PROFILE_ROOT "encode/video/advanced";

#undef TOLVANE_ENTRY
#undef TOLVANE_PROFILE_ROOT

constexpr std::uint8_t kOptionsEnd = kFirstOption + 7;

constexpr bool isOptionStep(std::uint8_t step) {
    return step >= kFirstOption && step < kOptionsEnd;
}

constexpr bool isEntryStep(std::uint8_t step) {
    return step >= kFirstEntry && step < kStepCount;
}

// Where the path of each step matches: how many elements, and the first and last of them in
// document order, as the path from the document would find them. For a metadata entry: the
// entries whose one key holds its name.
struct Matches {
    pugi::xml_node first;
    pugi::xml_node last;
    std::size_t count = 0;
};

struct Index {
    pugi::xml_node root;  // the root element
    std::array<Matches, kStepCount> steps;
};

void count(Matches& matches, pugi::xml_node element) {
    if (matches.count++ == 0) matches.first = element;
    matches.last = element;
}

// The one child element of that name, or none (also when there are several); how many there are.
std::pair<pugi::xml_node, std::size_t> onlyChild(pugi::xml_node parent, const char* name) {
    std::pair<pugi::xml_node, std::size_t> found;
    for (pugi::xml_node child = parent.child(name); child; child = child.next_sibling(name))
        if (found.second++ == 0) found.first = child;
    if (found.second != 1) found.first = pugi::xml_node();
    return found;
}

// The place of an entry's key in ValueId order, -1 for an entry without one known key.
int entryKey(pugi::xml_node entry) {
    const pugi::xml_node key = onlyChild(entry, "key").first;
    if (!key) return -1;
    // Usually one plain text, compared where it is rather than copied out.
    const pugi::xml_node only = key.first_child();
    const bool plain = only && !only.next_sibling() && only.type() == pugi::node_pcdata &&
                       !std::strchr(only.value(), '&');
    const std::string text = plain ? std::string() : textOf(key);
    for (int k = 0; k < 6; ++k)
        if (std::strcmp(plain ? only.value() : text.c_str(), kMetadataKeys[k].key) == 0) return k;
    return -1;
}

void visitMetadata(pugi::xml_node metadata, Index& index) {
    for (pugi::xml_node entry = metadata.child("entry"); entry; entry = entry.next_sibling("entry"))
        if (const int key = entryKey(entry); key >= 0) count(index.steps[kFirstEntry + key], entry);
}

void visit(pugi::xml_node element, std::uint8_t step, Index& index) {
    const Step& parent = kSteps[step];
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        // A large profile's many unknown children are passed over on their first letter; text and
        // comments have an empty name. The type is asked only of a name that matches.
        const char* name = child.name();
        for (std::uint8_t k = parent.firstChild; k < parent.firstChild + parent.childCount; ++k) {
            if (name[0] != kSteps[k].name[0] || std::strcmp(name, kSteps[k].name) != 0) continue;
            if (child.type() != pugi::node_element) break;  // a processing instruction
            count(index.steps[k], child);
            if (k == kMetadata) visitMetadata(child, index);
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
        count(index.steps[kRootStep], top);
        visit(top, kRootStep, index);
    }
    return index;
}

// The absolute path of a step's elements.
std::string stepPath(std::uint8_t step) {
    std::string path = kSteps[step].name;
    for (std::uint8_t at = step; at != kRootStep;) {
        at = kSteps[at].parent;
        path.insert(0, 1, '/');
        path.insert(0, kSteps[at].name);
    }
    return "/" + path;
}

std::optional<std::string> read(const Index& index, const Field& field) {
    const Matches& element = index.steps[field.step];
    if (element.count != 1) return std::nullopt;
    if (isEntryStep(field.step)) {
        const pugi::xml_node value = onlyChild(element.first, "value").first;
        return value ? std::optional(textOf(value)) : std::nullopt;
    }
    if (!field.attribute) return textOf(element.first);
    const pugi::xml_attribute attribute = element.first.attribute(field.attribute);
    return attribute ? std::optional(attributeText(attribute)) : std::nullopt;
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

// The step of a child element that is one of the known children of parent, or 0 for any other
// node.
std::uint8_t knownChildStep(std::uint8_t parent, pugi::xml_node child) {
    if (child.type() != pugi::node_element) return 0;
    const Step& step = kSteps[parent];
    for (std::uint8_t k = step.firstChild; k < step.firstChild + step.childCount; ++k)
        if (std::strcmp(child.name(), kSteps[k].name) == 0) return k;
    return 0;
}

// A new element among its known siblings in their order: before the first that follows it, else
// after the last that precedes it, else at the end. place gives a child's place in that order, 0
// for a node that has none.
template <typename Place>
pugi::xml_node insertInOrder(pugi::xml_node parent, const char* name, std::uint8_t own,
                             Place place) {
    pugi::xml_node after;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        const std::uint8_t known = place(child);
        if (known > own) return parent.insert_child_before(name, child);
        if (known != 0) after = child;
    }
    return after ? parent.insert_child_after(name, after) : parent.append_child(name);
}

pugi::xml_node insertStep(pugi::xml_node parent, std::uint8_t step) {
    const std::uint8_t of = kSteps[step].parent;
    return insertInOrder(parent, kSteps[step].name, step,
                         [of](pugi::xml_node child) { return knownChildStep(of, child); });
}

// A new entry among the entries of known keys, in the order FMLE writes them.
pugi::xml_node insertEntry(pugi::xml_node metadata, int key) {
    const auto place = [](pugi::xml_node child) -> std::uint8_t {
        if (child.type() != pugi::node_element || std::strcmp(child.name(), "entry") != 0) return 0;
        const int known = entryKey(child);
        return known < 0 ? 0 : static_cast<std::uint8_t>(kMetadataKeys[known].order + 1);
    };
    return insertInOrder(metadata, "entry", static_cast<std::uint8_t>(kMetadataKeys[key].order + 1),
                         place);
}

class Writer {
  public:
    explicit Writer(const XmlNode& root) : index_(indexOf(root)) {}

    tl::expected<void, WriteFailure> write(const FieldWrite& write) {
        const Field& field = kFields[fieldIndex(write.id)];
        if (field.step == kPreserveAspect) return writeAspect(write.value.has_value());
        if (isOptionStep(field.step)) return writeOption(field, write.value);
        if (isEntryStep(field.step)) return writeEntry(field, write.value);
        Matches& element = index_.steps[field.step];
        if (element.count > 1 || (element.count == 0 && !field.creates))
            return failure(field.path, element.count);
        if (!write.value) {
            if (element.count == 0) return {};
            if (field.attribute) {
                element.first.remove_attribute(field.attribute);
            } else {
                remove(element.first);
                element = {};
            }
            return {};
        }
        auto target = ensure(field.step);
        if (!target) return tl::unexpected(target.error());
        if (field.attribute) {
            setAttributeText(*target, field.attribute, *write.value);
        } else {
            setText(*target, *write.value);
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
    static tl::unexpected<WriteFailure> failure(std::string path, std::size_t matches) {
        return tl::unexpected(WriteFailure{std::move(path), matches});
    }
    static void remove(pugi::xml_node element) { element.parent().remove_child(element); }

    // The one element of a step, created with whatever it lacks above it where there is none.
    tl::expected<pugi::xml_node, WriteFailure> ensure(std::uint8_t step) {
        Matches& matches = index_.steps[step];
        if (matches.count == 1) return matches.first;
        if (matches.count > 1 || step == kRootStep) return failure(stepPath(step), matches.count);
        auto parent = ensure(kSteps[step].parent);
        if (!parent) return parent;
        const pugi::xml_node created = insertStep(*parent, step);
        matches = {created, created, 1};
        return created;
    }

    // A metadata value: the value of the one entry of its key; a missing entry is added, key and
    // then value.
    tl::expected<void, WriteFailure> writeEntry(const Field& field,
                                                const std::optional<std::string>& value) {
        Matches& entries = index_.steps[field.step];
        if (entries.count > 1) return failure(field.path, entries.count);
        const int key = field.step - kFirstEntry;
        if (entries.count == 1) {
            auto [element, values] = onlyChild(entries.first, "value");
            if (values > 1) return failure(field.path, values);
            if (!value) {
                if (element) remove(element);
                return {};
            }
            if (!element) element = entries.first.append_child("value");
            setText(element, *value);
            return {};
        }
        if (!value) return {};
        auto metadata = ensure(kMetadata);
        if (!metadata) return tl::unexpected(metadata.error());
        pugi::xml_node entry = insertEntry(*metadata, key);
        setText(entry.append_child("key"), kMetadataKeys[key].key);
        setText(entry.append_child("value"), *value);
        entries = {entry, entry, 1};
        return {};
    }

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
        pugi::xml_node element = insertStep(advanced.first, field.step);
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

bool isElementTextField(ValueId id) {
    const Field& field = kFields[fieldIndex(id)];
    return !field.attribute && !isEntryStep(field.step);
}

FieldTexts readFields(const XmlNode& root) {
    const Index index = indexOf(root);
    FieldTexts texts;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        texts[i] = read(index, kFields[i]);
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
