#include "platform/SafeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace tolvane {
namespace {

constexpr int kMaxSymlinkHops = 40;

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
  public:
    Descriptor(FileOps& ops, int fd) : ops_(ops), fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ops_.close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the error that close gives, which may be a delayed write error.
    int close() {
        const int fd = fd_;
        fd_ = -1;
        return ops_.close(fd) == 0 ? 0 : errno;
    }

  private:
    FileOps& ops_;
    int fd_;
};

void syncFolder(FileOps& ops, const std::string& folder) {
    Descriptor dir(ops, ops.open(folder, O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0) ops.fsync(dir.get());  // the data is already in place; best effort
}

}  // namespace

std::optional<std::string> readRegularFile(FileOps& ops, const std::string& path,
                                           std::size_t maxBytes) {
    // O_NONBLOCK so that a FIFO named like the file cannot hang us before fstat says what it is.
    Descriptor file(ops, ops.open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) return std::nullopt;
    struct stat info {};
    if (ops.fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return std::nullopt;

    // Read into the string itself, one byte beyond the size fstat gave, so that a file that grew
    // meanwhile is still read whole.
    std::string content(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == content.size()) {
            if (content.size() > maxBytes) return std::nullopt;
            content.resize(std::min(content.size() * 2, maxBytes + 1));
        }
        const ssize_t got = ops.read(file.get(), content.data() + used, content.size() - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    if (used > maxBytes) return std::nullopt;
    content.resize(used);
    return content;
}

std::string followSymlinks(FileOps& ops, const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxSymlinkHops; ++hop) {
        struct stat info {};
        if (ops.lstat(current, &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1,
                           '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : folderOf(current) + "/" + target;
    }
    return current;
}

StagedFile::StagedFile(FileOps& ops, std::string target) : ops_(ops), target_(std::move(target)) {}

StagedFile::~StagedFile() {
    discard();
}

void StagedFile::discard() {
    if (!pending_) return;
    ops_.unlink(temporary_);
    pending_ = false;
}

int StagedFile::write(std::string_view bytes, std::optional<mode_t> mode) {
    discard();
    const std::string stem = folderOf(target_) + "/." + baseNameOf(target_) + ".tolvane-";
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary_ = stem + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ops_.open(temporary_, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;
    pending_ = true;
    Descriptor file(ops_, fd);

    const auto fail = [this](int error) {
        discard();
        return error;
    };
    if (mode && ops_.fchmod(fd, *mode & 07777) != 0) return fail(errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ops_.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        if (n == 0) return fail(EIO);
        written += static_cast<std::size_t>(n);
    }
    if (ops_.fsync(fd) != 0) return fail(errno);
    if (const int error = file.close()) return fail(error);
    return 0;
}

int StagedFile::commit() {
    if (!pending_) return EINVAL;
    if (ops_.rename(temporary_, target_) != 0) {
        const int error = errno;
        discard();
        return error;
    }
    pending_ = false;
    syncFolder(ops_, folderOf(target_));
    return 0;
}

int replaceFileContents(FileOps& ops, const std::string& path, std::string_view bytes) {
    const std::string target = followSymlinks(ops, path);
    std::optional<mode_t> mode;
    struct stat info {};
    if (ops.stat(target, &info) == 0) {
        if (!S_ISREG(info.st_mode)) return EISDIR;
        mode = info.st_mode;
    } else if (errno != ENOENT) {
        return errno;
    }
    StagedFile staged(ops, target);
    if (const int error = staged.write(bytes, mode)) return error;
    return staged.commit();
}

}  // namespace tolvane
