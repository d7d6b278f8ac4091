#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileOps.h"

// Which profiles FMLE's folder holds, in an order that is the same on every file system, and
// which of them a typed name means.
namespace tolvane::profile {

// A profile's file is its name and this.
inline constexpr std::string_view kProfileExtension = ".xml";

// A profile name from a folder entry: the name less its extension, unless its only dot leads it.
std::string profileNameOf(const std::string& entry);
// Whether a name can be saved under: not empty, no "/" or NUL, not "." or "..".
bool isAcceptableProfileName(const std::string& name);

// The profiles among a folder's listed entries: regular files, and symlinks to them, named
// "<name>.xml" and not hidden. Sorted by name ignoring case (see sortKeyOf); nothing when there
// is none. Moved from, the entries give their names up to the catalogue.
std::optional<std::vector<std::string>> catalogueOf(FileOps& ops, const std::string& folder,
                                                    std::vector<FolderEntry> entries);
// The same, listing the folder first; nothing for a missing or unlistable folder.
std::optional<std::vector<std::string>> collectFMLEProfiles(FileOps& ops,
                                                            const std::string& folder);

// What a name sorts by: Unicode NFC, case-folded, so that an APFS folder (which lists in hash
// order) and a decomposed HFS+ name sort as anywhere else. Bytes that are not UTF-8 sort as
// they are, ASCII letters folded.
std::string sortKeyOf(std::string_view name);
// Whether two names are the same under Unicode NFC (macOS gives file names back decomposed).
bool sameProfileName(std::string_view a, std::string_view b);

// The listed name a typed name means: the name itself when it is listed, else the first listed
// name equal to it under NFC; nothing when no listed name is.
std::optional<std::string> listedProfileName(const std::optional<std::vector<std::string>>& listed,
                                             const std::string& typed);
// The name whose file a save under a typed name writes: the listed name it means, else the name
// as typed.
std::string profileFileName(const std::optional<std::vector<std::string>>& listed,
                            const std::string& typed);

}  // namespace tolvane::profile
