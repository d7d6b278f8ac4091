#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tl/expected.hpp>
#include <vector>

#include "platform/FileOps.h"
#include "platform/Outcome.h"

namespace tolvane {

// The whole content of a regular file, or why not: a missing or unreadable path (the errno's
// outcome), a folder, a FIFO or a device (notAFile; never opened in a way that blocks), or a file
// larger than maxBytes (tooLarge).
tl::expected<std::string, Outcome> readRegularFile(FileOps& ops, const std::string& path,
                                                   std::size_t maxBytes = std::size_t{1} << 30);

// The file a path names after following every symlink of its last component; the path itself
// when it is no link. A relative link target is taken from the link's folder.
std::string followSymlinks(FileOps& ops, const std::string& path);

// Whether anything exists at a path, symlinks followed.
bool exists(FileOps& ops, const std::string& path);

// Whether the folder a file path names (up to its last "/") exists, symlinks followed. A path
// without a folder, such as a Windows path from another machine, has none here.
bool folderOfFileExists(FileOps& ops, const std::string& file);

// A folder's entries with the types the listing gives, hidden ones included, without "." and
// "..", in the order the system lists them; or why the path cannot be listed (the errno's
// outcome: missing for no folder there).
tl::expected<std::vector<FolderEntry>, Outcome> listFolder(FileOps& ops, const std::string& folder);

// Whether a listed entry is a regular file or a symlink to one. Asks the file system only where
// the listing cannot tell: lstat for an unknown type, stat for a symlink.
bool isRegularFile(FileOps& ops, const std::string& folder, const FolderEntry& entry);

// Replaces the content of a file safely: symlinks are followed to their target; an existing file
// keeps its identity (see StagedFile) and is refused when the user may not write it
// (writeProtected) or it is no regular file (notAFile); a missing one is created. On any error the
// old file stays as it was and no temporary file is left.
[[nodiscard]] Outcome replaceFile(FileOps& ops, const std::string& path, std::string_view bytes);

// Replaces an existing file and keeps its previous content as the backup, with no moment at which
// either is missing: the new backup is made beside the old one (a hard link to the file, or a
// copy where links are refused) and renamed over it, then the new content is renamed over the
// file. Both paths are followed through symlinks. Refused, with nothing changed: a file that is
// missing, not a regular file or write-protected; a backup path holding anything but a regular
// file (backupNotAFile), one the user may not write, or the file itself (backupIsSameFile). On a
// later error both stay as they were, except that the backup may already hold the current file.
[[nodiscard]] Outcome replaceWithBackup(FileOps& ops, const std::string& path,
                                        const std::string& backupPath, std::string_view bytes);

// Moves a file to the trash where the FileOps has one (trashed), deletes it where there is no
// trash (deleted), and keeps it where moving it to the trash failed (trashFailed, with the
// errno). Trashed, the detail holds where in the trash it went, where the trash says. A symlink is
// removed itself, a folder is refused (notAFile).
[[nodiscard]] Outcome removeFile(FileOps& ops, const std::string& path);

// Removes the temporary files that saves killed midway left among a folder's listed entries:
// regular files named exactly as a save names them that no live save holds locked, whatever
// process or pid namespace it runs in. Returns how many went.
std::size_t removeStaleTemporaries(FileOps& ops, const std::string& folder,
                                   const std::vector<FolderEntry>& entries);
// The same, listing the folder first.
std::size_t removeStaleTemporaries(FileOps& ops, const std::string& folder);

}  // namespace tolvane
