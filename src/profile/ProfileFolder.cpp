#include "profile/ProfileFolder.h"

#include <string_view>

#include "platform/SafeFile.h"

namespace tolvane::profile {
namespace {

// Profiles are a few kilobytes; anything this large is no profile and is not read.
constexpr std::size_t kMaxProfileBytes = std::size_t{64} << 20;

}  // namespace

std::string profileNameOf(const std::string& entry) {
    const auto dot = entry.rfind('.');
    return dot == std::string::npos || dot == 0 ? entry : entry.substr(0, dot);
}

bool isAcceptableProfileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
}

std::string profilePath(const std::string& folder, const std::string& name) {
    return folder + "/" + name + ".xml";
}

std::optional<std::vector<std::string>> collectFMLEProfiles(FileOps& ops,
                                                            const std::string& folder) {
    const auto entries = listFolder(ops, folder);
    if (!entries || entries->empty()) return std::nullopt;
    std::vector<std::string> names;
    for (const FolderEntry& entry : *entries)
        names.push_back(profileNameOf(entry.name));
    return names;
}

std::unique_ptr<ProfileDocument> openFMLEProfile(FileOps& ops, const std::string& folder,
                                                 const std::string& name) {
    const auto bytes = readRegularFile(ops, profilePath(folder, name), kMaxProfileBytes);
    return bytes ? ProfileDocument::parse(*bytes) : nullptr;
}

Outcome saveFMLEProfile(FileOps& ops, const std::string& folder, const std::string& name,
                        const ProfileDocument& document) {
    const std::string path = profilePath(folder, name);
    if (!isAcceptableProfileName(name)) return {Outcome::Kind::refusedName, 0, path, {}};
    return replaceFile(ops, path, document.serialize());
}

Outcome removeFMLEProfile(FileOps& ops, const std::string& folder,
                          const std::optional<std::string>& name) {
    if (!name) return {Outcome::Kind::nothingSelected, 0, {}, {}};
    const std::string path = profilePath(folder, *name);
    if (!isAcceptableProfileName(*name)) return {Outcome::Kind::refusedName, 0, path, {}};
    // Into the trash where there is one, so that the user can take it back.
    return removeFile(ops, path);
}

}  // namespace tolvane::profile
