#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

namespace tolvane {

// The file system calls that touch a user's files, one virtual per call so that tests can make
// any one of them fail with a chosen errno. Each returns what the POSIX call returns and leaves
// errno set on failure. The base class calls the system.
class FileOps {
  public:
    virtual ~FileOps() = default;

    virtual int open(const std::string& path, int flags, mode_t mode = 0);
    virtual ssize_t read(int fd, void* buffer, size_t size);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual int fsync(int fd);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fstat(int fd, struct stat* info);
    virtual int close(int fd);
    virtual int stat(const std::string& path, struct stat* info);
    virtual int lstat(const std::string& path, struct stat* info);
    virtual int rename(const std::string& from, const std::string& to);
    virtual int link(const std::string& from, const std::string& to);
    virtual int unlink(const std::string& path);
    // Moves a file to the user's trash; -1 with ENOTSUP where no trash is known here (the window
    // supplies the desktop's).
    virtual int moveToTrash(const std::string& path);
};

}  // namespace tolvane
