#pragma once

#include <memory>
#include <optional>
#include <string>
#include <tl/expected.hpp>
#include <vector>

#include "platform/FileOps.h"
#include "platform/Outcome.h"
#include "profile/ProfileCatalogue.h"
#include "profile/ProfileDocument.h"

// FMLE's profile folder: which profiles it holds, and reading, writing and removing their files.
namespace tolvane::profile {

inline constexpr const char* kProfileFolder =
    "~/Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
// Profiles are a few kilobytes; a file this large is no profile and is not read.
inline constexpr std::size_t kMaxProfileBytes = std::size_t{64} << 20;

// The file of the profile with this name.
std::string profilePath(const std::string& folder, const std::string& name);

// A profile as opened: its document and the bytes it was read from.
struct OpenedProfile {
    ProfileDocument document;
    std::string bytes;
};
// Why a profile did not open: why its file could not be read, or, when it was read (read.ok()),
// why its bytes are no profile.
struct OpenFailure {
    Outcome read;
    ParseFailure parse = ParseFailure::notXml;
};

tl::expected<OpenedProfile, OpenFailure> openFMLEProfile(FileOps& ops, const std::string& folder,
                                                         const std::string& name);
// Removes the profile's file.
Outcome removeFMLEProfile(FileOps& ops, const std::string& folder,
                          const std::optional<std::string>& name);

}  // namespace tolvane::profile
