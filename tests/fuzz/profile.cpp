// Opens a profile file and loads it into the form; whatever opens must save and open again, and a
// second save must give the same bytes.
#include <cstdint>
#include <cstdlib>

#include "FuzzHome.h"
#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto file = fuzzing::fuzzHome() /
                             "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/f.xml";
    static Form form = standardForm();
    static FixedCaptureDevices devices({"Built-in Microphone"}, {"CamTwist"});
    static Tolvane controller(form, devices);

    fuzzing::writeFile(file, {reinterpret_cast<const char*>(data), size});
    controller.loadFMLEProfile("f");
    const ProfileDocument* loaded = controller.currentFMLEProfile();
    if (!loaded) return 0;
    const std::string saved = loaded->serialize();
    const auto reopened = ProfileDocument::parse(saved);
    if (!reopened || reopened->serialize() != saved) std::abort();
    return 0;
}
