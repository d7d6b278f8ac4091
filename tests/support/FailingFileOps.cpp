#include "support/FailingFileOps.h"

namespace tolvane {

bool FailingFileOps::fails(Call call, const std::string& path) {
    int error = ++seen_ == nth_ ? nthError_ : 0;
    for (const Rule& rule : rules_)
        if (call == rule.call && path.find(rule.pathPart) != std::string::npos) error = rule.error;
    if (error == 0) return false;
    errno = error;
    failed_ = true;
    return true;
}

int FailingFileOps::open(const std::string& path, int flags, mode_t mode) {
    if (fails(Call::open, path)) return -1;
    const int fd = FileOps::open(path, flags, mode);
    if (fd >= 0) opened_[fd] = path;
    return fd;
}
ssize_t FailingFileOps::read(int fd, void* buffer, size_t size) {
    return fails(Call::other, fd) ? -1 : FileOps::read(fd, buffer, size);
}
ssize_t FailingFileOps::write(int fd, const void* data, size_t size) {
    return fails(Call::write, fd) ? -1 : FileOps::write(fd, data, size);
}
int FailingFileOps::fsync(int fd) {
    return fails(Call::other, fd) ? -1 : FileOps::fsync(fd);
}
int FailingFileOps::fchmod(int fd, mode_t mode) {
    return fails(Call::other, fd) ? -1 : FileOps::fchmod(fd, mode);
}
int FailingFileOps::fchown(int fd, uid_t owner, gid_t group) {
    return fails(Call::other, fd) ? -1 : FileOps::fchown(fd, owner, group);
}
int FailingFileOps::fstat(int fd, struct stat* info) {
    return fails(Call::other, fd) ? -1 : FileOps::fstat(fd, info);
}
int FailingFileOps::close(int fd) {
    // The descriptor is closed even when the call reports failure, as close(2) does.
    const bool fail = fails(Call::other, fd);
    opened_.erase(fd);
    const int result = FileOps::close(fd);
    return fail ? (errno = EIO, -1) : result;
}
int FailingFileOps::stat(const std::string& path, struct stat* info) {
    return fails(Call::other, path) ? -1 : FileOps::stat(path, info);
}
int FailingFileOps::lstat(const std::string& path, struct stat* info) {
    return fails(Call::other, path) ? -1 : FileOps::lstat(path, info);
}
ssize_t FailingFileOps::readlink(const std::string& path, char* buffer, size_t size) {
    return fails(Call::other, path) ? -1 : FileOps::readlink(path, buffer, size);
}
int FailingFileOps::access(const std::string& path, int mode) {
    return fails(Call::other, path) ? -1 : FileOps::access(path, mode);
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
int FailingFileOps::readFolder(const std::string& path, std::vector<std::string>& names) {
    return fails(Call::other, path) ? -1 : FileOps::readFolder(path, names);
}
ssize_t FailingFileOps::listxattr(const std::string& path, char* names, size_t size) {
    return fails(Call::xattr, path) ? -1 : FileOps::listxattr(path, names, size);
}
ssize_t FailingFileOps::getxattr(const std::string& path, const std::string& name, void* value,
                                 size_t size) {
    return fails(Call::xattr, path) ? -1 : FileOps::getxattr(path, name, value, size);
}
ssize_t FailingFileOps::fgetxattr(int fd, const std::string& name, void* value, size_t size) {
    return fails(Call::xattr, fd) ? -1 : FileOps::fgetxattr(fd, name, value, size);
}
int FailingFileOps::fsetxattr(int fd, const std::string& name, const void* value, size_t size) {
    return fails(Call::xattr, fd) ? -1 : FileOps::fsetxattr(fd, name, value, size);
}
int FailingFileOps::fremovexattr(int fd, const std::string& name) {
    return fails(Call::xattr, fd) ? -1 : FileOps::fremovexattr(fd, name);
}
int FailingFileOps::moveToTrash(const std::string& path) {
    return fails(Call::other, path) ? -1 : FileOps::moveToTrash(path);
}

}  // namespace tolvane
