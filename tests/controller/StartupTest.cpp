#include <gtest/gtest.h>

#include "controller/Tolvane.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

struct Started {
    explicit Started(FixedCaptureDevices devices) : devices(std::move(devices)) {
        controller.awakeFromNib();
        controller.applicationDidFinishLaunching();
    }
    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices;
    Tolvane controller{form, devices};
};

TEST(Startup, ListsDevicesOnceAndOpensTheDrawer) {
    Started s(FixedCaptureDevices({"Mic", "Line In", "Mic"}, {"FaceTime", "CamTwist"}));
    EXPECT_EQ((std::vector<std::string>{"Line In", "Mic"}),
              s.form.popupFMLEAudioInputDevice.itemTitles());
    EXPECT_EQ((std::vector<std::string>{"FaceTime", "CamTwist"}),
              s.form.popupFMLEVideoInputDeviceName.itemTitles());
    EXPECT_TRUE(s.form.popupFMLEVideoInputDeviceName.itemAtIndex(0)->state());
    EXPECT_EQ(3u, s.controller.audioDevices().size());
    EXPECT_TRUE(s.form.drawerEncoderSettings.isOpen());
    EXPECT_FALSE(s.controller.syncFrameRate());
    EXPECT_FALSE(s.controller.syncVideoSize());
}

TEST(Startup, NothingToShowLeavesAnEmptyUsableForm) {
    Started s(FixedCaptureDevices{});
    EXPECT_EQ(0, s.form.popupFMLEAudioInputDevice.numberOfItems());
    EXPECT_EQ(0, s.form.popupFMLEProfileNames.numberOfItems());
    EXPECT_EQ(nullptr, s.controller.currentFMLEProfile());
    EXPECT_EQ(0, s.controller.tagAudioOutputFormat());
}

TEST(Startup, SyncFrameRateCopiesOnlyWhenSwitchedOn) {
    Started s(FixedCaptureDevices{});
    s.form.popupFMLEVideoFramerate.selectItemWithTitle("25.00");
    s.form.txtfldCamTwistFramerate.setStringValue("15");
    s.controller.setSyncFrameRate(false);
    EXPECT_EQ("15", s.form.txtfldCamTwistFramerate.stringValue());
    s.controller.setSyncFrameRate(true);
    EXPECT_EQ("25.00", s.form.txtfldCamTwistFramerate.stringValue());
}

TEST(Vocabularies, MapEveryTitledItemExactly) {
    Started s(FixedCaptureDevices{});
    // Profiles store channels as digits, not as the titles shown.
    const auto& channels = s.controller.audioChannelDict();
    EXPECT_EQ(1001, channels.at("2"));
    EXPECT_EQ(1002, channels.at("1"));
    EXPECT_FALSE(channels.contains("Stereo"));
    EXPECT_FALSE(s.controller.audioOutputFormatDict().contains("mp3"));

    PopUpList untitled;
    untitled.addItemWithTitle("", 1001);
    EXPECT_EQ(std::nullopt, s.controller.titleVsTagDictionary(untitled));
    untitled.addItemWithTitle("Shown", 1002);
    untitled.setItemHidden(1, true);
    EXPECT_EQ(1u, s.controller.titleVsTagDictionary(untitled)->size());
}

}  // namespace
}  // namespace tolvane
