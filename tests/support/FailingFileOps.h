#pragma once

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "platform/FileOps.h"

namespace tolvane {

// The fault-injection seam of the file layer: passes every call through to the system, except
// the ones chosen to fail with a chosen errno: the n-th call overall, or every call of a kind on a
// path containing a text (a call on a descriptor goes by the path it was opened with). Tests run
// as root too, where permission bits stop no write, so refused writes and undeletable files are
// made here.
class FailingFileOps : public FileOps {
  public:
    enum class Call { open, write, rename, link, unlink, xattr, other };

    void failNthOfAny(int n, int error = EIO) { nth_ = n, nthError_ = error; }
    // Adds to the rules set before; an empty text matches every path.
    void failOnPath(Call call, std::string pathPart, int error = EACCES) {
        rules_.push_back({call, std::move(pathPart), error});
    }
    void reset() { *this = FailingFileOps(); }
    bool failed() const { return failed_; }

    int open(const std::string& path, int flags, mode_t mode = 0) override;
    ssize_t read(int fd, void* buffer, size_t size) override;
    ssize_t write(int fd, const void* data, size_t size) override;
    int fsync(int fd) override;
    int fchmod(int fd, mode_t mode) override;
    int fchown(int fd, uid_t owner, gid_t group) override;
    int fstat(int fd, struct stat* info) override;
    int close(int fd) override;
    int stat(const std::string& path, struct stat* info) override;
    int lstat(const std::string& path, struct stat* info) override;
    ssize_t readlink(const std::string& path, char* buffer, size_t size) override;
    int access(const std::string& path, int mode) override;
    int rename(const std::string& from, const std::string& to) override;
    int link(const std::string& from, const std::string& to) override;
    int unlink(const std::string& path) override;
    int readFolder(const std::string& path, std::vector<std::string>& names) override;
    ssize_t listxattr(const std::string& path, char* names, size_t size) override;
    ssize_t getxattr(const std::string& path, const std::string& name, void* value,
                     size_t size) override;
    ssize_t fgetxattr(int fd, const std::string& name, void* value, size_t size) override;
    int fsetxattr(int fd, const std::string& name, const void* value, size_t size) override;
    int fremovexattr(int fd, const std::string& name) override;
    int moveToTrash(const std::string& path) override;

  private:
    // Counts the call; true, with errno set, when it must fail.
    bool fails(Call call, const std::string& path = {});
    bool fails(Call call, int fd) { return fails(call, opened_[fd]); }

    struct Rule {
        Call call;
        std::string pathPart;
        int error;
    };
    int nth_ = 0, nthError_ = EIO, seen_ = 0;
    std::vector<Rule> rules_;
    std::map<int, std::string> opened_;
    bool failed_ = false;
};

}  // namespace tolvane
