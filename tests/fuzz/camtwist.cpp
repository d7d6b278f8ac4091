// Reads CamTwist's preference file of any bytes (XML or binary) into a freshly started program and
// saves it; whatever was saved must read again and, from then on, save to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "FuzzHome.h"
#include "controller/Tolvane.h"

using namespace tolvane;

namespace {

// A program started over a preference folder that holds these bytes alone: the file it saved.
std::optional<std::string> openAndSave(std::string_view bytes) {
    const auto folder = fuzzing::fuzzHome() / "Library/Preferences";
    fuzzing::clearHome();
    fuzzing::writeFile(folder / "com.allocinit.CamTwist.plist", bytes);
    Form form = standardForm();
    FixedCaptureDevices devices;
    Tolvane controller(form, devices);
    controller.awakeFromNib();
    controller.applicationDidFinishLaunching();
    controller.camTwistSaveConfig();
    // A save keeps the old file as the backup; a file that did not read is left alone.
    if (!std::filesystem::exists(folder / "com.allocinit.CamTwist.bak")) return std::nullopt;
    return fuzzing::readFile(folder / "com.allocinit.CamTwist.plist");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto saved = openAndSave({reinterpret_cast<const char*>(data), size});
    if (!saved) return 0;
    // What was saved reads and saves again. The custom-size flag is decided by the stored size
    // alone, so a custom size that is one of the standard sizes may go off once; after that the
    // file saves to the same bytes.
    const auto again = openAndSave(*saved);
    if (!again) std::abort();
    const auto third = openAndSave(*again);
    if (!third || *third != *again) std::abort();
    return 0;
}
