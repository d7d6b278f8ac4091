#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <cstdint>
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
        const fs::path file = home.write(name, bytes);
        ::chmod(file.c_str(), mode);
        return file.string();
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
    if (size < 0) return std::nullopt;
    value.resize(static_cast<std::size_t>(size));
    return value;
}

// An ACL as Linux keeps it in an attribute: version 2, then tag, rights and id of each entry, in
// tag order. This one gives the owner rw, user 12345 rw, the group r, others nothing.
std::string aclGivingUser12345() {
    std::string bytes;
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>(value >> 8 * i);
    };
    put(2, 4);
    const std::uint32_t none = ~0u;
    for (const auto& [tag, rights, id] : {std::array{0x01u, 6u, none},
                                          {0x02u, 6u, 12345u},
                                          {0x04u, 4u, none},
                                          {0x10u, 6u, none},
                                          {0x20u, 0u, none}})
        put(tag, 2), put(rights, 2), put(id, 4);
    return bytes;
}

void setAttribute(const std::string& path, const char* name, const std::string& value) {
    ASSERT_EQ(0, ::setxattr(path.c_str(), name, value.data(), value.size(), 0)) << name;
}

TEST(SafeFile, AReplacedFileKeepsOwnerGroupModeAclAndAttributes) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving files away needs root";
    Folder f;
    const std::string file = f.put("shared.xml", "old", 0640);
    ASSERT_EQ(0, ::chown(file.c_str(), kNobody, kNobody));
    setAttribute(file, kAcl, aclGivingUser12345());
    setAttribute(file, "user.origin", "fmle");
    const struct stat before = statOf(file);
    const auto acl = attribute(file, kAcl);
    ASSERT_TRUE(acl);

    EXPECT_EQ(Kind::saved, replaceFile(f.ops, file, "new").kind);
    const struct stat after = statOf(file);
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(kNobody, after.st_uid);
    EXPECT_EQ(kNobody, after.st_gid);
    EXPECT_EQ(before.st_mode, after.st_mode);
    EXPECT_EQ(acl, attribute(file, kAcl));
    EXPECT_EQ("fmle", attribute(file, "user.origin"));
    EXPECT_EQ("new", readFile(file));

    // An ACL that cannot be carried over takes the group bits with it: they would be its mask.
    FailingFileOps failing;
    failing.failOnPath(FailingFileOps::Call::xattr, "/.tolvane-", EIO);  // on the new file
    EXPECT_EQ(Kind::saved, replaceFile(failing, file, "newer").kind);
    EXPECT_EQ(before.st_mode & ~S_IRWXG, statOf(file).st_mode);
    EXPECT_FALSE(attribute(file, kAcl));

    // Nor does a file gain the folder's default ACL, which its mode would unmask.
    fs::create_directory(f.path("inherits"));
    setAttribute(f.path("inherits"), "system.posix_acl_default", aclGivingUser12345());
    const std::string plain = f.put("inherits/plain.xml", "old", 0644);
    ASSERT_EQ(0, ::removexattr(plain.c_str(), kAcl));
    EXPECT_EQ(Kind::saved, replaceFile(f.ops, plain, "new").kind);
    EXPECT_FALSE(attribute(plain, kAcl));
    EXPECT_EQ(0644u, statOf(plain).st_mode & 07777);
}

TEST(SafeFile, AnUnprivilegedUserNeitherWritesProtectedFilesNorWidensAccess) {
    if (::geteuid() != 0) GTEST_SKIP() << "becoming another user needs root";
    Folder f;
    ::chmod(f.home.path().c_str(), 0755);
    fs::create_directory(f.path("own"));
    ASSERT_EQ(0, ::chown(f.path("own").c_str(), kNobody, kNobody));
    const std::string locked = f.put("own/locked.xml", "keep", 0444);
    const std::string shared = f.put("own/shared.xml", "old", 0664);
    ASSERT_EQ(0, ::chown(locked.c_str(), kNobody, kNobody));
    ASSERT_EQ(0, ::chown(shared.c_str(), kNobody, 0));  // a group the user is not in

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        const Outcome refused = replaceFile(f.ops, locked, "new");
        const bool ok = refused.kind == Kind::writeProtected && refused.error == EACCES &&
                        refused.path == locked && replaceFile(f.ops, shared, "new").ok();
        ::_exit(ok ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(0, status);
    EXPECT_EQ("keep", readFile(locked));
    EXPECT_EQ("new", readFile(shared));
    EXPECT_EQ(kNobody, statOf(shared).st_gid);  // the group could not be kept: no group access
    EXPECT_EQ(0604u, statOf(shared).st_mode & 07777);
    EXPECT_EQ(2u, entryCount(f.path("own")));
}

TEST(SafeFile, SavesAnyNameTheFolderCanHoldAndNothingElse) {
    Folder f;
    const std::string longest = f.path(std::string(250, 'n') + ".xml");  // 254 bytes
    EXPECT_EQ(Kind::saved, replaceFile(f.ops, longest, "new").kind);
    EXPECT_EQ("new", readFile(longest));
    EXPECT_EQ(Kind::nameTooLong, replaceFile(f.ops, f.path(std::string(256, 'n')), "x").kind);
    fs::create_directory(f.path("folder.xml"));
    EXPECT_EQ(Kind::notAFile, replaceFile(f.ops, f.path("folder.xml"), "x").kind);
    EXPECT_EQ(2u, entryCount(f.home.path()));
}

// Collects the permission bits that files have while their content is written.
struct WatchModes : FileOps {
    ssize_t write(int fd, const void* data, size_t size) override {
        struct stat info {};
        fstat(fd, &info);
        modes |= info.st_mode & 0777;
        return FileOps::write(fd, data, size);
    }
    mode_t modes = 0;
};

TEST(SafeFile, APrivateFileIsNeverOpenToOthersWhileWritten) {
    Folder f;
    WatchModes watch;
    EXPECT_TRUE(replaceFile(watch, f.put("private.xml", "old", 0600), "secret").ok());
    EXPECT_EQ(0600u, watch.modes);
}

std::string temporaryName(pid_t pid, const char* random, const char* format = "%08x") {
    char digits[16];
    std::snprintf(digits, sizeof digits, format, static_cast<unsigned>(pid));
    return ".tolvane-" + std::string(digits) + "-" + random;
}

TEST(SafeFile, StaleTemporariesGoAndNothingElse) {
    Folder f;
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string stale = temporaryName(gone, "0123abcd");
    f.put(stale, "interrupted");
    f.put(temporaryName(::getpid(), "0123abcd"), "being written");
    for (const std::string& nearMiss :
         {stale + "0", stale.substr(1), temporaryName(gone, "0123ABCD"),
          temporaryName(gone, "0123abcd", "%08X"), temporaryName(gone, "0123abcd", "%x"),
          temporaryName(0, "0123abcd"), ".Talk.xml.tolvane-" + std::to_string(gone) + "-0"})
        f.put(nearMiss, "not ours");
    fs::create_directory(f.path(temporaryName(gone, "0123abce")));
    fs::create_symlink(f.path(stale), f.path(temporaryName(gone, "0123abcf")));
    const std::size_t entries = entryCount(f.home.path());

    EXPECT_EQ(1u, removeStaleTemporaries(f.ops, f.home.path().string()));
    EXPECT_FALSE(fs::exists(f.path(stale)));
    EXPECT_EQ(entries - 1, entryCount(f.home.path()));
    EXPECT_EQ(entries - 1, listFolder(f.ops, f.home.path().string())->size());
    EXPECT_FALSE(listFolder(f.ops, f.path(stale + "0")));
}

// A file that finds its way to the trash.
struct Trash : FileOps {
    int moveToTrash(const std::string& path) override { return rename(path, path + ".trashed"); }
};

TEST(SafeFile, RemovalPrefersTheTrash) {
    Folder f;
    const std::string a = f.put("a.xml", "a"), b = f.put("b.xml", "b");
    Trash trash;
    EXPECT_EQ(Kind::trashed, removeFile(trash, a).kind);
    EXPECT_EQ("a", readFile(a + ".trashed"));
    EXPECT_EQ(Kind::deleted, removeFile(f.ops, b).kind);
    EXPECT_EQ(Kind::missing, removeFile(f.ops, b).kind);
    fs::create_directory(f.path("c.xml"));
    EXPECT_EQ(Kind::notAFile, removeFile(trash, f.path("c.xml")).kind);
    EXPECT_EQ(2u, entryCount(f.home.path()));
}

// A preference file and its backup, both with their content before the save.
struct Prefs : Folder {
    Prefs() { put("prefs.bak", "older", 0600); }
    Outcome save(FileOps& with) { return replaceWithBackup(with, file, backup, "new"); }
    std::string file = put("prefs.plist", "old", 0600), backup = path("prefs.bak");
};

TEST(Backup, HoldsThePreviousFileAndNeverAGap) {
    Prefs p;
    EXPECT_EQ(Kind::saved, p.save(p.ops).kind);
    EXPECT_EQ("new", readFile(p.file));
    EXPECT_EQ("old", readFile(p.backup));
    EXPECT_EQ(2u, entryCount(p.home.path()));

    // Refused with nothing changed: no file, the file is the backup, the backup is a folder.
    Prefs none;
    fs::remove(none.file);
    EXPECT_EQ(Kind::missing, none.save(none.ops).kind);
    EXPECT_FALSE(fs::exists(none.file));
    Prefs same;
    fs::remove(same.file);
    fs::create_symlink("prefs.bak", same.file);
    EXPECT_EQ(Kind::backupIsSameFile, same.save(same.ops).kind);
    EXPECT_EQ("older", readFile(same.backup));
    // A backup that is a second name of the file, as a save failing at its very end leaves it,
    // already holds the previous content.
    Prefs linked;
    fs::remove(linked.backup);
    fs::create_hard_link(linked.file, linked.backup);
    EXPECT_EQ(Kind::saved, linked.save(linked.ops).kind);
    EXPECT_EQ("old", readFile(linked.backup));
    EXPECT_EQ(2u, entryCount(linked.home.path()));
    Prefs folder;
    fs::remove(folder.backup);
    fs::create_directory(folder.backup);
    EXPECT_EQ(Kind::backupNotAFile, folder.save(folder.ops).kind);
    EXPECT_EQ("old", readFile(folder.file));

    // A backup on another file system is a copy with the file's mode, made through its link.
    Prefs moved;
    fs::create_directory(moved.path("elsewhere"));
    fs::rename(moved.backup, moved.path("elsewhere/prefs.bak"));
    fs::create_symlink("elsewhere/prefs.bak", moved.backup);
    FailingFileOps noLinks;
    noLinks.failOnPath(FailingFileOps::Call::link, "elsewhere/", EXDEV);
    EXPECT_EQ(Kind::saved, moved.save(noLinks).kind);
    EXPECT_EQ("old", readFile(moved.path("elsewhere/prefs.bak")));
    EXPECT_EQ(0600u, statOf(moved.backup).st_mode & 07777);
    // ... and when that copy cannot be written, both stay as they were.
    noLinks.failOnPath(FailingFileOps::Call::write, "elsewhere/", ENOSPC);
    EXPECT_EQ(Kind::diskFull, moved.save(noLinks).kind);
    EXPECT_EQ("new", readFile(moved.file));
    EXPECT_EQ("old", readFile(moved.backup));
    EXPECT_EQ(1u, entryCount(moved.path("elsewhere")));
    EXPECT_EQ(3u, entryCount(moved.home.path()));
}

TEST(Backup, AFailedCallAnywhereLeavesBothFilesWhole) {
    for (int n = 1;; ++n) {
        Prefs p;
        FailingFileOps failing;
        failing.failNthOfAny(n);
        const Outcome outcome = p.save(failing);
        const std::string file = readFile(p.file), backup = readFile(p.backup);
        EXPECT_TRUE(file == "old" ? backup == "older" || backup == "old" : backup == "old")
            << "call " << n << ": " << file << ", " << backup;
        EXPECT_EQ(outcome.ok(), file == "new") << "call " << n;
        EXPECT_EQ(2u, entryCount(p.home.path())) << "call " << n;
        if (!failing.failed()) break;
    }
}

}  // namespace
}  // namespace tolvane
