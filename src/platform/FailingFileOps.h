#pragma once

#include <cerrno>
#include <string>

#include "platform/FileOps.h"

namespace tolvane {

// The fault-injection seam of the file layer: passes every call through to the system, except
// the one chosen to fail with a chosen errno, the n-th call overall or every call of a kind on a
// path containing a text. Tests run as root too, where permission bits stop no write, so refused
// writes and undeletable files are made here.
class FailingFileOps : public FileOps {
  public:
    enum class Call { open, write, rename, link, unlink, other };

    void failNthOfAny(int n, int error = EIO) { nth_ = n, nthError_ = error; }
    void failOnPath(Call call, std::string pathPart, int error = EACCES) {
        call_ = call, pathPart_ = std::move(pathPart), pathError_ = error;
    }
    void reset() { *this = FailingFileOps(); }
    bool failed() const { return failed_; }

    int open(const std::string& path, int flags, mode_t mode = 0) override;
    ssize_t read(int fd, void* buffer, size_t size) override;
    ssize_t write(int fd, const void* data, size_t size) override;
    int fsync(int fd) override;
    int fchmod(int fd, mode_t mode) override;
    int fstat(int fd, struct stat* info) override;
    int close(int fd) override;
    int stat(const std::string& path, struct stat* info) override;
    int lstat(const std::string& path, struct stat* info) override;
    int rename(const std::string& from, const std::string& to) override;
    int link(const std::string& from, const std::string& to) override;
    int unlink(const std::string& path) override;

  private:
    // Counts the call; true, with errno set, when it must fail.
    bool fails(Call call, const std::string& path = {});

    int nth_ = 0, nthError_ = EIO, seen_ = 0;
    Call call_ = Call::other;
    std::string pathPart_;
    int pathError_ = 0;
    bool failed_ = false;
};

}  // namespace tolvane
