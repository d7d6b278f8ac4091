#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileOps.h"

namespace tolvane {

// The whole content of a regular file, or nothing: a missing or unreadable path, a folder, a FIFO
// or a device (never opened in a way that blocks), or a file larger than maxBytes.
std::optional<std::string> readRegularFile(FileOps& ops, const std::string& path,
                                           std::size_t maxBytes = std::size_t{1} << 30);

// The file a path names after following every symlink of its last component; the path itself
// when it is no link. A relative link target is taken from the link's folder.
std::string followSymlinks(FileOps& ops, const std::string& path);

// New content for a file, first written in full to a temporary file in the target's folder. The
// target is replaced only by commit(), in one rename; a staged file that is not committed is
// removed when it goes out of scope.
class StagedFile {
  public:
    StagedFile(FileOps& ops, std::string target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes and fsyncs the temporary file. A mode is applied exactly; without one the file is
    // created as a new file would be (0666 less the umask). Returns 0 or the errno of the failure.
    int write(std::string_view bytes, std::optional<mode_t> mode);
    // Renames the temporary file over the target. Returns 0 or the errno of the failure.
    int commit();
    // Removes the temporary file now, if it is still there.
    void discard();

    const std::string& target() const { return target_; }
    const std::string& temporaryPath() const { return temporary_; }

  private:
    FileOps& ops_;
    std::string target_;
    std::string temporary_;
    bool pending_ = false;
};

// Replaces the content of path safely: symlinks are followed to their target, an existing
// file keeps its permission bits, and on any error the old file stays as it was and no temporary
// file is left. Returns 0 or the errno of the failure.
int replaceFileContents(FileOps& ops, const std::string& path, std::string_view bytes);

}  // namespace tolvane
