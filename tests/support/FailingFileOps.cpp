#include "support/FailingFileOps.h"

namespace tolvane::testing {

void FailingFileOps::failNth(Call call, int n, int error) {
    rules_.push_back({call, n, {}, error});
}
void FailingFileOps::failOnPath(Call call, std::string pathPart, int error) {
    rules_.push_back({call, 0, std::move(pathPart), error});
}
void FailingFileOps::failNthOfAny(int n, int error) {
    anyNth_ = n;
    anyError_ = error;
}
void FailingFileOps::reset() {
    rules_.clear();
    anyNth_ = 0;
    total_ = 0;
    for (int& count : counts_)
        count = 0;
    failedOnce_ = false;
}

bool FailingFileOps::shouldFail(Call call, const std::string& path) {
    int& count = counts_[static_cast<int>(call)];
    ++count;
    ++total_;
    int error = 0;
    if (anyNth_ != 0 && total_ == anyNth_) error = anyError_;
    for (const Rule& rule : rules_) {
        if (rule.call != call) continue;
        if (rule.nth != 0 ? rule.nth == count
                          : !path.empty() && path.find(rule.pathPart) != std::string::npos)
            error = rule.error;
    }
    if (error == 0) return false;
    errno = error;
    failedOnce_ = true;
    return true;
}

int FailingFileOps::open(const std::string& path, int flags, mode_t mode) {
    return shouldFail(Call::open, path) ? -1 : FileOps::open(path, flags, mode);
}
ssize_t FailingFileOps::read(int fd, void* buffer, size_t size) {
    return shouldFail(Call::read) ? -1 : FileOps::read(fd, buffer, size);
}
ssize_t FailingFileOps::write(int fd, const void* data, size_t size) {
    return shouldFail(Call::write) ? -1 : FileOps::write(fd, data, size);
}
int FailingFileOps::fsync(int fd) {
    return shouldFail(Call::fsync) ? -1 : FileOps::fsync(fd);
}
int FailingFileOps::fchmod(int fd, mode_t mode) {
    return shouldFail(Call::fchmod) ? -1 : FileOps::fchmod(fd, mode);
}
int FailingFileOps::fstat(int fd, struct stat* info) {
    return shouldFail(Call::fstat) ? -1 : FileOps::fstat(fd, info);
}
int FailingFileOps::close(int fd) {
    // The descriptor is closed even when the call reports failure, as close(2) does.
    const bool fail = shouldFail(Call::close);
    const int result = FileOps::close(fd);
    if (!fail) return result;
    errno = EIO;
    return -1;
}
int FailingFileOps::stat(const std::string& path, struct stat* info) {
    return shouldFail(Call::stat, path) ? -1 : FileOps::stat(path, info);
}
int FailingFileOps::lstat(const std::string& path, struct stat* info) {
    return shouldFail(Call::lstat, path) ? -1 : FileOps::lstat(path, info);
}
int FailingFileOps::rename(const std::string& from, const std::string& to) {
    return shouldFail(Call::rename, to) ? -1 : FileOps::rename(from, to);
}
int FailingFileOps::link(const std::string& from, const std::string& to) {
    return shouldFail(Call::link, to) ? -1 : FileOps::link(from, to);
}
int FailingFileOps::unlink(const std::string& path) {
    return shouldFail(Call::unlink, path) ? -1 : FileOps::unlink(path);
}

}  // namespace tolvane::testing
