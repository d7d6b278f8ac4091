#include "platform/FileOps.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tolvane {

int FileOps::open(const std::string& path, int flags, mode_t mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
ssize_t FileOps::read(int fd, void* buffer, size_t size) {
    return ::read(fd, buffer, size);
}
ssize_t FileOps::write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}
int FileOps::fsync(int fd) {
    return ::fsync(fd);
}
int FileOps::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int FileOps::fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}
int FileOps::close(int fd) {
    return ::close(fd);
}
int FileOps::stat(const std::string& path, struct stat* info) {
    return ::stat(path.c_str(), info);
}
int FileOps::lstat(const std::string& path, struct stat* info) {
    return ::lstat(path.c_str(), info);
}
int FileOps::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}
int FileOps::link(const std::string& from, const std::string& to) {
    return ::link(from.c_str(), to.c_str());
}
int FileOps::unlink(const std::string& path) {
    return ::unlink(path.c_str());
}

int FileOps::moveToTrash(const std::string&) {
    errno = ENOTSUP;
    return -1;
}

}  // namespace tolvane
