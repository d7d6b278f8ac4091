#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

// What a folder listing says an entry is, without asking the file system again; unknown where
// the file system does not say (lstat tells then).
enum class EntryType : std::uint8_t { unknown, regular, folder, symlink, other };

struct FolderEntry {
    std::string name;
    EntryType type = EntryType::unknown;
};

// The file system calls that touch a user's files, one virtual per call so that tests can make
// any one of them fail with a chosen errno. Each returns what the POSIX call returns and leaves
// errno set on failure. The base class calls the system.
class FileOps {
  public:
    virtual ~FileOps() = default;

    virtual int open(const std::string& path, int flags, mode_t mode = 0);
    virtual ssize_t read(int fd, void* buffer, size_t size);
    virtual ssize_t write(int fd, const void* data, size_t size);
    // On macOS fsync alone leaves the data in the drive's cache: F_FULLFSYNC there.
    virtual int fsync(int fd);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    virtual int fstat(int fd, struct stat* info);
    virtual int close(int fd);
    virtual int stat(const std::string& path, struct stat* info);
    virtual int lstat(const std::string& path, struct stat* info);
    virtual ssize_t readlink(const std::string& path, char* buffer, size_t size);
    // The path with every symlink, "." and ".." resolved, into resolved; 0 or -1.
    virtual int realpath(const std::string& path, std::string& resolved);
    virtual int access(const std::string& path, int mode);
    virtual int rename(const std::string& from, const std::string& to);
    virtual int link(const std::string& from, const std::string& to);
    virtual int unlink(const std::string& path);
    // Appends a folder's entries with their types, "." and ".." left out, in the system's order.
    virtual int readFolder(const std::string& path, std::vector<FolderEntry>& entries);
    // flock(2): an advisory lock on the open file, which ends when its last descriptor closes.
    virtual int flock(int fd, int operation);

    // Extended attributes, the POSIX ACL among them on Linux: read by path, so that a file we
    // may write but not read still gives them, and set on the descriptor of a new file.
    virtual ssize_t listxattr(const std::string& path, char* names, size_t size);
    virtual ssize_t getxattr(const std::string& path, const std::string& name, void* value,
                             size_t size);
    virtual ssize_t fgetxattr(int fd, const std::string& name, void* value, size_t size);
    virtual int fsetxattr(int fd, const std::string& name, const void* value, size_t size);
    virtual int fremovexattr(int fd, const std::string& name);
#ifdef __APPLE__
    // ACL and extended attributes in one call (copyfile(3)'s flags).
    virtual int fcopyfile(int from, int to, unsigned flags);
#endif

    // Moves a file to the desktop's trash. -1 with ENOTSUP where there is no trash (the core has
    // none; the window supplies one), with another errno where moving it there failed.
    virtual int moveToTrash(const std::string& path);
    // The same, telling where in the trash the file went (empty where the trash does not say),
    // so that it can be put back.
    virtual int moveToTrashAt(const std::string& path, std::string& inTrash);
    // Whether moveToTrash() has a trash to move to; without one, removing deletes for good.
    virtual bool hasTrash();
    // Puts a file moved to the trash back at its path; EEXIST where something is there now.
    virtual int restoreFromTrash(const std::string& inTrash, const std::string& path);
};

}  // namespace tolvane
