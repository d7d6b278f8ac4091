#pragma once

#include <cerrno>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileOps.h"

namespace tolvane {

// The fault-injection seam of the file layer: passes every call a save makes through to the
// system, except the ones chosen to fail with a chosen errno: the n-th call from now, or every
// call of a kind on a path containing a text (a call on a descriptor goes by the path it was
// opened with). Tests run as root too, where permission bits stop no write, so refused writes
// are made here. It logs each call in order, and can run something of the test's (another
// process's doing) before any call.
class FailingFileOps : public FileOps {
  public:
    enum class Call { write, rename, link, xattr, other };
    struct Logged {
        std::string call, path, from;  // rename and link: the path they make, from what
    };

    void failNthOfAny(int n, int error = EIO) { nth_ = seen_ + n, nthError_ = error; }
    // Adds to the rules set before.
    void failOnPath(Call call, std::string pathPart, int error = EACCES) {
        rules_.push_back({call, std::move(pathPart), error});
    }
    bool failed() const { return failed_; }
    const std::vector<Logged>& log() const { return log_; }
    // Runs before each call, with the call's name and path.
    std::function<void(std::string_view call, const std::string& path)> before;

    int open(const std::string& path, int flags, mode_t mode = 0) override {
        const int fd = fails(Call::other, "open", path) ? -1 : FileOps::open(path, flags, mode);
        if (fd >= 0) opened_[fd] = path;
        return fd;
    }
    ssize_t write(int fd, const void* data, size_t size) override {
        return fails(Call::write, "write", fd) ? -1 : FileOps::write(fd, data, size);
    }
    int fsync(int fd) override { return fails(Call::other, "fsync", fd) ? -1 : FileOps::fsync(fd); }
    int fchmod(int fd, mode_t mode) override {
        return fails(Call::other, "fchmod", fd) ? -1 : FileOps::fchmod(fd, mode);
    }
    int fstat(int fd, struct stat* info) override {
        return fails(Call::other, "fstat", fd) ? -1 : FileOps::fstat(fd, info);
    }
    // Closed even when it reports failure, as close(2) does.
    int close(int fd) override {
        if (!fails(Call::other, "close", fd)) return FileOps::close(fd);
        const int error = errno;
        FileOps::close(fd);
        return errno = error, -1;
    }
    int stat(const std::string& path, struct stat* info) override {
        return fails(Call::other, "stat", path) ? -1 : FileOps::stat(path, info);
    }
    int lstat(const std::string& path, struct stat* info) override {
        return fails(Call::other, "lstat", path) ? -1 : FileOps::lstat(path, info);
    }
    int access(const std::string& path, int mode) override {
        return fails(Call::other, "access", path) ? -1 : FileOps::access(path, mode);
    }
    int rename(const std::string& from, const std::string& to) override {
        return fails(Call::rename, "rename", to, from) ? -1 : FileOps::rename(from, to);
    }
    int link(const std::string& from, const std::string& to) override {
        return fails(Call::link, "link", to, from) ? -1 : FileOps::link(from, to);
    }
    int unlink(const std::string& path) override {
        return fails(Call::other, "unlink", path) ? -1 : FileOps::unlink(path);
    }
    ssize_t listxattr(const std::string& path, char* names, size_t size) override {
        return fails(Call::xattr, "listxattr", path) ? -1 : FileOps::listxattr(path, names, size);
    }
    ssize_t fgetxattr(int fd, const std::string& name, void* value, size_t size) override {
        return fails(Call::xattr, "fgetxattr", fd) ? -1 : FileOps::fgetxattr(fd, name, value, size);
    }
    int fsetxattr(int fd, const std::string& name, const void* value, size_t size) override {
        return fails(Call::xattr, "fsetxattr", fd) ? -1 : FileOps::fsetxattr(fd, name, value, size);
    }
    int flock(int fd, int operation) override {
        return fails(Call::other, "flock", fd) ? -1 : FileOps::flock(fd, operation);
    }

  private:
    // Logs and counts the call; true, with errno set, when it must fail.
    bool fails(Call call, const char* name, int fd) { return fails(call, name, opened_[fd]); }
    bool fails(Call call, const char* name, const std::string& path, const std::string& from = {}) {
        if (before) before(name, path);
        log_.push_back({name, path, from});
        int error = ++seen_ == nth_ ? nthError_ : 0;
        for (const Rule& rule : rules_)
            if (call == rule.call && path.find(rule.pathPart) != std::string::npos)
                error = rule.error;
        if (error != 0) errno = error, failed_ = true;
        return error != 0;
    }

    struct Rule {
        Call call;
        std::string pathPart;
        int error;
    };
    int nth_ = 0, nthError_ = EIO, seen_ = 0;
    std::vector<Rule> rules_;
    std::map<int, std::string> opened_;
    std::vector<Logged> log_;
    bool failed_ = false;
};

}  // namespace tolvane
