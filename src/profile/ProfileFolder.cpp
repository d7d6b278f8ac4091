#include "profile/ProfileFolder.h"

#include <string_view>

#include "platform/SafeFile.h"

namespace tolvane::profile {
namespace {

// Profiles are a few kilobytes; anything this large is no profile and is not read.
constexpr std::size_t kMaxProfileBytes = std::size_t{64} << 20;

}  // namespace

std::string profilePath(const std::string& folder, const std::string& name) {
    return folder + "/" + name + ".xml";
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
