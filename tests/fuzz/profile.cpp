// Opens a profile of any bytes in a freshly started program, loads it into the form, rebuilds it
// and saves it under another name; whatever was saved must open again to the same bytes and save
// again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "FuzzHome.h"
#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"

using namespace tolvane;

namespace {

struct Run {
    std::string opened;                // the document as read, serialised
    std::optional<std::string> saved;  // the saved file, when the rebuild let it save
};

// A program started over a profile folder that holds these bytes alone.
std::optional<Run> openAndSave(std::string_view bytes) {
    const auto folder =
        fuzzing::fuzzHome() / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
    fuzzing::clearHome();
    fuzzing::writeFile(folder / "opened.xml", bytes);
    Form form = standardForm();
    FixedCaptureDevices devices({"Built-in Microphone", "Line In"},
                                {"CamTwist", "FaceTime HD Camera"});
    Tolvane controller(form, devices);
    controller.awakeFromNib();
    controller.applicationDidFinishLaunching();  // loads the one profile listed
    if (!controller.currentFMLEProfile()) return std::nullopt;
    Run run{controller.currentFMLEProfile()->serialize(), std::nullopt};
    form.txtfldNewProfileName.setStringValue("saved");
    controller.fmleSaveProfile();
    run.saved = fuzzing::readFile(folder / "saved.xml");
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto first = openAndSave({reinterpret_cast<const char*>(data), size});
    if (!first) return 0;
    // A document that opens but cannot be rebuilt must still serialise to bytes that read back.
    const auto reread = ProfileDocument::parse(first->opened);
    if (!reread || reread->serialize() != first->opened) std::abort();
    if (!first->saved) return 0;
    const auto second = openAndSave(*first->saved);
    if (!second || second->opened != *first->saved) std::abort();
    // Values the form has no item for are kept, so what saved once saves again, unchanged.
    if (!second->saved || second->saved != first->saved) std::abort();
    return 0;
}
