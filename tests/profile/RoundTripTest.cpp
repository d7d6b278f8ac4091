// Profiles as users have them (saved by FMLE on other machines, handed out by streaming services)
// survive an unchanged save: everything the form cannot show is written back as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>

#include "controller/Tolvane.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

using testing::fixture;
using testing::readFile;

// UTF-8 text as FMLE writes it: UTF-16 little-endian, CRLF line ends, with or without a mark.
std::string fmleBytes(const std::string& text, bool byteOrderMark) {
    std::string out = byteOrderMark ? "\xFF\xFE" : "";
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
        unsigned unit = length == 1 ? lead : lead & (length == 2 ? 0x1F : 0x0F);
        for (std::size_t k = 1; k < length; ++k)
            unit = unit << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (unit == '\n') out += std::string("\r\0", 2);
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
        i += length;
    }
    return out;
}

// Every element, comment and processing instruction as its path, attributes and own text, in
// document order: read here with the XML library alone, not through the program's paths.
std::vector<std::string> elements(const std::string& bytes) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_buffer(bytes.data(), bytes.size(),
                                pugi::parse_default | pugi::parse_comments | pugi::parse_pi));
    struct Walker : pugi::xml_tree_walker {
        std::vector<std::string> seen;
        bool for_each(pugi::xml_node& node) override {
            if (node.type() == pugi::node_pcdata) return true;
            std::string line;
            for (pugi::xml_node at = node; at.parent(); at = at.parent())
                line.insert(0, std::string("/") + at.name());
            line += std::string("|") + node.value();
            for (const auto& attribute : node.attributes())
                line += std::string(" ") + attribute.name() + "=" + attribute.value();
            seen.push_back(line + "|" + node.text().get());
            return true;
        }
    } walker;
    doc.traverse(walker);
    return walker.seen;
}

// A started program whose capture devices are not those the profiles name.
struct Program {
    explicit Program(std::initializer_list<std::pair<std::string, std::string>> profiles) {
        for (const auto& [name, bytes] : profiles)
            home.write(folder + name + ".xml", bytes);
        controller.awakeFromNib();
    }
    std::string saveAs(const std::string& name) {
        form.txtfldNewProfileName.setStringValue(name);
        controller.fmleSaveProfile();
        EXPECT_TRUE(controller.lastOutcome().ok()) << name;
        return readFile(home.profileFolder() / (name + ".xml"));
    }

    const std::string folder = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2/";
    testing::TempHome home;
    Form form = standardForm();
    FixedCaptureDevices devices{{"Built-in Microphone"}, {"FaceTime HD Camera"}};
    Tolvane controller{form, devices};
};

TEST(RoundTrip, RealisticProfilesSurviveAnUnchangedSaveAndASecondOne) {
    const std::string service = fixture("service-generated.xml");
    for (const auto& [name, bytes] :
         {std::pair{"card", fmleBytes(fixture("fmle-capture-card.xml"), false)},
          std::pair{"service", service}, std::pair{"service16", fmleBytes(service, true)}}) {
        Program p({{name, bytes}});
        p.controller.loadFMLEProfile(name);
        const std::string saved = p.saveAs("copy");
        EXPECT_EQ(elements(bytes), elements(saved)) << name;
        EXPECT_EQ(bytes.substr(0, 4), saved.substr(0, 4)) << name;  // encoding and mark kept
        EXPECT_EQ(saved, p.saveAs("again")) << name;
    }
}

TEST(RoundTrip, KeptValuesShowAndBelongToTheLoadedProfile) {
    Program p({{"card", fixture("fmle-capture-card.xml")},
               {"service", fixture("service-generated.xml")}});
    Form& f = p.form;
    Tolvane& c = p.controller;
    c.loadFMLEProfile("service");
    EXPECT_EQ("", f.popupFMLEVideoInputDeviceName.title());
    EXPECT_TRUE(f.popupFMLEVideoInputDeviceName.selectedItem()->isKept());
    EXPECT_EQ("x", f.popupFMLEVideoInputSize.title());
    EXPECT_EQ("3 seconds", f.popupH264KeyframeFrequency.title());
    EXPECT_EQ("Aac", f.popupFMLEAudioOutputFormat.title());
    EXPECT_EQ(choice::kNone, c.tagAudioOutputFormat());
    EXPECT_EQ("300;700;1200", f.comboboxFMLEVideoOutputBitrate.stringValue());
    EXPECT_EQ("320", f.txtfldFMLEVideoOutputSizeX.stringValue());  // the first of three sizes
    EXPECT_EQ("180", f.txtfldFMLEVideoOutputSizeY.stringValue());

    // A kept item can be picked again; the codec switch never falls back to it.
    c.setTagAudioOutputFormat(choice::kMP3);
    c.setTagAudioOutputFormat(choice::kNone);
    EXPECT_EQ("Aac", f.popupFMLEAudioOutputFormat.title());
    c.setTagVideoOutputFormat(choice::kVP6);
    EXPECT_EQ("MP3", f.popupFMLEAudioOutputFormat.title());

    // The next profile's values replace the kept ones; the vocabularies never learn them.
    c.loadFMLEProfile("card");
    EXPECT_EQ((std::vector<std::string>{"FaceTime HD Camera", "Elgato Game Capture HD"}),
              f.popupFMLEVideoInputDeviceName.itemTitles());
    EXPECT_EQ(-1, f.popupFMLEAudioOutputFormat.indexOfItemWithTitle("Aac"));
    EXPECT_EQ(-1, f.popupH264KeyframeFrequency.indexOfItemWithTitle("3 seconds"));
    EXPECT_FALSE(c.audioOutputFormatDict().contains("Aac"));

    // A kept capture size has no CamTwist counterpart: it goes into the custom fields.
    c.setSyncVideoSize(true);
    EXPECT_TRUE(c.camTwistCustomVideoSize());
    EXPECT_EQ("1024", f.txtfldCamTwistCustomWidth.stringValue());
    EXPECT_EQ("768", f.txtfldCamTwistCustomHeight.stringValue());

    // Editing one control changes its element and nothing else.
    const auto before = elements(p.saveAs("before"));
    f.popupFMLEVideoFramerate.selectItemWithTitle("25.00");
    const auto after = elements(p.saveAs("after"));
    ASSERT_EQ(before.size(), after.size());
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) changed.push_back(after[i]);
    EXPECT_EQ(
        std::vector<std::string>{"/flashmedialiveencoder_profile/capture/video/frame_rate||25.00"},
        changed);
}

}  // namespace
}  // namespace tolvane
