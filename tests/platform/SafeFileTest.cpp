#include "platform/SafeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/FailingFileOps.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;
using tolvane::replaceFileContents;
using tolvane::testing::FailingFileOps;
using tolvane::testing::readFile;
using tolvane::testing::TempHome;

namespace {

int entriesIn(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(SafeFile, ReplacesKeepingModeAndFollowingSymlinks) {
    TempHome home;
    const auto target = home.write("data/real.xml", "old content that is longer");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("real.xml", home.path() / "data/link.xml");
    tolvane::FileOps ops;
    ASSERT_EQ(0, replaceFileContents(ops, (home.path() / "data/link.xml").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(home.path() / "data/link.xml"));
    EXPECT_EQ("new", readFile(target));
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(0640u, info.st_mode & 07777);
    EXPECT_EQ(2, entriesIn(home.path() / "data"));
}

TEST(SafeFile, EveryFailingCallLeavesTheOldFileAndNoTemporary) {
    TempHome home;
    const auto target = home.write("data/file.xml", "old");
    for (int n = 1;; ++n) {
        FailingFileOps ops;
        ops.failNthOfAny(n);
        const int result = replaceFileContents(ops, target.string(), "new content");
        const std::string now = readFile(target);
        if (!ops.failed()) {
            EXPECT_EQ(0, result);
            EXPECT_EQ("new content", now);
            break;
        }
        // A failure after the rename (the folder fsync) may report an error with the new file in
        // place; anything else must leave the old one.
        EXPECT_TRUE(now == "old" || now == "new content") << "call " << n;
        if (result == 0) {
            EXPECT_EQ("new content", now);
        }
        EXPECT_EQ(1, entriesIn(home.path() / "data")) << "call " << n;
        home.write("data/file.xml", "old");
    }
}

TEST(SafeFile, ReadsOnlyRegularFiles) {
    TempHome home;
    tolvane::FileOps ops;
    const auto fifo = home.path() / "fifo";
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    EXPECT_FALSE(tolvane::readRegularFile(ops, fifo.string()));
    EXPECT_FALSE(tolvane::readRegularFile(ops, home.path().string()));
    EXPECT_FALSE(tolvane::readRegularFile(ops, (home.path() / "missing").string()));
    const auto file = home.write("big", std::string(100, 'x'));
    EXPECT_FALSE(tolvane::readRegularFile(ops, file.string(), 99));
    EXPECT_EQ(std::string(100, 'x'), tolvane::readRegularFile(ops, file.string(), 100));
}

}  // namespace
