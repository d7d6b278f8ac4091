// The profile document on its own: bytes to tree and back, one value by path.
#include "profile/ProfileDocument.h"

#include <gtest/gtest.h>

#include "support/TempHome.h"

namespace tolvane {
namespace {

using profile::setValue;
using profile::valueForXPath;
using testing::fixture;

TEST(ProfileDocument, ExactlyOneElementIsReadOrWritten) {
    const auto doc = ProfileDocument::parse(
        "<flashmedialiveencoder_profile><a><b>x<c>y</c>z</b></a><d/><d/><e></e>"
        "</flashmedialiveencoder_profile>");
    ASSERT_TRUE(doc);
    const XmlNode root = doc->rootElement();
    const auto value = [&](const std::string& path) {
        return valueForXPath("/flashmedialiveencoder_profile/" + path, root);
    };
    EXPECT_EQ("xyz", value("a/b"));
    EXPECT_EQ("", value("e"));
    EXPECT_EQ(std::nullopt, value("d"));
    EXPECT_EQ(std::nullopt, value("missing"));
    EXPECT_EQ(std::nullopt, valueForXPath("a[1]", root));

    setValue("<&>", "/flashmedialiveencoder_profile/a/b", root);
    EXPECT_EQ("<&>", value("a/b"));
    try {
        setValue("v", "/flashmedialiveencoder_profile/d", root);
        ADD_FAILURE();
    } catch (const ProfileFailure& failure) {
        EXPECT_EQ("", failure.name());
        EXPECT_EQ("", failure.reason());
        EXPECT_EQ("/flashmedialiveencoder_profile/d", failure.path());
    }
    setValue(std::nullopt, "/flashmedialiveencoder_profile/a", root);
    EXPECT_EQ(std::nullopt, value("a/b"));
    EXPECT_THROW(setValue(std::nullopt, "/flashmedialiveencoder_profile/a", root), ProfileFailure);
}

TEST(ProfileDocument, WritesBackTheFileHabitsAndStaysStable) {
    const std::string utf16 = ProfileDocument::parse(fixture("h264-utf16.xml"))->serialize();
    EXPECT_EQ(std::string("\xFF\xFE<\0?\0x\0m\0l\0", 12), utf16.substr(0, 12));
    EXPECT_NE(std::string::npos, utf16.find(std::string("\r\0\n\0", 4)));
    EXPECT_EQ(std::string::npos, utf16.find(std::string("/\0>\0", 4)));  // no self-closing tag
    EXPECT_EQ(utf16, ProfileDocument::parse(utf16)->serialize());

    const std::string utf8 = ProfileDocument::parse(fixture("vp6-utf8.xml"))->serialize();
    const std::string head =
        "<?xml version='1.0' encoding='UTF-8'?>\n<!-- written by hand -->\n"
        "<flashmedialiveencoder_profile version='3.2' xmlns:x='urn:example'>\n    <preset>\n";
    EXPECT_EQ(head, utf8.substr(0, head.size()));
    EXPECT_NE(std::string::npos, utf8.find("    <?fmle keep=\"me\"?>\n"));
    EXPECT_NE(std::string::npos, utf8.find("<limitbysize enable='false'>10</limitbysize>"));

    // A line break inside a processing instruction keeps one CR however often it is saved.
    const std::string once =
        ProfileDocument::parse("<r>\r\n<?fmle a\r\nb?>\r\n</r>\r\n")->serialize();
    EXPECT_EQ(std::string::npos, once.find("\r\r"));
    EXPECT_EQ(once, ProfileDocument::parse(once)->serialize());
}

TEST(ProfileDocument, RefusesWhatIsNoProfileToSave) {
    std::string nested;
    for (int i = 0; i < 100000; ++i)
        nested += "<a>";
    for (int i = 0; i < 100000; ++i)
        nested += "</a>";
    // Saving 100,000 levels would write the square of that in indent.
    for (const std::string& bytes : {std::string("<flashmedialiveencoder_profile><capture>"),
                                     std::string("\xFF\xFE<\0", 4) + std::string("\x00\xD8", 2),
                                     std::string(), "<r>" + nested + "</r>"})
        EXPECT_EQ(nullptr, ProfileDocument::parse(bytes)) << bytes.substr(0, 40);
}

}  // namespace
}  // namespace tolvane
