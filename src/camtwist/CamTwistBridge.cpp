#include "camtwist/Plist.h"
#include "controller/Tolvane.h"

namespace tolvane {

std::optional<PlistDictionary> Tolvane::camTwistPreference() {
    return std::nullopt;
}
void Tolvane::loadCamTwistProfile() {}
void Tolvane::camTwistVideoSizeSelected() {}
void Tolvane::copyVideoSizeFromFMLEToCamTwist() {}
void Tolvane::buildCamTwistPrefs() {}
void Tolvane::camTwistSaveConfig() {}

}  // namespace tolvane
