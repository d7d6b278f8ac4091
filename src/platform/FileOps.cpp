#include "platform/FileOps.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>

#ifdef __APPLE__
#include <copyfile.h>
#endif

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
#ifdef __APPLE__
    if (::fcntl(fd, F_FULLFSYNC) == 0) return 0;  // not every file system offers it
#endif
    return ::fsync(fd);
}
int FileOps::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int FileOps::fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
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
int FileOps::realpath(const std::string& path, std::string& resolved) {
    char* found = ::realpath(path.c_str(), nullptr);
    if (!found) return -1;
    resolved = found;
    std::free(found);
    return 0;
}

ssize_t FileOps::readlink(const std::string& path, char* buffer, size_t size) {
    return ::readlink(path.c_str(), buffer, size);
}
int FileOps::access(const std::string& path, int mode) {
    return ::access(path.c_str(), mode);
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

int FileOps::flock(int fd, int operation) {
    return ::flock(fd, operation);
}

namespace {

EntryType typeOf(const dirent& entry) {
#if defined(_DIRENT_HAVE_D_TYPE) || defined(__APPLE__)
    switch (entry.d_type) {
        case DT_REG:
            return EntryType::regular;
        case DT_DIR:
            return EntryType::folder;
        case DT_LNK:
            return EntryType::symlink;
        case DT_UNKNOWN:
            return EntryType::unknown;
        default:
            return EntryType::other;
    }
#else
    (void)entry;
    return EntryType::unknown;
#endif
}

}  // namespace

int FileOps::readFolder(const std::string& path, std::vector<FolderEntry>& entries) {
    DIR* folder = ::opendir(path.c_str());
    if (!folder) return -1;
    // Room for the entries the folder's size suggests (some 20 to 30 bytes each, name included,
    // on ext4 and tmpfs): a long listing then grows without copying itself, and room not filled
    // is never touched.
    struct stat info {};
    if (::fstat(::dirfd(folder), &info) == 0 && info.st_size > 0)
        entries.reserve(entries.size() + std::min<std::size_t>(
                                             static_cast<std::size_t>(info.st_size) / 16, 1 << 20));
    int error = 0;
    for (;;) {
        errno = 0;  // readdir's end and its failure differ only in errno
        const dirent* entry = ::readdir(folder);
        if (!entry) {
            error = errno;
            break;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") entries.push_back({std::string(name), typeOf(*entry)});
    }
    ::closedir(folder);
    if (error == 0) return 0;
    errno = error;
    return -1;
}

#ifdef __APPLE__
ssize_t FileOps::listxattr(const std::string& path, char* names, size_t size) {
    return ::listxattr(path.c_str(), names, size, 0);
}
ssize_t FileOps::getxattr(const std::string& path, const std::string& name, void* value,
                          size_t size) {
    return ::getxattr(path.c_str(), name.c_str(), value, size, 0, 0);
}
ssize_t FileOps::fgetxattr(int fd, const std::string& name, void* value, size_t size) {
    return ::fgetxattr(fd, name.c_str(), value, size, 0, 0);
}
int FileOps::fsetxattr(int fd, const std::string& name, const void* value, size_t size) {
    return ::fsetxattr(fd, name.c_str(), value, size, 0, 0);
}
int FileOps::fremovexattr(int fd, const std::string& name) {
    return ::fremovexattr(fd, name.c_str(), 0);
}
int FileOps::fcopyfile(int from, int to, unsigned flags) {
    return ::fcopyfile(from, to, nullptr, flags);
}
#else
ssize_t FileOps::listxattr(const std::string& path, char* names, size_t size) {
    return ::listxattr(path.c_str(), names, size);
}
ssize_t FileOps::getxattr(const std::string& path, const std::string& name, void* value,
                          size_t size) {
    return ::getxattr(path.c_str(), name.c_str(), value, size);
}
ssize_t FileOps::fgetxattr(int fd, const std::string& name, void* value, size_t size) {
    return ::fgetxattr(fd, name.c_str(), value, size);
}
int FileOps::fsetxattr(int fd, const std::string& name, const void* value, size_t size) {
    return ::fsetxattr(fd, name.c_str(), value, size, 0);
}
int FileOps::fremovexattr(int fd, const std::string& name) {
    return ::fremovexattr(fd, name.c_str());
}
#endif

int FileOps::moveToTrash(const std::string&) {
    errno = ENOTSUP;
    return -1;
}

int FileOps::moveToTrashAt(const std::string& path, std::string& inTrash) {
    inTrash.clear();
    return moveToTrash(path);
}

bool FileOps::hasTrash() {
    return false;
}

int FileOps::restoreFromTrash(const std::string& inTrash, const std::string& path) {
    // rename() would replace a profile saved under that name meanwhile.
    struct stat info {};
    if (lstat(path, &info) == 0) {
        errno = EEXIST;
        return -1;
    }
    return rename(inTrash, path);
}

}  // namespace tolvane
