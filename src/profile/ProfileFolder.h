#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileOps.h"
#include "platform/Outcome.h"
#include "profile/ProfileCatalogue.h"
#include "profile/ProfileDocument.h"

// FMLE's profile folder: which profiles it holds, and reading, writing and removing their files.
namespace tolvane::profile {

inline constexpr const char* kProfileFolder =
    "~/Library/Application Support/Adobe/Flash Media Live Encoder 3.2";

// The file of the profile with this name.
std::string profilePath(const std::string& folder, const std::string& name);

// The profile's document, or nothing when its file is missing, no regular file, or no XML.
std::unique_ptr<ProfileDocument> openFMLEProfile(FileOps& ops, const std::string& folder,
                                                 const std::string& name);
// Writes a document as the profile of that name, replacing any file of that name.
Outcome saveFMLEProfile(FileOps& ops, const std::string& folder, const std::string& name,
                        const ProfileDocument& document);
// Removes the profile's file.
Outcome removeFMLEProfile(FileOps& ops, const std::string& folder,
                          const std::optional<std::string>& name);

}  // namespace tolvane::profile
