// Reads CamTwist's preference file, in either format, into a started form; a dictionary that
// reads must write as XML and read back equal.
#include <cstdint>
#include <cstdlib>

#include "FuzzHome.h"
#include "camtwist/Plist.h"
#include "controller/Tolvane.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto file =
        fuzzing::fuzzHome() / "Library/Preferences/com.allocinit.CamTwist.plist";
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzzing::writeFile(file, bytes);
    Form form = standardForm();
    FixedCaptureDevices devices;
    Tolvane controller(form, devices);
    controller.awakeFromNib();
    controller.copyVideoSizeFromFMLEToCamTwist();
    controller.buildCamTwistPrefs();

    if (const auto read = PlistDictionary::parse(bytes)) {
        const auto again = PlistDictionary::parse(read->toXml());
        if (!again || !(*again == *read)) std::abort();
    }
    return 0;
}
