#pragma once

#include <cerrno>
#include <string>
#include <vector>

#include "platform/FileOps.h"

namespace tolvane::testing {

// A file layer that passes every call through to the system, except that it can make one call
// fail: the n-th call of a kind (counting from 1), or every call of a kind on a path that contains
// a given text. Tests run as root too, where permission bits do not stop a write, so refused
// writes and undeletable files are simulated here.
class FailingFileOps : public FileOps {
  public:
    enum class Call {
        open,
        read,
        write,
        fsync,
        fchmod,
        fstat,
        close,
        stat,
        lstat,
        rename,
        link,
        unlink
    };

    // Fails the n-th call of this kind with the errno.
    void failNth(Call call, int n, int error = EIO);
    // Fails every call of this kind whose (first) path contains the text.
    void failOnPath(Call call, std::string pathPart, int error = EACCES);
    // Fails the n-th call overall, whatever its kind; with it a test can fail each call in turn.
    void failNthOfAny(int n, int error = EIO);
    void reset();

    // Calls seen so far, failed or not.
    int calls() const { return total_; }
    int calls(Call call) const { return counts_[static_cast<int>(call)]; }
    bool failed() const { return failedOnce_; }

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
    struct Rule {
        Call call;
        int nth;  // 0: by path
        std::string pathPart;
        int error;
    };
    // Counts the call and says whether it must fail; sets errno when it must.
    bool shouldFail(Call call, const std::string& path = {});

    std::vector<Rule> rules_;
    int anyNth_ = 0;
    int anyError_ = EIO;
    int total_ = 0;
    int counts_[12] = {};
    bool failedOnce_ = false;
};

}  // namespace tolvane::testing
