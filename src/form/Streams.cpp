#include "form/Streams.h"

#include <algorithm>

#include "form/TextValue.h"
#include "form/Validation.h"

namespace tolvane {
namespace {

// Moves one slot's texts into another.
void copySlot(Form& form, std::size_t from, std::size_t to) {
    const StreamControls& source = kStreamControls[from];
    const StreamControls& target = kStreamControls[to];
    (form.*target.bitrate).setStringValue((form.*source.bitrate).stringValue());
    (form.*target.width).setStringValue((form.*source.width).stringValue());
    (form.*target.height).setStringValue((form.*source.height).stringValue());
}

void clearSlot(Form& form, std::size_t slot) {
    const StreamControls& controls = kStreamControls[slot];
    (form.*controls.bitrate).setStringValue("");
    (form.*controls.width).setStringValue("");
    (form.*controls.height).setStringValue("");
}

constexpr std::string_view kParameters = "ivfasb";

bool hasParameter(std::string_view name) {
    for (std::size_t at = name.find('%'); at != std::string_view::npos; at = name.find('%', at + 1))
        if (at + 1 < name.size() && kParameters.find(name[at + 1]) != std::string_view::npos)
            return true;
    return false;
}

std::string expanded(std::string_view name, std::size_t number, const StreamRow& stream,
                     std::string_view audioBitrate, std::string_view sampleRate) {
    std::string out;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const char parameter = at + 1 < name.size() && name[at] == '%' ? name[at + 1] : '\0';
        switch (parameter) {
            case 'i':
                out += std::to_string(number);
                break;
            case 'v':
                out += stream.bitrate;
                break;
            case 'f':
                out += stream.frameSize();
                break;
            case 'a':
                out += audioBitrate;
                break;
            case 's':
                out += sampleRate;
                break;
            case 'b':
                out += stream.totalKbps ? std::to_string(*stream.totalKbps) : "%b";
                break;
            default:
                out += name[at];
                continue;
        }
        ++at;
    }
    return out;
}

}  // namespace

bool isPresentStream(const Form& form, std::size_t slot) {
    return slot == 0 || !(form.*kStreamControls[slot].bitrate).stringValue().empty();
}

std::vector<StreamRow> streamTable(const Form& form) {
    const auto audio = typedNumber(form.popupFMLEAudioOutputBitrate.title().value_or(""));
    std::vector<StreamRow> rows;
    for (std::size_t slot = 0; slot < kMaxStreams; ++slot) {
        if (!isPresentStream(form, slot)) continue;
        const StreamControls& controls = kStreamControls[slot];
        StreamRow& row = rows.emplace_back();
        row.slot = slot;
        row.bitrate = (form.*controls.bitrate).stringValue();
        row.width = (form.*controls.width).stringValue();
        row.height = (form.*controls.height).stringValue();
        if (const auto video = typedNumber(row.bitrate); video && audio)
            row.totalKbps = *video + *audio;
    }
    return rows;
}

bool addStream(Form& form) {
    for (std::size_t slot = 1; slot < kMaxStreams; ++slot) {
        if (isPresentStream(form, slot)) continue;
        std::size_t before = slot - 1;
        while (!isPresentStream(form, before))
            --before;
        // A copy of a stream without a bitrate would be no stream.
        if ((form.*kStreamControls[before].bitrate).stringValue().empty()) return false;
        copySlot(form, before, slot);
        return true;
    }
    return false;
}

bool removeStream(Form& form, std::size_t slot) {
    if (slot >= kMaxStreams) return false;
    if (slot == 0 && std::none_of(kStreamControls.begin() + 1, kStreamControls.end(),
                                  [&](const StreamControls& c) {
                                      return !(form.*c.bitrate).stringValue().empty();
                                  }))
        return false;
    for (std::size_t s = slot; s + 1 < kMaxStreams; ++s)
        copySlot(form, s + 1, s);
    clearSlot(form, kMaxStreams - 1);
    return true;
}

StreamNames resolveStreamNames(std::string_view streamName, const std::vector<StreamRow>& streams,
                               std::string_view audioBitrate, std::string_view sampleRate) {
    StreamNames result;
    const bool parameters = hasParameter(streamName);
    if (streamName.find(';') != std::string_view::npos) {
        result.parametersTakenLiterally = parameters;
        std::vector<std::string> listed = splitAt(streamName, ";");
        if (streamName.ends_with(';')) listed.pop_back();
        result.namesMissing = listed.size() < streams.size();
        for (std::size_t i = 0; i < streams.size(); ++i)
            result.names.push_back(i < listed.size() ? listed[i] : std::string());
    } else {
        for (std::size_t i = 0; i < streams.size(); ++i)
            result.names.push_back(
                parameters ? expanded(streamName, i + 1, streams[i], audioBitrate, sampleRate)
                           : std::string(streamName));
    }
    std::vector<std::string> sorted = result.names;
    std::sort(sorted.begin(), sorted.end());
    result.sharedName = std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
    return result;
}

StreamNames resolveStreamNames(const Form& form) {
    return resolveStreamNames(form.txtfldFMLEStreamName.stringValue(), streamTable(form),
                              form.popupFMLEAudioOutputBitrate.title().value_or(""),
                              form.popupFMLEAudioSamplerate.title().value_or(""));
}

}  // namespace tolvane
