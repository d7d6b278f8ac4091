#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>

#ifdef __APPLE__
#include <copyfile.h>
#endif

namespace tolvane {
namespace {

constexpr int kMaxSymlinkHops = 40;
constexpr int kNameAttempts = 100;
// ".tolvane-" then the creator's pid and a random number, 8 lowercase hex digits each. The pid
// is for people reading the folder: a process in another pid namespace may have any pid.
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
    (void)std::snprintf(name, sizeof name, "%s%08x-%08x", kTemporaryPrefix.data(),
                        static_cast<unsigned>(::getpid()), static_cast<unsigned>(z));
    return name;
}

// Whether a name is exactly one that StagedFile gives.
bool isTemporaryName(std::string_view name) {
    const auto isHex = [](std::string_view digits) {
        return std::all_of(digits.begin(), digits.end(),
                           [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
    };
    const std::size_t pidAt = kTemporaryPrefix.size(), dashAt = pidAt + 8;
    return name.size() == kTemporaryLength && name.starts_with(kTemporaryPrefix) &&
           name[dashAt] == '-' && isHex(name.substr(pidAt, 8)) && isHex(name.substr(dashAt + 1));
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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

// Opens an existing file only to lock it, without following a symlink or waiting on a FIFO.
int openToLock(FileOps& ops, const std::string& path) {
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    const int fd = ops.open(path, O_RDONLY | kFlags);
    return fd < 0 && errno == EACCES ? ops.open(path, O_WRONLY | kFlags) : fd;
}

bool linkRefused(int error) {
    return error == EXDEV || error == EPERM || error == EMLINK || error == ENOTSUP ||
           error == EOPNOTSUPP;
}

// New content for a file, first written in full to a temporary file in the target's folder,
// named ".tolvane-<creator's pid>-<random>" in hex whatever the target's name. The target is
// replaced only by commit(), in one rename; a staged file that is not committed is removed when
// it goes out of scope. From its creation until then it holds a lock on the temporary file,
// which tells a start-up sweep in any process, in any pid namespace, that the file is live.
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
    // Makes a temporary name with `make` (which returns a descriptor on the new file, or -1 with
    // EEXIST or EAGAIN to try another name) and claims it. Returns 0 or the errno of the failure.
    int create(const std::function<int(const std::string& name)>& make);
    // Takes the lock on a temporary file just made: 0, EAGAIN when a sweep took it meanwhile (a
    // fresh name is then tried), or the errno of a failure.
    int claim(int fd);
    // Closes the descriptor, which ends the lock; the name stays.
    void release();
    int fill(std::string_view bytes, mode_t createMode, const std::function<int(int fd)>& shape);

    FileOps& ops_;
    std::string target_;
    std::string temporary_;
    int fd_ = -1;            // open on the temporary file, holding its lock
    struct stat staged_ {};  // the temporary file's identity
    bool pending_ = false;   // the temporary name is ours to remove
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
        current = target.front() == '/' ? target : folderOf(current).append("/").append(target);
    }
    return current;
}

tl::expected<std::vector<FolderEntry>, Outcome> listFolder(FileOps& ops,
                                                           const std::string& folder) {
    std::vector<FolderEntry> entries;
    if (ops.readFolder(folder, entries) != 0)
        return tl::unexpected(Outcome::fromErrno(errno, folder));
    return entries;
}

bool isRegularFile(FileOps& ops, const std::string& folder, const FolderEntry& entry) {
    EntryType type = entry.type;
    if (type == EntryType::regular) return true;
    if (type != EntryType::unknown && type != EntryType::symlink) return false;
    struct stat info {};
    const std::string path = folder + "/" + entry.name;
    if (type == EntryType::unknown) {
        if (ops.lstat(path, &info) != 0) return false;
        type = S_ISREG(info.st_mode)   ? EntryType::regular
               : S_ISLNK(info.st_mode) ? EntryType::symlink
                                       : EntryType::other;
    }
    if (type == EntryType::symlink) return ops.stat(path, &info) == 0 && S_ISREG(info.st_mode);
    return type == EntryType::regular;
}

StagedFile::StagedFile(FileOps& ops, std::string target) : ops_(ops), target_(std::move(target)) {}

StagedFile::~StagedFile() {
    discard();
}

void StagedFile::release() {
    if (fd_ >= 0) ops_.close(fd_);
    fd_ = -1;
}

void StagedFile::discard() {
    if (pending_) ops_.unlink(temporary_);
    pending_ = false;
    release();
}

int StagedFile::claim(int fd) {
    fd_ = fd;
    pending_ = true;
    // Shared, as the temporary names of several saves may be links to one file (a backup's); a
    // sweep asks for it exclusively.
    const bool locked = ops_.flock(fd, LOCK_SH | LOCK_NB) == 0;
    if (!locked && errno == EWOULDBLOCK) {  // a sweep holds it: give it up
        discard();
        return EAGAIN;
    }
    // Without locks on this file system the save goes on; a sweep cannot lock the file either,
    // and leaves it.
    if (ops_.fstat(fd, &staged_) != 0) return errno;
    if (!locked) return 0;
    // A sweep may have removed the name between its creation and the lock.
    struct stat named {};
    if (ops_.lstat(temporary_, &named) != 0) {
        if (errno != ENOENT) return errno;
    } else if (sameFile(named, staged_)) {
        return 0;
    }
    pending_ = false;
    release();
    return EAGAIN;
}

int StagedFile::create(const std::function<int(const std::string& name)>& make) {
    discard();
    const std::string folder = folderOf(target_) + "/";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary_ = folder + temporaryName();
        const int fd = make(temporary_);
        if (fd < 0) {
            if (errno == EEXIST || errno == EAGAIN) continue;
            return errno;
        }
        if (const int error = claim(fd); error != EAGAIN) return error;
    }
    return EEXIST;
}

int StagedFile::fill(std::string_view bytes, mode_t createMode,
                     const std::function<int(int fd)>& shape) {
    int error = create([&](const std::string& name) {
        return ops_.open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, createMode);
    });
    // Written before the identity is given: a write by a process without CAP_FSETID clears the
    // set-id bits.
    if (error == 0) error = writeAll(ops_, fd_, bytes);
    if (error == 0) error = shape(fd_);
    // fsync reports every error of the writes; the descriptor stays open, holding the lock, until
    // commit or discard, so its close has nothing to add.
    if (error == 0 && ops_.fsync(fd_) != 0) error = errno;
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
    const int error = create([&](const std::string& name) {
        if (ops_.link(existing, name) != 0) return -1;
        const int fd = openToLock(ops_, name);
        if (fd >= 0) return fd;
        if (errno == ENOENT) return errno = EAGAIN, -1;  // a sweep took it
        const int failure = errno;
        ops_.unlink(name);
        return errno = failure, -1;
    });
    if (error != 0) discard();
    return error;
}

int StagedFile::commit() {
    if (!pending_) return EINVAL;
    if (ops_.rename(temporary_, target_) != 0) {
        const int error = errno;
        discard();
        return error;
    }
    pending_ = false;
    // Where the target is already a link to the same file (another process has just made the
    // backup one), rename does nothing and leaves the temporary name.
    struct stat left {};
    if (ops_.lstat(temporary_, &left) == 0 && sameFile(left, staged_)) ops_.unlink(temporary_);
    release();
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
    std::string inTrash;
    if (ops.moveToTrashAt(path, inTrash) == 0) {
        Outcome trashed = outcomeOf(Outcome::Kind::trashed, path);
        trashed.detail = std::move(inTrash);
        return trashed;
    }
    // Deleted only where there is no trash at all; a trash that failed keeps the file.
    if (errno != ENOTSUP) return outcomeOf(Outcome::Kind::trashFailed, path, errno);
    if (ops.unlink(path) != 0) return Outcome::fromErrno(errno, path);
    return outcomeOf(Outcome::Kind::deleted, path);
}

std::size_t removeStaleTemporaries(FileOps& ops, const std::string& folder,
                                   const std::vector<FolderEntry>& entries) {
    std::size_t removed = 0;
    for (const FolderEntry& entry : entries) {
        if (!isTemporaryName(entry.name) ||
            (entry.type != EntryType::regular && entry.type != EntryType::unknown))
            continue;
        const std::string path = folder + "/" + entry.name;
        // A save holds a lock on its temporary file from its creation to its end: only a file
        // no one holds is stale. The name must still be that file, as a save that has just ended
        // renamed it away.
        Descriptor file(ops, openToLock(ops, path));
        struct stat opened {
        }, named{};
        if (file.get() >= 0 && ops.fstat(file.get(), &opened) == 0 && S_ISREG(opened.st_mode) &&
            ops.flock(file.get(), LOCK_EX | LOCK_NB) == 0 && ops.lstat(path, &named) == 0 &&
            sameFile(named, opened) && ops.unlink(path) == 0)
            ++removed;
    }
    return removed;
}

std::size_t removeStaleTemporaries(FileOps& ops, const std::string& folder) {
    const auto entries = listFolder(ops, folder);
    return entries ? removeStaleTemporaries(ops, folder, *entries) : 0;
}

}  // namespace tolvane
