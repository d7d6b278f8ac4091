// Profiles in and out of the folder as files: import, export, the list following the folder, and
// a removed profile put back from the trash.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "controller/Tolvane.h"
#include "platform/FileOps.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using testing::fixture;
using testing::readFile;

// A trash that is a folder of the temporary home, as the desktop's would be.
struct FolderTrash : FileOps {
    explicit FolderTrash(fs::path folder) : trash(std::move(folder)) {}
    bool hasTrash() override { return true; }
    int moveToTrashAt(const std::string& path, std::string& inTrash) override {
        fs::create_directories(trash);
        inTrash = (trash / fs::path(path).filename()).string();
        return FileOps::rename(path, inTrash);
    }
    fs::path trash;
};

struct ProfileFilesTest : ::testing::Test {
    void SetUp() override {
        home.write(folder + "Talk.xml", fixture("vp6-utf8.xml"));
        home.write(folder + "Studio.xml", fixture("h264-utf16.xml"));
        controller = std::make_unique<Tolvane>(form, devices, ops, home.locations());
        controller->awakeFromNib();
        controller->applicationDidFinishLaunching();
    }
    std::string outside(const std::string& name, const std::string& bytes) {
        return home.write("Downloads/" + name, bytes).string();
    }

    const std::string folder = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/";
    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices{{"Line In"}, {"FaceTime HD Camera"}};
    FolderTrash ops{home.path() / "trash"};
    std::unique_ptr<Tolvane> controller;
};

TEST_F(ProfileFilesTest, ImportTakesProfilesOnlyAndOpensThemListed) {
    const struct {
        const char* name;
        std::string bytes;
        Outcome::Kind kind;
    } refused[] = {
        {"notes.xml", "no XML at all", Outcome::Kind::notAProfile},
        {"page.xml", "<html><flashmedialiveencoder_profile/></html>", Outcome::Kind::notAProfile},
        {".hidden.xml", fixture("vp6-utf8.xml"), Outcome::Kind::refusedName},
    };
    for (const auto& file : refused) {
        const auto imported = controller->importFMLEProfile(outside(file.name, file.bytes));
        ASSERT_FALSE(imported) << file.name;
        EXPECT_EQ(imported.error().kind, file.kind) << file.name;
        EXPECT_FALSE(fs::exists(home.profileFolder() / file.name)) << file.name;
    }
    EXPECT_EQ(controller->openProfileName(), "Studio");

    // Copied byte for byte under its name, replacing a profile of that name.
    const std::string bytes = fixture("h264-utf16.xml");
    for (const char* name : {"Guest", "Talk"}) {
        EXPECT_EQ(controller->importFMLEProfile(outside(std::string(name) + ".xml", bytes)), name);
        EXPECT_EQ(readFile(home.profileFolder() / (std::string(name) + ".xml")), bytes);
        EXPECT_EQ(form.popupFMLEProfileNames.title(), name);
        EXPECT_EQ(controller->openProfileName(), name);
    }
    EXPECT_EQ(form.popupFMLEProfileNames.itemTitles(),
              (std::vector<std::string>{"Guest", "Studio", "Talk"}));
    EXPECT_TRUE(controller->isInProfileFolder((home.profileFolder() / "Guest.xml").string()));
    EXPECT_FALSE(controller->isInProfileFolder(outside("Guest.xml", bytes)));
}

TEST_F(ProfileFilesTest, ExportWritesTheChangesAndLeavesTheOpenProfileAsItWas) {
    ASSERT_TRUE(controller->loadFMLEProfile("Talk"));
    form.txtfldCamTwistFramerate.setStringValue("25");  // CamTwist's: no part of a profile
    form.comboboxFMLEVideoOutputBitrate.setStringValue("777");
    const fs::path out = home.path() / "Downloads/out.xml";
    fs::create_directories(out.parent_path());
    EXPECT_EQ(controller->exportFMLEProfile(out.string()).kind, Outcome::Kind::saved);
    const std::string exported = readFile(out);
    EXPECT_NE(exported.find("777"), std::string::npos);
    EXPECT_EQ(exported.find("25"), std::string::npos);
    EXPECT_EQ(readFile(home.profileFolder() / "Talk.xml"), fixture("vp6-utf8.xml"));
    EXPECT_FALSE(controller->pendingChanges().empty());
    EXPECT_FALSE(controller->openProfileChangedOnDisk());
}

TEST_F(ProfileFilesTest, TheListFollowsTheFolderAndARemovedProfileComesBack) {
    home.write(folder + "Added.xml", fixture("vp6-utf8.xml"));
    fs::remove(home.profileFolder() / "Studio.xml");  // the open one
    EXPECT_TRUE(controller->openProfileChangedOnDisk());
    controller->refreshFMLEProfiles();
    // The open profile stays selected, kept, and saves anew.
    EXPECT_EQ(form.popupFMLEProfileNames.title(), "Studio");
    EXPECT_TRUE(form.popupFMLEProfileNames.selectedItem()->isKept());
    form.txtfldNewProfileName.setStringValue("Studio");
    EXPECT_EQ(controller->fmleSaveProfile().kind, Outcome::Kind::recreated);

    form.popupFMLEProfileNames.selectItemWithTitle("Talk");
    const Outcome removed = controller->removeFMLEProfile();
    ASSERT_EQ(removed.kind, Outcome::Kind::trashed);
    EXPECT_EQ(removed.detail, (home.path() / "trash/Talk.xml").string());
    // Never over a profile saved under that name meanwhile.
    home.write(folder + "Talk.xml", "newer");
    const auto refused = controller->restoreRemovedProfile(removed);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().error, EEXIST);
    EXPECT_EQ(readFile(home.profileFolder() / "Talk.xml"), "newer");
    fs::remove(home.profileFolder() / "Talk.xml");
    EXPECT_TRUE(controller->restoreRemovedProfile(removed));
    EXPECT_EQ(readFile(home.profileFolder() / "Talk.xml"), fixture("vp6-utf8.xml"));
    EXPECT_EQ(controller->openProfileName(), "Talk");
    EXPECT_EQ(form.popupFMLEProfileNames.itemTitles(),
              (std::vector<std::string>{"Added", "Studio", "Talk"}));
}

}  // namespace
}  // namespace tolvane
