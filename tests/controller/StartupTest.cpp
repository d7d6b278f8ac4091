#include <gtest/gtest.h>

#include "controller/Tolvane.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

using Titles = std::vector<std::string>;

struct Started {
    explicit Started(FixedCaptureDevices devices = {}) : devices(std::move(devices)) {
        controller.awakeFromNib();
        controller.applicationDidFinishLaunching();
    }
    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices;
    Tolvane controller{form, devices, home.locations()};
};

TEST(Startup, ListsDevicesOnceOpensTheDrawerAndSyncsNothing) {
    Started s(FixedCaptureDevices({"Mic", "Line In", "Mic"}, {"FaceTime", "CamTwist"}));
    EXPECT_EQ((Titles{"Line In", "Mic"}), s.form.popupFMLEAudioInputDevice.itemTitles());
    EXPECT_EQ((Titles{"FaceTime", "CamTwist"}), s.form.popupFMLEVideoInputDeviceName.itemTitles());
    EXPECT_TRUE(s.form.drawerEncoderSettings.isOpen());
    EXPECT_FALSE(s.controller.syncFrameRate());
    EXPECT_FALSE(s.controller.syncVideoSize());
    // Nothing in the home: both are missing, and say so.
    EXPECT_EQ(Outcome::Kind::missing, s.controller.profileFolderFailure().value_or(Outcome{}).kind);
    EXPECT_EQ(Outcome::Kind::missing, s.controller.camTwistPrefsFailure().value_or(Outcome{}).kind);

    // The frame rate is copied to CamTwist's only when switched on.
    s.form.popupFMLEVideoFramerate.selectItemWithTitle("25.00");
    s.form.txtfldCamTwistFramerate.setStringValue("15");
    s.controller.setSyncFrameRate(false);
    EXPECT_EQ("15", s.form.txtfldCamTwistFramerate.stringValue());
    s.controller.setSyncFrameRate(true);
    EXPECT_EQ("25.00", s.form.txtfldCamTwistFramerate.stringValue());
}

TEST(Vocabularies, MapEveryTitledItemExactly) {
    Started s;
    // Profiles store channels as digits, not as the titles shown.
    EXPECT_EQ((TitleTagDictionary{{"2", 1001}, {"1", 1002}}), s.controller.audioChannelDict());
    EXPECT_FALSE(s.controller.audioOutputFormatDict().contains("mp3"));

    PopUpList untitled;
    untitled.addItemWithTitle("", 1001);
    EXPECT_EQ(std::nullopt, s.controller.titleVsTagDictionary(untitled));
    untitled.addItemWithTitle("Hidden", 1002);
    untitled.setItemHidden(1, true);
    EXPECT_EQ((TitleTagDictionary{{"Hidden", 1002}}), s.controller.titleVsTagDictionary(untitled));
}

}  // namespace
}  // namespace tolvane
