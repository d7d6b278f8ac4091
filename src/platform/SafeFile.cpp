#include "platform/SafeFile.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>

#ifdef __APPLE__
#include <copyfile.h>
#endif

namespace tolvane {
namespace {

constexpr int kMaxSymlinkHops = 40;
constexpr int kNameAttempts = 100;
// ".tolvane-" then the creator's pid and a random number, 8 lowercase hex digits each.
constexpr std::string_view kTemporaryPrefix = ".tolvane-";
constexpr std::size_t kTemporaryLength = kTemporaryPrefix.size() + 8 + 1 + 8;

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

Outcome outcomeOf(Outcome::Kind kind, std::string path, int error = 0) {
    return Outcome{kind, error, std::move(path), {}};
}

// Fixed length whatever the target's name, so any name the folder can hold can be saved.
std::string temporaryName() {
    // splitmix64 over the clock: unpredictable enough for names that O_EXCL guards anyway.
    thread_local std::uint64_t state =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t z = state += 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    char name[kTemporaryLength + 1];
    std::snprintf(name, sizeof name, "%s%08x-%08x", kTemporaryPrefix.data(),
                  static_cast<unsigned>(::getpid()), static_cast<unsigned>(z));
    return name;
}

// The pid a temporary file's name gives, when the name is exactly one of ours.
std::optional<pid_t> creatorOf(std::string_view name) {
    const auto isHex = [](std::string_view digits) {
        return std::all_of(digits.begin(), digits.end(),
                           [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
    };
    const std::size_t pidAt = kTemporaryPrefix.size(), dashAt = pidAt + 8;
    if (name.size() != kTemporaryLength || !name.starts_with(kTemporaryPrefix) ||
        name[dashAt] != '-' || !isHex(name.substr(pidAt, 8)) || !isHex(name.substr(dashAt + 1)))
        return std::nullopt;
    std::uint32_t pid = 0;
    std::from_chars(name.data() + pidAt, name.data() + dashAt, pid, 16);
    // kill() takes 0 and negative numbers as process groups.
    if (pid == 0 || pid > static_cast<std::uint32_t>(std::numeric_limits<pid_t>::max()))
        return std::nullopt;
    return static_cast<pid_t>(pid);
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

int writeAll(FileOps& ops, int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ops.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

#ifdef __APPLE__
// ACL and extended attributes of the file at `from` onto `to`; false when not carried.
bool copyAttributes(FileOps& ops, const std::string& from, int to) {
    Descriptor source(ops, ops.open(from, O_RDONLY | O_NONBLOCK | O_NOFOLLOW));
    return source.get() >= 0 && ops.fcopyfile(source.get(), to, COPYFILE_ACL | COPYFILE_XATTR) == 0;
}
#else
constexpr const char* kAccessAcl = "system.posix_acl_access";

// A list or value that the xattr calls give after being asked for its size first.
template <typename Call>
std::optional<std::string> sizedRead(Call call) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = call(nullptr, 0);
        if (size <= 0) return size == 0 ? std::optional<std::string>("") : std::nullopt;
        std::string buffer(static_cast<std::size_t>(size), '\0');
        const ssize_t got = call(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(static_cast<std::size_t>(got));
            return buffer;
        }
        if (errno != ERANGE) return std::nullopt;  // else it grew meanwhile: ask again
    }
    return std::nullopt;
}

// Copies every extended attribute of the file at `from` that the process may read and set onto
// `to`. True when the new file's ACL is then the old one's (or neither has one); an attribute that
// carries no access may be lost.
bool copyAttributes(FileOps& ops, const std::string& from, int to) {
    const auto names = sizedRead([&](char* b, std::size_t n) { return ops.listxattr(from, b, n); });
    if (!names) return errno == ENOTSUP;  // a file system without attributes has no ACL either
    bool hadAcl = false, aclKept = true;
    for (std::size_t at = 0; at < names->size();) {
        const std::string name(names->c_str() + at);
        at += name.size() + 1;
        const auto value =
            sizedRead([&](char* b, std::size_t n) { return ops.getxattr(from, name, b, n); });
        const bool copied = value && ops.fsetxattr(to, name, value->data(), value->size()) == 0;
        if (name == kAccessAcl) hadAcl = true, aclKept = copied;
    }
    // A default ACL of the folder gives a new file an ACL that the old one did not have.
    if (!hadAcl) {
        if (ops.fgetxattr(to, kAccessAcl, nullptr, 0) >= 0)
            aclKept = ops.fremovexattr(to, kAccessAcl) == 0;
        else
            aclKept = errno == ENODATA || errno == ENOTSUP;
    }
    return aclKept;
}
#endif

// What the process itself may do with a file, as owner bits.
mode_t ownRights(FileOps& ops, const std::string& path) {
    return (ops.access(path, R_OK) == 0 ? S_IRUSR : 0) |
           (ops.access(path, W_OK) == 0 ? S_IWUSR : 0) |
           (ops.access(path, X_OK) == 0 ? S_IXUSR : 0);
}

// Gives the new file `fd` the identity of the old file `from`. The order matters: chown clears
// the set-id bits, and the ACL rewrites the group bits.
int carryIdentity(FileOps& ops, int fd, const std::string& from, const struct stat& old) {
    struct stat now {};
    if (ops.fstat(fd, &now) != 0) return errno;
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        // Root may give both; the owner may give a group it belongs to.
        if (ops.fchown(fd, old.st_uid, old.st_gid) != 0 && now.st_gid != old.st_gid)
            ops.fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        if (ops.fstat(fd, &now) != 0) return errno;
    }
    mode_t mode = old.st_mode & 07777;
    bool narrowed = false;
    if (now.st_uid != old.st_uid) {
        // The file becomes ours: the owner bits give us no more than the old file did.
        mode = (mode & ~(S_ISUID | S_IRWXU)) | ownRights(ops, from);
        narrowed = true;
    }
    if (now.st_gid != old.st_gid) {
        mode &= ~(S_ISGID | S_IRWXG);
        narrowed = true;
    }
    if (ops.fchmod(fd, mode) != 0) return errno;
    if (!copyAttributes(ops, from, fd)) {
        // Without the old ACL the group bits would be the group's own rights, not the ACL's mask.
        mode &= ~S_IRWXG;
        narrowed = true;
    }
    // A carried ACL sets the permission bits again; narrowing has the last word.
    if (narrowed && ops.fchmod(fd, mode) != 0) return errno;
    return 0;
}

bool linkRefused(int error) {
    return error == EXDEV || error == EPERM || error == EMLINK || error == ENOTSUP ||
           error == EOPNOTSUPP;
}

// New content for a file, first written in full to a temporary file in the target's folder,
// named ".tolvane-<creator's pid>-<random>" in hex whatever the target's name. The target is
// replaced only by commit(), in one rename; a staged file that is not committed is removed when
// it goes out of scope.
class StagedFile {
  public:
    StagedFile(FileOps& ops, std::string target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes and fsyncs the temporary file as a new file (0666 less the umask). Returns 0 or the
    // errno of the failure.
    int write(std::string_view bytes);
    // The same, giving the temporary file the identity of the file `like` (whose stat is `info`):
    // its owner and group as far as the process may, its permission bits, ACL and extended
    // attributes. What cannot be carried over is narrowed instead, so that no user or group gains
    // access that the old file did not give.
    int write(std::string_view bytes, const std::string& like, const struct stat& info);
    // Stages a hard link to an existing file instead of new content.
    int linkTo(const std::string& existing);
    // Renames the temporary file over the target. Returns 0 or the errno of the failure.
    int commit();
    // Removes the temporary file now, if it is still there.
    void discard();

  private:
    int fill(std::string_view bytes, mode_t createMode, const std::function<int(int fd)>& shape);

    FileOps& ops_;
    std::string target_;
    std::string temporary_;
    bool pending_ = false;
};

}  // namespace

tl::expected<std::string, Outcome> readRegularFile(FileOps& ops, const std::string& path,
                                                   std::size_t maxBytes) {
    const auto failed = [&](Outcome::Kind kind) { return tl::unexpected(outcomeOf(kind, path)); };
    // O_NONBLOCK so that a FIFO named like the file cannot hang us before fstat says what it is.
    Descriptor file(ops, ops.open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) return tl::unexpected(Outcome::fromErrno(errno, path));
    struct stat info {};
    if (ops.fstat(file.get(), &info) != 0) return tl::unexpected(Outcome::fromErrno(errno, path));
    if (!S_ISREG(info.st_mode)) return failed(Outcome::Kind::notAFile);
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return failed(Outcome::Kind::tooLarge);

    // Read into the string itself, one byte beyond the size fstat gave, so that a file that grew
    // meanwhile is still read whole.
    std::string content(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == content.size()) {
            if (content.size() > maxBytes) return failed(Outcome::Kind::tooLarge);
            content.resize(std::min(content.size() * 2, maxBytes + 1));
        }
        const ssize_t got = ops.read(file.get(), content.data() + used, content.size() - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            return tl::unexpected(Outcome::fromErrno(errno, path));
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    if (used > maxBytes) return failed(Outcome::Kind::tooLarge);
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
        const ssize_t length = ops.readlink(current, target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : folderOf(current) + "/" + target;
    }
    return current;
}

std::optional<std::vector<std::string>> listFolder(FileOps& ops, const std::string& folder) {
    std::vector<std::string> names;
    if (ops.readFolder(folder, names) != 0) return std::nullopt;
    return names;
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

int StagedFile::fill(std::string_view bytes, mode_t createMode,
                     const std::function<int(int fd)>& shape) {
    discard();
    const std::string folder = folderOf(target_) + "/";
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary_ = folder + temporaryName();
        fd = ops_.open(temporary_, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, createMode);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;
    pending_ = true;
    Descriptor file(ops_, fd);
    // Written before the identity is given: a write by a process without CAP_FSETID clears the
    // set-id bits.
    int error = writeAll(ops_, fd, bytes);
    if (error == 0) error = shape(fd);
    if (error == 0 && ops_.fsync(fd) != 0) error = errno;
    if (error == 0) error = file.close();
    if (error != 0) discard();
    return error;
}

int StagedFile::write(std::string_view bytes) {
    return fill(bytes, 0666, [](int) { return 0; });
}

int StagedFile::write(std::string_view bytes, const std::string& like, const struct stat& info) {
    return fill(bytes, 0600, [&](int fd) { return carryIdentity(ops_, fd, like, info); });
}

int StagedFile::linkTo(const std::string& existing) {
    discard();
    const std::string folder = folderOf(target_) + "/";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary_ = folder + temporaryName();
        if (ops_.link(existing, temporary_) == 0) {
            pending_ = true;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
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

Outcome replaceFile(FileOps& ops, const std::string& path, std::string_view bytes) {
    const std::string target = followSymlinks(ops, path);
    StagedFile staged(ops, target);
    struct stat old {};
    int error = 0;
    if (ops.stat(target, &old) == 0) {
        if (!S_ISREG(old.st_mode)) return outcomeOf(Outcome::Kind::notAFile, target);
        // The rename would only need the folder's permission; the file's own is what counts.
        if (ops.access(target, W_OK) != 0) return Outcome::fromErrno(errno, target);
        error = staged.write(bytes, target, old);
    } else if (errno == ENOENT) {
        error = staged.write(bytes);
    } else {
        return Outcome::fromErrno(errno, target);
    }
    if (error == 0) error = staged.commit();
    return Outcome::fromErrno(error, target);
}

Outcome replaceWithBackup(FileOps& ops, const std::string& path, const std::string& backupPath,
                          std::string_view bytes) {
    const std::string target = followSymlinks(ops, path);
    const std::string backup = followSymlinks(ops, backupPath);
    struct stat file {
    }, old{};
    if (ops.stat(target, &file) != 0) return Outcome::fromErrno(errno, target);
    if (!S_ISREG(file.st_mode)) return outcomeOf(Outcome::Kind::notAFile, target);
    if (ops.access(target, W_OK) != 0) return Outcome::fromErrno(errno, target);
    // Two names of one file (a backup left as a hard link by a save that failed at its very
    // end) already hold the current content as the backup; one name reached two ways does not.
    bool backupIsCurrent = false;
    if (ops.lstat(backup, &old) == 0) {
        if (!S_ISREG(old.st_mode)) return outcomeOf(Outcome::Kind::backupNotAFile, backup);
        if (old.st_dev == file.st_dev && old.st_ino == file.st_ino) {
            std::string realTarget, realBackup;
            if (ops.realpath(target, realTarget) != 0 || ops.realpath(backup, realBackup) != 0 ||
                realTarget == realBackup)
                return outcomeOf(Outcome::Kind::backupIsSameFile, backup);
            backupIsCurrent = true;
        }
        if (ops.access(backup, W_OK) != 0) return Outcome::fromErrno(errno, backup);
    } else if (errno != ENOENT) {
        return Outcome::fromErrno(errno, backup);
    }

    StagedFile staged(ops, target);
    if (const int error = staged.write(bytes, target, file))
        return Outcome::fromErrno(error, target);

    if (!backupIsCurrent) {
        // The new backup is complete under a temporary name before it replaces the old one.
        StagedFile copy(ops, backup);
        int error = copy.linkTo(target);
        if (linkRefused(error)) {
            const auto current = readRegularFile(ops, target);
            error = current ? copy.write(*current, target, file)
                            : (current.error().error ? current.error().error : EIO);
        }
        if (error == 0) error = copy.commit();
        if (error != 0) return Outcome::fromErrno(error, backup);
    }
    return Outcome::fromErrno(staged.commit(), target);
}

bool exists(FileOps& ops, const std::string& path) {
    struct stat info {};
    return ops.stat(path, &info) == 0;
}

bool folderOfFileExists(FileOps& ops, const std::string& file) {
    const auto slash = file.rfind('/');
    if (slash == std::string::npos) return false;
    struct stat info {};
    return ops.stat(slash == 0 ? "/" : file.substr(0, slash), &info) == 0 && S_ISDIR(info.st_mode);
}

Outcome removeFile(FileOps& ops, const std::string& path) {
    struct stat info {};
    if (ops.lstat(path, &info) != 0) return Outcome::fromErrno(errno, path);
    if (S_ISDIR(info.st_mode)) return outcomeOf(Outcome::Kind::notAFile, path, EISDIR);
    if (ops.moveToTrash(path) == 0) return outcomeOf(Outcome::Kind::trashed, path);
    if (ops.unlink(path) != 0) return Outcome::fromErrno(errno, path);
    return outcomeOf(Outcome::Kind::deleted, path);
}

std::size_t removeStaleTemporaries(FileOps& ops, const std::string& folder) {
    std::size_t removed = 0;
    for (const std::string& name : listFolder(ops, folder).value_or(std::vector<std::string>{})) {
        const auto pid = creatorOf(name);
        if (!pid || *pid == ::getpid() || ::kill(*pid, 0) == 0 || errno != ESRCH) continue;
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (ops.lstat(path, &info) == 0 && S_ISREG(info.st_mode) && ops.unlink(path) == 0)
            ++removed;
    }
    return removed;
}

}  // namespace tolvane
