#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "platform/SafeFile.h"
#include "support/FailingFileOps.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using Kind = Outcome::Kind;
using testing::entryCount;
using testing::readFile;

constexpr uid_t kNobody = 65534;
constexpr const char* kAcl = "system.posix_acl_access";

// Files in a temporary home: put() writes one with a mode and gives its path.
struct Folder {
    std::string put(const std::string& name, const std::string& bytes, mode_t mode = 0644) const {
        const std::string file = home.write(name, bytes).string();
        ::chmod(file.c_str(), mode);
        return file;
    }
    std::string path(const std::string& name) const { return (home.path() / name).string(); }
    testing::TempHome home;
    FileOps ops;
};

struct stat statOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

std::optional<std::string> attribute(const std::string& path, const char* name) {
    std::string value(256, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    return size < 0 ? std::nullopt : std::optional(value.substr(0, static_cast<size_t>(size)));
}

// Gives user 12345 rw through an ACL, as Linux stores one (version 2, then tag, rights and id of
// each entry, little-endian): owner rw, user 12345 rw, group r, mask rw, others nothing.
int setAcl(const std::string& path, const char* name = kAcl) {
    static const std::string acl(
        "\2\0\0\0\1\0\6\0\xff\xff\xff\xff\2\0\6\0\x39\x30\0\0\4\0\4\0\xff\xff\xff\xff"
        "\x10\0\6\0\xff\xff\xff\xff\x20\0\0\0\xff\xff\xff\xff",
        44);
    return ::setxattr(path.c_str(), name, acl.data(), acl.size(), 0);
}

TEST(SafeFile, AReplacedFileKeepsItsIdentityAndNeverWidensAccess) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving files away and becoming another user need root";
    Folder f;
    const std::string file = f.put("shared.xml", "old", 0640);
    ASSERT_EQ(0, ::chown(file.c_str(), kNobody, kNobody));
    ASSERT_EQ(0, setAcl(file));
    ASSERT_EQ(0, ::setxattr(file.c_str(), "user.origin", "fmle", 4, 0));
    const mode_t mode = statOf(file).st_mode;
    const auto acl = attribute(file, kAcl);

    EXPECT_EQ(Kind::saved, replaceFile(f.ops, file, "new").kind);
    EXPECT_EQ(kNobody, statOf(file).st_uid);
    EXPECT_EQ(kNobody, statOf(file).st_gid);
    EXPECT_EQ(mode, statOf(file).st_mode);
    EXPECT_EQ(acl, attribute(file, kAcl));
    EXPECT_EQ("fmle", attribute(file, "user.origin"));

    // An ACL that cannot be carried over takes the group bits with it: they would be its mask.
    FailingFileOps failing;
    failing.failOnPath(FailingFileOps::Call::xattr, "/.tolvane-", EIO);  // on the new file
    EXPECT_EQ(Kind::saved, replaceFile(failing, file, "newer").kind);
    EXPECT_EQ(mode & ~S_IRWXG, statOf(file).st_mode);
    EXPECT_FALSE(attribute(file, kAcl));

    // Nor does a file gain the folder's default ACL, which its mode would unmask.
    fs::create_directory(f.path("inherits"));
    ASSERT_EQ(0, setAcl(f.path("inherits"), "system.posix_acl_default"));
    const std::string plain = f.put("inherits/plain.xml", "old", 0644);
    ASSERT_EQ(0, ::removexattr(plain.c_str(), kAcl));
    EXPECT_EQ(Kind::saved, replaceFile(f.ops, plain, "new").kind);
    EXPECT_FALSE(attribute(plain, kAcl));
    EXPECT_EQ(0644u, statOf(plain).st_mode & 07777);

    // An unprivileged user neither replaces a file it may not write nor widens access.
    ASSERT_EQ(0, ::chown(f.home.path().c_str(), kNobody, kNobody));
    const std::string locked = f.put("locked.xml", "keep", 0444);
    const std::string shared = f.put("group.xml", "old", 0664);
    ASSERT_EQ(0, ::chown(locked.c_str(), kNobody, kNobody));
    ASSERT_EQ(0, ::chown(shared.c_str(), kNobody, 0));  // a group the user is not in

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool ok =
            ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
            replaceFile(f.ops, locked, "new").kind == Kind::writeProtected &&
            replaceWithBackup(f.ops, shared, locked, "x").kind == Kind::writeProtected &&
            replaceFile(f.ops, shared, "new").ok();
        ::_exit(ok ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(0, status);
    EXPECT_EQ("keep", readFile(locked));
    EXPECT_EQ(kNobody, statOf(shared).st_gid);  // the group could not be kept: no group access
    EXPECT_EQ(0604u, statOf(shared).st_mode & 07777);
    EXPECT_EQ(4u, entryCount(f.home.path()));
}

// A file layer with a trash, that collects the permission bits files have while written.
struct Desktop : FileOps {
    int moveToTrash(const std::string& path) override {
        if (trashError != 0) return errno = trashError, -1;
        return rename(path, path + ".trashed");
    }
    int trashError = 0;  // ENOTSUP: no trash
    ssize_t write(int fd, const void* data, size_t size) override {
        struct stat info {};
        modes |= fstat(fd, &info) == 0 ? info.st_mode & 0777 : 0777;
        return FileOps::write(fd, data, size);
    }
    mode_t modes = 0;
};

TEST(SafeFile, SavesAnyNameTheFolderCanHoldPrivatelyAndRemovesToTheTrash) {
    Folder f;
    Desktop desktop;
    const std::string longest = f.path(std::string(250, 'n') + ".xml");  // 254 bytes
    EXPECT_EQ(Kind::saved, replaceFile(f.ops, longest, "new").kind);
    EXPECT_EQ(Kind::nameTooLong, replaceFile(f.ops, f.path(std::string(256, 'n')), "x").kind);
    fs::create_directory(f.path("folder.xml"));
    EXPECT_EQ(Kind::notAFile, removeFile(desktop, f.path("folder.xml")).kind);

    const std::string secret = f.put("private.xml", "old", 0600);
    EXPECT_TRUE(replaceFile(desktop, secret, "secret").ok());
    EXPECT_EQ(0600u, desktop.modes);
    EXPECT_EQ(Kind::trashed, removeFile(desktop, secret).kind);
    EXPECT_EQ("secret", readFile(secret + ".trashed"));
    EXPECT_EQ(3u, entryCount(f.home.path()));

    // Deleted only where there is no trash at all; a trash that fails keeps the file.
    for (const int error : {EIO, EXDEV, ENOTSUP}) {
        const std::string file = f.put("kept.xml", "kept");
        desktop.trashError = error;
        const Outcome outcome = removeFile(desktop, file);
        EXPECT_EQ(error == ENOTSUP ? Kind::deleted : Kind::trashFailed, outcome.kind) << error;
        EXPECT_EQ(error == ENOTSUP ? 0 : error, outcome.error);
        EXPECT_EQ(error != ENOTSUP, fs::exists(file)) << error;
    }
}

std::string temporaryName(pid_t pid, const char* random, const char* format = "%08x") {
    char digits[16];
    std::snprintf(digits, sizeof digits, format, static_cast<unsigned>(pid));
    std::string name = ".tolvane-";
    return ((name += digits) += '-') += random;
}

TEST(SafeFile, StaleTemporariesGoAndNothingElse) {
    Folder f;
    // A file no one holds locked is stale whatever pid its name gives: ours, or none there is.
    const std::string stale = temporaryName(::getpid(), "0123abcd");
    f.put(stale, "interrupted");
    f.put(temporaryName(0, "0123abce"), "interrupted");
    // One a live save holds, in a process whose pid is not ours to see.
    const std::string live = f.put(temporaryName(0x7ffffffe, "0123abcf"), "being written");
    const int held = ::open(live.c_str(), O_RDONLY);
    ASSERT_EQ(0, ::flock(held, LOCK_SH));
    for (const std::string& nearMiss :
         {stale + "0", temporaryName(1, "0123ABCD"), temporaryName(0xabc, "0123abcd", "%x")})
        f.put(nearMiss, "not a temporary");
    fs::create_symlink(f.path(stale), f.path(temporaryName(1, "0123abc0")));
    fs::create_directory(f.path(temporaryName(1, "0123abc1")));
    const std::size_t entries = entryCount(f.home.path());

    EXPECT_EQ(2u, removeStaleTemporaries(f.ops, f.home.path().string()));
    EXPECT_FALSE(fs::exists(f.path(stale)));
    EXPECT_EQ(entries - 2, entryCount(f.home.path()));
    ::close(held);  // its save was killed
    EXPECT_EQ(1u, removeStaleTemporaries(f.ops, f.home.path().string()));
    EXPECT_FALSE(fs::exists(live));
}

// A preference file and its backup, both with their content before the save.
struct Prefs : Folder {
    Outcome save(FileOps& with) { return replaceWithBackup(with, file, backup, "new"); }
    std::string file = put("prefs.plist", "old", 0600), backup = put("prefs.bak", "older", 0600);
};

TEST(Backup, HoldsThePreviousFileAndNeverAGap) {
    const auto check = [](auto setUp, Kind kind, const char* file, const char* backup) {
        Prefs p;
        setUp(p);
        EXPECT_EQ(kind, p.save(p.ops).kind);
        EXPECT_EQ(file, readFile(p.file));
        EXPECT_EQ(backup, readFile(p.backup));
        EXPECT_EQ(kind == Kind::missing ? 1u : 2u, entryCount(p.home.path()));
    };
    // Refused with nothing changed: no file, the file is the backup, the backup is a folder.
    check([](Prefs& p) { fs::remove(p.file); }, Kind::missing, "", "older");
    check([](Prefs& p) { fs::remove(p.file), fs::create_symlink("prefs.bak", p.file); },
          Kind::backupIsSameFile, "older", "older");
    check([](Prefs& p) { fs::remove(p.backup), fs::create_directory(p.backup); },
          Kind::backupNotAFile, "old", "");
    // A backup that is a second name of the file, as a save failing at its very end leaves it,
    // already holds the previous content.
    check([](Prefs& p) { fs::remove(p.backup), fs::create_hard_link(p.file, p.backup); },
          Kind::saved, "new", "old");

    // A backup on another file system is a copy with the file's mode, made through its link.
    Prefs moved;
    fs::create_directory(moved.path("elsewhere"));
    fs::rename(moved.backup, moved.path("elsewhere/prefs.bak"));
    fs::create_symlink("elsewhere/prefs.bak", moved.backup);
    FailingFileOps noLinks;
    noLinks.failOnPath(FailingFileOps::Call::link, "elsewhere/", EXDEV);
    EXPECT_EQ(Kind::saved, moved.save(noLinks).kind);
    EXPECT_EQ(0600u, statOf(moved.backup).st_mode & 07777);
    // ... and when that copy cannot be written, both stay as they were.
    noLinks.failOnPath(FailingFileOps::Call::write, "elsewhere/", ENOSPC);
    EXPECT_EQ(Kind::diskFull, moved.save(noLinks).kind);
    EXPECT_EQ("new", readFile(moved.file));
    EXPECT_EQ("old", readFile(moved.path("elsewhere/prefs.bak")));
    EXPECT_EQ(1u, entryCount(moved.path("elsewhere")));
    EXPECT_EQ(3u, entryCount(moved.home.path()));
    // A failed call anywhere: UserFiles.AFailedCallAnywhereInASaveLeavesEachFileOldOrNew.
}

TEST(SafeFile, OtherProcessesAtAnyMomentOfASaveLeaveItWhole) {
    int calls = 0;
    const auto check = [&calls](auto act) {
        Prefs p;
        FailingFileOps ops;
        calls = 0;
        ops.before = [&](std::string_view call, const std::string& path) {
            ++calls, act(p, call, path);
        };
        EXPECT_EQ(Kind::saved, p.save(ops).kind);
        EXPECT_EQ("new", readFile(p.file));
        EXPECT_EQ("old", readFile(p.backup));
        EXPECT_EQ(2u, entryCount(p.home.path()));
    };
    // Another program starting up sweeps the folder before the n-th call of the save.
    for (int n = 1; n == 1 || calls >= n; ++n) {
        SCOPED_TRACE(n);
        check([&](Prefs& p, std::string_view, const std::string&) {
            if (calls == n) removeStaleTemporaries(p.ops, p.home.path().string());
        });
    }
    // A sweep holds the new temporary file when the save comes to lock it.
    int swept = -1;
    check([&](Prefs&, std::string_view call, const std::string& path) {
        if (call != "flock" || swept >= 0) return;
        swept = ::open(path.c_str(), O_RDONLY);
        ::flock(swept, LOCK_EX);
    });
    ::close(swept);
    // Another one has just made the backup a link to the file: renaming a link to it over the
    // backup then does nothing, and must not leave the link's temporary name behind.
    check([](Prefs& p, std::string_view call, const std::string& path) {
        if (call != "rename" || path != p.backup || fs::equivalent(p.file, p.backup)) return;
        fs::remove(p.backup);
        fs::create_hard_link(p.file, p.backup);
    });
}

// How many renames a save made; each must come after the flush of the data it renames, and be
// flushed in its folder before the next one.
int durableRenames(const std::vector<FailingFileOps::Logged>& log) {
    int renames = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].call != "rename") continue;
        ++renames;
        bool written = false, flushed = false;
        for (std::size_t j = 0; j < i; ++j) {
            if (log[j].path != log[i].from) continue;
            if (log[j].call == "write") written = true, flushed = false;
            if (log[j].call == "fsync") flushed = true;
        }
        EXPECT_TRUE(flushed || !written) << "data of " << log[i].from;
        const std::string folder = fs::path(log[i].path).parent_path().string();
        bool folderFlushed = false;
        for (std::size_t j = i + 1; j < log.size() && log[j].call != "rename"; ++j)
            folderFlushed = folderFlushed || (log[j].call == "fsync" && log[j].path == folder);
        EXPECT_TRUE(folderFlushed) << "folder of " << log[i].path;
    }
    return renames;
}

TEST(SafeFile, DataReachesTheDiskBeforeItsRenameAndTheRenameBeforeTheNext) {
    const auto renames = [](auto save, bool copyBackup = false) {
        Prefs p;
        FailingFileOps ops;
        if (copyBackup) ops.failOnPath(FailingFileOps::Call::link, "/.tolvane-", EXDEV);
        EXPECT_TRUE(save(p, ops).ok());
        return durableRenames(ops.log());
    };
    EXPECT_EQ(1, renames([](Prefs& p, FileOps& ops) { return replaceFile(ops, p.file, "new"); }));
    EXPECT_EQ(1, renames([](Prefs& p, FileOps& ops) {
                  return replaceFile(ops, p.path("new.xml"), "new");
              }));
    EXPECT_EQ(2, renames([](Prefs& p, FileOps& ops) { return p.save(ops); }));
    EXPECT_EQ(2, renames([](Prefs& p, FileOps& ops) { return p.save(ops); }, true));
}

}  // namespace
}  // namespace tolvane
