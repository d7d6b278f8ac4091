// What the program promises about a user's files when a file call fails, the process dies or
// the disk fills up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>

#include "controller/Tolvane.h"
#include "support/FailingFileOps.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

using namespace std::chrono_literals;
using testing::entryCount;
using testing::readFile;

const char* kProfile = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/Talk.xml";
const char* kPrefs = "Library/Preferences/com.allocinit.CamTwist.plist";
const char* kBackup = "Library/Preferences/com.allocinit.CamTwist.bak";

// A started program over a profile, a CamTwist file and its backup; save(i) writes both files
// with one of two sets of values.
struct Program {
    Program() {
        home.write(kProfile, testing::fixture("vp6-utf8.xml"));
        home.write(kPrefs, testing::fixture("camtwist.xml.plist"));
        home.write(kBackup, "old backup");
        controller = std::make_unique<Tolvane>(form, devices, ops, home.locations());
        controller->awakeFromNib();
        controller->applicationDidFinishLaunching();
    }
    // What each save did: the profile's, then CamTwist's.
    std::pair<Outcome::Kind, Outcome::Kind> save(int variant) {
        form.comboboxFMLEVideoOutputBitrate.setStringValue(variant ? "200" : "100");
        form.txtfldNewProfileName.setStringValue("Talk");
        const Outcome::Kind profileSaved = controller->fmleSaveProfile().kind;
        form.txtfldCamTwistFramerate.setStringValue(variant ? "25" : "15");
        return {profileSaved, controller->camTwistSaveConfig().kind};
    }
    std::string profile() const { return readFile(home.path() / kProfile); }
    std::string prefs() const { return readFile(home.path() / kPrefs); }
    std::string backup() const { return readFile(home.path() / kBackup); }
    // Entries beside the three files: temporary files a save left.
    std::size_t leftovers() const {
        return entryCount(home.profileFolder()) + entryCount(home.preferencesFolder()) - 3;
    }

    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices{{"Line In"}, {"FaceTime HD Camera"}};
    FailingFileOps ops;
    std::unique_ptr<Tolvane> controller;
};

TEST(UserFiles, AFailedCallAnywhereInASaveLeavesEachFileOldOrNew) {
    Program reference;
    const std::string oldProfile = reference.profile(), oldPrefs = reference.prefs();
    reference.save(1);
    const std::string newProfile = reference.profile(), newPrefs = reference.prefs();
    int failed = 0;
    for (int error : {EIO, ENOSPC, EEXIST})
        for (int n = 1;; ++n, ++failed) {
            SCOPED_TRACE("call " + std::to_string(n) + ", errno " + std::to_string(error));
            Program p;
            p.ops.failNthOfAny(n, error);
            p.save(1);
            const bool done = !p.ops.failed();  // then both files must be new
            EXPECT_TRUE(p.profile() == newProfile || (!done && p.profile() == oldProfile));
            EXPECT_TRUE(p.prefs() == newPrefs || (!done && p.prefs() == oldPrefs));
            // Whenever the file is new, the backup holds its previous content.
            EXPECT_TRUE(p.backup() == oldPrefs ||
                        (p.prefs() == oldPrefs && p.backup() == "old backup"));
            EXPECT_EQ(0u, p.leftovers());
            if (done) break;
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
    ASSERT_EQ(6u, profiles.size() + prefs.size());  // three contents of each file
    // Kills land within the time of two saves after the child starts saving.
    std::uniform_int_distribution<long> delay(0, (std::chrono::steady_clock::now() - before) / 1us);
    std::mt19937 random(7);
    constexpr int kKills = 300;
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
        ASSERT_EQ(1, ::read(started[0], &byte, 1));
        ::close(started[0]);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ASSERT_TRUE(profiles.contains(p.profile()) && prefs.contains(p.prefs())) << "kill " << kill;
    }
    // Each temporary file left behind is a kill that landed inside a write.
    const std::size_t interrupted = p.leftovers();
    EXPECT_GT(interrupted, 0u);
    std::cout << kKills << " kills, " << interrupted << " inside a write, no file lost\n";

    // The next start clears what the killed saves left before it lists the profiles.
    Tolvane next(p.form, p.devices, p.home.locations());
    EXPECT_EQ(std::vector<std::string>{"Talk"}, next.fmleProfiles());
    EXPECT_EQ(0u, p.leftovers());
}

TEST(UserFiles, StayAsTheyWereWhenTheDiskFills) {
    Program p;
    const std::string profile = p.profile(), prefs = p.prefs();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};  // bytes a file may grow to
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto [profileSaved, prefsSaved] = p.save(1);
        using enum Outcome::Kind;
        ::_exit(profileSaved == diskFull && prefsSaved == diskFull ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status)) << "both saves must say the disk is full";
    EXPECT_EQ(profile, p.profile());
    EXPECT_EQ(prefs, p.prefs());
    EXPECT_EQ(0u, p.leftovers());
}

}  // namespace
}  // namespace tolvane
