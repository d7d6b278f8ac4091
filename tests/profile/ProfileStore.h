// A started program over a profile folder, and the texts the profile tests compare.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controller/Tolvane.h"
#include "support/TempHome.h"

namespace tolvane::testing {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using Edits = std::vector<std::pair<std::string, std::string>>;

// The text with each piece replaced once.
inline std::string edited(std::string text, const Edits& edits) {
    for (const auto& [from, to] : edits) {
        const auto at = text.find(from);
        EXPECT_NE(std::string::npos, at) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    return text;
}

// ASCII text in "UTF-8", "UTF-16LE" or "UTF-16BE", but for "@", which stands for U+1F3A5 (a
// surrogate pair in UTF-16), and "~", which stands for a lone surrogate.
inline std::string encoded(std::string_view text, std::string_view encoding) {
    std::string out;
    for (char c : text) {
        if (encoding == "UTF-8") {
            out += c == '@' ? "\xF0\x9F\x8E\xA5" : c == '~' ? "\xED\xA0\x80" : std::string(1, c);
        } else {
            const std::string unit = c == '@'   ? std::string("\xD8\x3C\xDF\xA5", 4)
                                     : c == '~' ? std::string("\xD8\x00", 2)
                                                : std::string{'\0', c};
            for (std::size_t i = 0; i < unit.size(); i += 2)
                out +=
                    encoding == "UTF-16BE" ? unit.substr(i, 2) : std::string{unit[i + 1], unit[i]};
        }
    }
    return out;
}

// The nodes as the XML library alone reads them, one a line: equal for documents that differ only
// in encoding, line ends, layout and quoting.
inline std::string canonical(const std::string& bytes) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_buffer(bytes.data(), bytes.size(),
                                pugi::parse_default | pugi::parse_comments | pugi::parse_pi));
    struct : pugi::xml_writer {
        std::string text;
        void write(const void* data, size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } out;
    doc.save(out, "", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.text;
}

// A started program over a profile folder holding the given files, in that order; the first
// profile listed is open.
struct Store {
    Store(std::initializer_list<std::pair<std::string, std::string>> files) {
        for (const auto& [name, bytes] : files)
            home.write(home.profileFolder() / name, bytes);
        controller = std::make_unique<Tolvane>(form, devices, home.locations());
        controller->awakeFromNib();
        controller->applicationDidFinishLaunching();
    }
    fs::path file(const std::string& name) const { return home.profileFolder() / (name + ".xml"); }
    std::string bytes(const std::string& name) const { return readFile(file(name)); }
    std::optional<std::string> value(const std::string& path) const {
        return controller->valueForXPath("/flashmedialiveencoder_profile/" + path,
                                         controller->currentFMLEProfile()->rootElement());
    }
    SaveOutcome save(const std::string& name, const Resolutions& keep = {}) {
        form.txtfldNewProfileName.setStringValue(name);
        return controller->fmleSaveProfile(keep);
    }
    // The bytes a save under that name wrote; empty when it wrote nothing.
    std::string saveAs(const std::string& name) {
        const std::string before = bytes(name);  // empty when missing
        save(name);
        const std::string after = bytes(name);
        return after == before ? "" : after;
    }
    std::vector<ValueId> changed() const {
        std::vector<ValueId> ids;
        for (const Change& change : controller->pendingChanges())
            ids.push_back(change.id);
        return ids;
    }
    // What the form shows of a profile: its lists, the video bitrate and output size, volume and
    // aspect, then each advanced option's list with a "+" when the option is enabled.
    Texts shown() const {
        Texts out;
        for (auto list : {&Form::popupFMLEVideoInputDeviceName, &Form::popupFMLEVideoFramerate,
                          &Form::popupFMLEVideoInputSize, &Form::popupFMLEAudioInputDevice,
                          &Form::popupFMLEAudioSamplerate, &Form::popupFMLEAudioOutputChannel,
                          &Form::popupFMLEVideoOutputFormat, &Form::popupFMLEAudioOutputFormat,
                          &Form::popupFMLEAudioOutputBitrate})
            out.push_back((form.*list).title().value_or("(none)"));
        out.push_back(form.comboboxFMLEVideoOutputBitrate.stringValue() + " " +
                      form.txtfldFMLEVideoOutputSizeX.stringValue() + "x" +
                      form.txtfldFMLEVideoOutputSizeY.stringValue());
        out.push_back(std::to_string(controller->inputVolume()) +
                      (controller->preserveAspect() ? " aspect" : ""));
        for (const AdvancedOption& option : kAdvancedOptions) {
            // Appended, not a literal before a temporary: GCC 12 at -O3 misreads that as an
            // overlapping copy (-Wrestrict).
            std::string shown = controller->propertyValue(option.flag) ? "+" : "";
            out.push_back(shown += (form.*option.list).title().value_or("(none)"));
        }
        return out;
    }

    TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices{{"Built-in Microphone", "Line In"},
                                {"CamTwist", "FaceTime HD Camera"}};
    std::unique_ptr<Tolvane> controller;
};

}  // namespace tolvane::testing
