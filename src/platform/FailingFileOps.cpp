#include "platform/FailingFileOps.h"

namespace tolvane {

bool FailingFileOps::fails(Call call, const std::string& path) {
    int error = ++seen_ == nth_ ? nthError_ : 0;
    if (call == call_ && !pathPart_.empty() && path.find(pathPart_) != std::string::npos)
        error = pathError_;
    if (error == 0) return false;
    errno = error;
    failed_ = true;
    return true;
}

int FailingFileOps::open(const std::string& path, int flags, mode_t mode) {
    return fails(Call::open, path) ? -1 : FileOps::open(path, flags, mode);
}
ssize_t FailingFileOps::read(int fd, void* buffer, size_t size) {
    return fails(Call::other) ? -1 : FileOps::read(fd, buffer, size);
}
ssize_t FailingFileOps::write(int fd, const void* data, size_t size) {
    return fails(Call::write) ? -1 : FileOps::write(fd, data, size);
}
int FailingFileOps::fsync(int fd) {
    return fails(Call::other) ? -1 : FileOps::fsync(fd);
}
int FailingFileOps::fchmod(int fd, mode_t mode) {
    return fails(Call::other) ? -1 : FileOps::fchmod(fd, mode);
}
int FailingFileOps::fstat(int fd, struct stat* info) {
    return fails(Call::other) ? -1 : FileOps::fstat(fd, info);
}
int FailingFileOps::close(int fd) {
    // The descriptor is closed even when the call reports failure, as close(2) does.
    const bool fail = fails(Call::other);
    const int result = FileOps::close(fd);
    return fail ? (errno = EIO, -1) : result;
}
int FailingFileOps::stat(const std::string& path, struct stat* info) {
    return fails(Call::other, path) ? -1 : FileOps::stat(path, info);
}
int FailingFileOps::lstat(const std::string& path, struct stat* info) {
    return fails(Call::other, path) ? -1 : FileOps::lstat(path, info);
}
int FailingFileOps::rename(const std::string& from, const std::string& to) {
    return fails(Call::rename, to) ? -1 : FileOps::rename(from, to);
}
int FailingFileOps::link(const std::string& from, const std::string& to) {
    return fails(Call::link, to) ? -1 : FileOps::link(from, to);
}
int FailingFileOps::unlink(const std::string& path) {
    return fails(Call::unlink, path) ? -1 : FileOps::unlink(path);
}

}  // namespace tolvane
