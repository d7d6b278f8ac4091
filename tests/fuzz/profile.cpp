// Opens a profile of any bytes in a freshly started program, loads it into the form and saves it
// unchanged under another name: what was saved must be the document as read, changed only in the
// values listed as changed; the one walk that finds the form's values must find what their paths
// do; and what was saved must open again to the same bytes and save again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FuzzHome.h"
#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileFields.h"

using namespace tolvane;

namespace {

struct Run {
    std::string opened;                // the document as read, serialised
    std::vector<Change> changes;       // what the save was to write
    std::optional<std::string> saved;  // the saved file, when the save wrote one
};

void require(bool condition) {
    if (!condition) std::abort();
}

// A program started over a profile folder that holds these bytes alone.
std::optional<Run> openAndSave(std::string_view bytes) {
    const auto folder =
        fuzzing::fuzzHome() / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
    fuzzing::clearHome();
    fuzzing::writeFile(folder / "opened.xml", bytes);
    Form form = standardForm();
    FixedCaptureDevices devices({"Built-in Microphone", "Line In"},
                                {"CamTwist", "FaceTime HD Camera"});
    Tolvane controller(form, devices, fuzzing::fuzzLocations());
    controller.awakeFromNib();
    controller.applicationDidFinishLaunching();  // loads the one profile listed
    const ProfileDocument* document = controller.currentFMLEProfile();
    if (!document) return std::nullopt;
    const XmlNode root = document->rootElement();
    const profile::FieldTexts fields = profile::readFields(root);
    for (std::size_t i = 0; i < profile::kFieldCount; ++i)
        if (profile::isElementTextField(profile::fieldAt(i)))
            require(fields[i] ==
                    profile::valueForXPath(profile::fieldPath(profile::fieldAt(i)), root));
    Run run{document->serialize(), controller.pendingChanges(), std::nullopt};
    form.txtfldNewProfileName.setStringValue("saved");
    controller.fmleSaveProfile();
    run.saved = fuzzing::readFile(folder / "saved.xml");
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto first = openAndSave({reinterpret_cast<const char*>(data), size});
    if (!first) return 0;
    // A document that opens but cannot be saved must still serialise to bytes that read back.
    const auto reread = ProfileDocument::parse(first->opened);
    require(reread && reread->serialize() == first->opened);
    if (!first->saved) return 0;

    // An unchanged save writes the document as read, plus the values listed as changed (the
    // rules' replacements) with the listed texts, and nothing else.
    auto expected = ProfileDocument::parse(first->opened);
    std::vector<profile::FieldWrite> writes;
    for (const Change& change : first->changes)
        writes.push_back({change.id, change.written});
    require(profile::writeFields(expected->rootElement(), writes).has_value());
    require(expected->serialize() == *first->saved);
    const auto saved = ProfileDocument::parse(*first->saved);
    const profile::FieldTexts written = profile::readFields(saved->rootElement());
    for (const Change& change : first->changes)
        require(written[profile::fieldIndex(change.id)] == change.written);

    const auto second = openAndSave(*first->saved);
    require(second && second->opened == *first->saved);
    // Values the form has no item for are kept, so what saved once saves again, unchanged.
    require(second->saved && second->saved == first->saved);
    return 0;
}
