// The profile catalogue: which entries of the folder are profiles, in what order, and which
// profile a typed name means.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "controller/Tolvane.h"
#include "platform/SafeFile.h"
#include "profile/ProfileCatalogue.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// "Café" as typed, and as macOS gives the name of a file back: decomposed.
const std::string kComposed = "Caf\xC3\xA9", kDecomposed = "Cafe\xCC\x81";

// A file layer whose listing gives no types, as some file systems do, and the other order.
struct Untyped : FileOps {
    int readFolder(const std::string& path, std::vector<FolderEntry>& entries) override {
        const int result = FileOps::readFolder(path, entries);
        for (FolderEntry& entry : entries)
            entry.type = EntryType::unknown;
        std::reverse(entries.begin(), entries.end());
        return result;
    }
};

struct Started {
    Started(FileOps& ops, const testing::TempHome& home)
        : controller(form, devices, ops, home.locations()) {
        controller.awakeFromNib();
        controller.applicationDidFinishLaunching();
    }
    Form form = standardForm();
    FixedCaptureDevices devices;
    Tolvane controller;
};

TEST(ProfileCatalogue, HoldsProfilesOnlyInOneOrderOnEveryFileSystem) {
    testing::TempHome home;
    const fs::path folder = home.profileFolder();
    // "Éclair" composed, "écrin" decomposed.
    const std::string eclair = "\303\211clair", ecrin = "e\314\201crin";
    for (const std::string& file :
         Texts{"b.xml", "a.xml", "A.xml", "a.b.xml", "zebra.xml", "Zo\xC3\xAB.xml", "Zo\xEB.xml",
               eclair + ".xml", ecrin + ".xml", "notes.txt", "plain", ".hidden.xml", "._b.xml",
               ".xml", "shout.XML"})
        home.write(folder / file, "x");
    fs::create_directory(folder / "folder.xml");
    ::mkfifo((folder / "fifo.xml").c_str(), 0600);
    fs::create_symlink("b.xml", folder / "link.xml");
    fs::create_symlink("folder.xml", folder / "to-folder.xml");
    fs::create_symlink("missing.xml", folder / "dangling.xml");
    // Case folded, then by code point; names equal but for case by their bytes. A name that is
    // not UTF-8 is listed all the same.
    const Texts expected{"A",     "a",          "a.b",    "b",    "link",
                         "zebra", "Zo\xC3\xAB", "Zo\xEB", eclair, ecrin};

    FileOps typed;
    Untyped untyped;
    for (FileOps* ops : {&typed, static_cast<FileOps*>(&untyped)}) {
        EXPECT_EQ(expected, profile::collectFMLEProfiles(*ops, folder.string()));
        Started s(*ops, home);
        EXPECT_EQ(expected, s.form.popupFMLEProfileNames.itemTitles());
        EXPECT_EQ("A", s.form.popupFMLEProfileNames.title());
    }

    testing::TempHome empty;
    EXPECT_EQ(std::nullopt, profile::collectFMLEProfiles(typed, empty.profileFolder().string()));
    empty.write(empty.profileFolder() / "notes.txt", "x");
    EXPECT_EQ(std::nullopt, profile::collectFMLEProfiles(typed, empty.profileFolder().string()));
    EXPECT_EQ(std::nullopt, profile::collectFMLEProfiles(typed, (folder / "b.xml").string()));
}

TEST(ProfileCatalogue, ATypedNameMeansTheProfileItEqualsUnderNfc) {
    using profile::profileFileName;
    const auto listed = [](Texts names) { return std::optional<Texts>(std::move(names)); };
    EXPECT_EQ(kDecomposed, profileFileName(listed({"Talk", kDecomposed}), kComposed));
    EXPECT_EQ(kComposed, profileFileName(listed({kDecomposed, kComposed}), kComposed));
    EXPECT_EQ(kComposed, profileFileName(listed({"caf\xC3\xA9"}), kComposed));  // case counts
    EXPECT_EQ("Zo\xEB", profileFileName(listed({"Zo\xC3\xAB"}), "Zo\xEB"));     // not UTF-8
    EXPECT_EQ(kComposed, profileFileName(std::nullopt, kComposed));

    // In a started program: the window asks before a save replaces another profile.
    testing::TempHome home;
    const fs::path folder = home.profileFolder();
    home.write(folder / (kDecomposed + ".xml"), testing::fixture("vp6-utf8.xml"));
    home.write(folder / "Talk.xml", testing::fixture("vp6-utf8.xml"));
    home.write(folder / "Gone.xml", testing::fixture("vp6-utf8.xml"));
    FileOps ops;
    Started s(ops, home);
    s.controller.loadFMLEProfile("Talk");
    fs::remove(folder / "Gone.xml");
    home.write(folder / "Later.xml", "x");  // saved after the start: not listed
    EXPECT_EQ(kDecomposed, s.controller.profileReplacedBy(kComposed));
    EXPECT_EQ("Later", s.controller.profileReplacedBy("Later"));
    for (const char* name : {"Talk", "Gone", "New", "", "../Talk"})
        EXPECT_EQ(std::nullopt, s.controller.profileReplacedBy(name)) << name;

    // Saving under the composed name writes the listed file, and makes no second one.
    s.form.txtfldNewProfileName.setStringValue(kComposed);
    EXPECT_EQ(Outcome::Kind::saved, s.controller.fmleSaveProfile().kind);
    EXPECT_EQ(s.controller.currentFMLEProfile()->serialize(),
              testing::readFile(folder / (kDecomposed + ".xml")));
    EXPECT_FALSE(fs::exists(folder / (kComposed + ".xml")));
}

}  // namespace
}  // namespace tolvane
