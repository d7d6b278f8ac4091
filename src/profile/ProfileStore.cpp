#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"

namespace tolvane {

std::optional<std::string> Tolvane::valueForXPath(const std::string&, const XmlNode&) const {
    return std::nullopt;
}
void Tolvane::setValue(const std::optional<std::string>&, const std::string&, const XmlNode&) {}
std::optional<std::vector<std::string>> Tolvane::collectFMLEProfiles() {
    return std::nullopt;
}
void Tolvane::fmleProfileSelected(const PopUpList& sender) {
    if (auto name = sender.title()) loadFMLEProfile(*name);
}
void Tolvane::loadFMLEProfile(const std::string&) {}
void Tolvane::fmleFrameRateSelected() {}
void Tolvane::fmleInputSizeSelected(const PopUpList&) {}
bool Tolvane::rebuildProfile() {
    return false;
}
void Tolvane::setAspectRatio(bool, XmlNode) {}
void Tolvane::fmleSaveProfile() {}
void Tolvane::removeFMLEProfile() {}
bool Tolvane::isAcceptableProfileName(const std::string&) {
    return false;
}

}  // namespace tolvane
