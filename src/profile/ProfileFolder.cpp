#include "profile/ProfileFolder.h"

#include <string_view>

#include "platform/SafeFile.h"

namespace tolvane::profile {

std::string profilePath(const std::string& folder, const std::string& name) {
    return folder + "/" + name + std::string(kProfileExtension);
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
