// What the program promises about a user's files when a file call fails, the process dies or
// the disk fills up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>

#include "controller/Tolvane.h"
#include "support/FailingFileOps.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using testing::entryCount;
using testing::fixture;
using testing::readFile;

const char* kProfiles = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/";
const char* kPrefs = "Library/Preferences/com.allocinit.CamTwist.plist";
const char* kBackup = "Library/Preferences/com.allocinit.CamTwist.bak";

// A started program over one profile and a CamTwist file; save(i) writes both with one of two
// sets of values.
struct Program {
    explicit Program(const std::string& profile = fixture("vp6-utf8.xml"),
                     const std::string& prefs = fixture("camtwist.xml.plist")) {
        home.write(std::string(kProfiles) + "Talk.xml", profile);
        home.write(kPrefs, prefs);
        controller = std::make_unique<Tolvane>(form, devices, ops);
        controller->awakeFromNib();
        controller->applicationDidFinishLaunching();
        controller->setSyncFrameRate(false);  // so that the typed frame rate is the one saved
    }
    void save(int variant) {
        form.comboboxFMLEVideoOutputBitrate.setStringValue(variant ? "200" : "100");
        form.txtfldNewProfileName.setStringValue("Talk");
        controller->fmleSaveProfile();
        form.txtfldCamTwistFramerate.setStringValue(variant ? "25" : "15");
        controller->camTwistSaveConfig();
    }
    std::string profile() const { return readFile(home.profileFolder() / "Talk.xml"); }
    std::string prefs() const { return readFile(home.path() / kPrefs); }

    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices{{"Line In"}, {"FaceTime HD Camera"}};
    FailingFileOps ops;
    std::unique_ptr<Tolvane> controller;
};

TEST(UserFiles, AFailedCallAnywhereInASaveLeavesEachFileOldOrNew) {
    Program done;
    const std::string oldProfile = done.profile(), oldPrefs = done.prefs();
    done.save(1);
    const std::string newProfile = done.profile(), newPrefs = done.prefs();
    int failed = 0;
    for (int error : {EIO, ENOSPC, EEXIST})
        for (int n = 1;; ++n, ++failed) {
            Program p;
            const fs::path backup = p.home.write(kBackup, "old backup");
            p.ops.reset();
            p.ops.failNthOfAny(n, error);
            p.save(1);
            EXPECT_TRUE(p.profile() == oldProfile || p.profile() == newProfile) << "call " << n;
            EXPECT_TRUE(p.prefs() == oldPrefs || p.prefs() == newPrefs) << "call " << n;
            EXPECT_EQ(1u, entryCount(p.home.profileFolder())) << "call " << n;
            EXPECT_EQ(fs::exists(backup) ? 2u : 1u, entryCount(p.home.preferencesFolder()));
            if (!p.ops.failed()) {
                EXPECT_EQ(newProfile, p.profile());
                EXPECT_EQ(newPrefs, p.prefs());
                EXPECT_EQ(oldPrefs, readFile(backup));
                break;
            }
            EXPECT_TRUE(!fs::exists(backup) || readFile(backup) == "old backup" ||
                        readFile(backup) == oldPrefs);
        }
    std::cout << failed << " calls failed, every file old or new\n";
}

TEST(UserFiles, SurviveTheProcessBeingKilledAnywhereInASave) {
    Program p;
    std::set<std::string> profiles{p.profile()}, prefs{p.prefs()};
    const auto before = std::chrono::steady_clock::now();
    for (int variant : {0, 1}) {
        p.save(variant);
        profiles.insert(p.profile());
        prefs.insert(p.prefs());
    }
    ASSERT_EQ(3u, profiles.size());
    ASSERT_EQ(3u, prefs.size());
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - before) /
                          2;

    std::mt19937 random(7);
    constexpr int kKills = 300;
    std::uniform_int_distribution<long> delay(0, 2 * saveTime.count());
    for (int kill = 0; kill < kKills; ++kill) {
        int started[2];
        ASSERT_EQ(0, ::pipe(started));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::write(started[1], "s", 1) != 1) ::_exit(1);  // the clock starts now
            for (int i = 0;; ++i)
                p.save(i % 2);
        }
        ::close(started[1]);  // so that a child that dies early ends the read
        char byte;
        const auto began = ::read(started[0], &byte, 1);
        ::close(started[0]);
        ASSERT_EQ(1, began);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(profiles.contains(p.profile())) << "kill " << kill;
        ASSERT_TRUE(prefs.contains(p.prefs())) << "kill " << kill;
    }
    // Each temporary file left behind is a kill that landed inside a write.
    const auto interrupted =
        entryCount(p.home.profileFolder()) - 1 + entryCount(p.home.preferencesFolder()) - 2;
    EXPECT_GT(interrupted, 0u);
    std::cout << kKills << " kills, " << interrupted << " inside a write, no file lost\n";

    // The next start clears what the killed saves left before it lists the profiles.
    Tolvane next(p.form, p.devices);
    EXPECT_EQ(std::vector<std::string>{"Talk"}, next.fmleProfiles());
    EXPECT_EQ(2u, entryCount(p.home.preferencesFolder()));
}

TEST(UserFiles, StayAsTheyWereWhenTheDiskFills) {
    Program p;
    const std::string profile = p.profile(), prefs = p.prefs();
    const auto profileEntries = entryCount(p.home.profileFolder());
    const auto prefsEntries = entryCount(p.home.preferencesFolder());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};  // bytes a file may grow to
        ::setrlimit(RLIMIT_FSIZE, &limit);
        p.save(1);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(profile, p.profile());
    EXPECT_EQ(prefs, p.prefs());
    EXPECT_EQ(profileEntries, entryCount(p.home.profileFolder()));
    EXPECT_EQ(prefsEntries, entryCount(p.home.preferencesFolder()));
}

}  // namespace
}  // namespace tolvane
