// Reads CamTwist's preference file of any bytes (XML or binary) into a freshly started program and
// saves it unchanged: whatever was saved must hold every key with its value and type, read again,
// and save again to the same bytes. Nothing is pending after start-up or after a save.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "FuzzHome.h"
#include "camtwist/Plist.h"
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
    Tolvane controller(form, devices, fuzzing::fuzzLocations());
    controller.awakeFromNib();
    controller.applicationDidFinishLaunching();
    if (!controller.pendingChanges().empty()) std::abort();
    // A file that did not read, or holds text XML cannot carry, is left alone.
    if (!controller.camTwistSaveConfig().ok()) return std::nullopt;
    if (!controller.pendingChanges().empty()) std::abort();
    return fuzzing::readFile(folder / "com.allocinit.CamTwist.plist");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto saved = openAndSave(bytes);
    if (!saved) return 0;
    // Every key as XML carries it: a list's own XML writer is the measure of value and type.
    const auto read = PlistDictionary::parse(bytes), written = PlistDictionary::parse(*saved);
    if (!read || !written || *read != *written) std::abort();
    const auto again = openAndSave(*saved);
    if (!again || *again != *saved) std::abort();
    return 0;
}
