#include "profile/ProfileFolder.h"

#include <string_view>

#include "platform/SafeFile.h"

namespace tolvane::profile {

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
    auto names = listFolder(ops, folder);
    if (!names || names->empty()) return std::nullopt;
    for (std::string& name : *names)
        name = profileNameOf(name);
    return names;
}

tl::expected<OpenedProfile, OpenFailure> openFMLEProfile(FileOps& ops, const std::string& folder,
                                                         const std::string& name) {
    auto bytes = readRegularFile(ops, profilePath(folder, name), kMaxProfileBytes);
    if (!bytes) return tl::unexpected(OpenFailure{std::move(bytes.error())});
    auto document = ProfileDocument::parse(*bytes);
    if (!document) return tl::unexpected(OpenFailure{{}, document.error()});
    return OpenedProfile{std::move(*document), std::move(*bytes)};
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
