#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "camtwist/Plist.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

using namespace std::string_literals;

std::string bigEndian(uint64_t value, int size) {
    std::string bytes;
    while (size--)
        bytes += char(value >> (8 * size));
    return bytes;
}
std::string ref(uint64_t index) {
    return bigEndian(index, 2);
}

// A binary plist of 4-byte offsets and 2-byte references, the first object its root.
std::string binaryPlist(const std::vector<std::string>& objects) {
    std::string bytes = "bplist00", offsets;
    for (const std::string& object : objects)
        offsets += bigEndian(bytes.size(), 4), bytes += object;
    return bytes + offsets + std::string(6, '\0') + "\x04\x02" + bigEndian(objects.size(), 8) +
           bigEndian(0, 8) + bigEndian(bytes.size(), 8);
}

// A dictionary {a: ...} holding `levels - 1` nested arrays: `levels` containers in all. With
// `shared`, each array holds the next one twice, which doubles the nodes at every level.
std::string nestedBinary(int levels, bool shared = false) {
    std::vector<std::string> objects{"\xD1" + ref(1) + ref(2), "Qa"};
    for (int i = 2; i < levels; ++i)
        objects.push_back(shared ? "\xA2" + ref(i + 1) + ref(i + 1) : "\xA1" + ref(i + 1));
    objects.push_back("\xA0");
    return binaryPlist(objects);
}

std::string nestedXml(int levels, const std::string& inner = "") {
    std::string open, close;
    for (int i = 1; i < levels; ++i)
        open += "<array>", close += "</array>";
    return "<plist><dict><key>a</key>" + open + inner + close + "</dict></plist>";
}

TEST(Plist, RefusesDeepNestingQuicklyBeforeReadingIt) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(PlistDictionary::parse(nestedBinary(30000)));
    EXPECT_FALSE(PlistDictionary::parse(nestedXml(10000)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    EXPECT_TRUE(PlistDictionary::parse(nestedBinary(256)));
    EXPECT_FALSE(PlistDictionary::parse(nestedBinary(257)));
    EXPECT_TRUE(PlistDictionary::parse(nestedXml(256)));
    EXPECT_FALSE(PlistDictionary::parse(nestedXml(257)));
    // An empty element is a level of its own but opens none.
    EXPECT_TRUE(PlistDictionary::parse(nestedXml(255, "<array/><dict/><array />")));
    EXPECT_FALSE(PlistDictionary::parse(nestedXml(256, "<dict/>")));
    // Elements inside comments, CDATA and processing instructions are no levels.
    std::string hidden;
    for (int i = 0; i < 300; ++i)
        hidden += "<array><dict>";
    const auto read =
        PlistDictionary::parse(nestedXml(256, "<!--" + hidden + "--><?pi " + hidden +
                                                  "?><string><![CDATA[" + hidden + "]]></string>"));
    ASSERT_TRUE(read);
    EXPECT_NE(std::string::npos, read->toXml().find("&lt;array&gt;&lt;dict&gt;"));
}

TEST(Plist, RefusesBinaryReferencesThatExplodeOrNeverEnd) {
    // Shared references are read once each in the walk, and expand as libplist would copy them.
    EXPECT_TRUE(PlistDictionary::parse(nestedBinary(12, true)));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(PlistDictionary::parse(nestedBinary(60, true)));  // 2^58 nodes
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    const std::string root = "\xD1" + ref(1) + ref(2);
    // A cycle two arrays long, a key that is its own dictionary, a reference past the objects.
    for (const auto& objects : std::vector<std::vector<std::string>>{
             {root, "Qa", "\xA1" + ref(3), "\xA2" + ref(1) + ref(2)},
             {"\xD1" + ref(0) + ref(1), "Qa"},
             {root, "Qa", "\xA1" + ref(9)}})
        EXPECT_FALSE(PlistDictionary::parse(binaryPlist(objects)));
}

TEST(Plist, NamesTheFirstTextXmlCannotCarry) {
    for (const char* name : {"camtwist.bin.plist", "camtwist.xml.plist"})
        EXPECT_EQ(std::nullopt,
                  PlistDictionary::parse(testing::fixture(name)).value().unwritableText());
    const auto valueIs = [](const std::string& string) {
        return PlistDictionary::parse(binaryPlist({"\xD1" + ref(1) + ref(2), "Uouter",
                                                   "\xD2" + ref(3) + ref(4) + ref(5) + ref(6), "Qk",
                                                   "Uinner", "Rok", string}))
            .value()
            .unwritableText();
    };
    EXPECT_EQ("outer/inner", valueIs("Sa\x01z"));
    EXPECT_EQ("outer/inner", valueIs("Ra\xFF"));                        // not UTF-8
    EXPECT_EQ("outer/inner", valueIs("Sz\xC1\x81"));                    // an overlong "A"
    EXPECT_EQ(std::nullopt, valueIs("\x63\x00\x09\x00\xE9\xFF\xFD"s));  // tab, é, U+FFFD
    EXPECT_EQ(std::nullopt, valueIs("\x62\xD8\x3D\xDE\x00"s));          // U+1F600

    const auto xml = [](const std::string& entries) {
        return PlistDictionary::parse("<plist><dict>" + entries + "</dict></plist>")
            .value()
            .unwritableText();
    };
    EXPECT_EQ("list/1", xml("<key>list</key><array><string>ok</string><string>\x02</string>"
                            "</array><key>b</key><string>\x03</string>"));
    EXPECT_EQ("k\x1F", xml("<key>k\x1F</key><string>x</string>"));
    // libplist writes a NUL and what follows it raw.
    EXPECT_EQ("a", xml("<key>a</key><string>{1\0, 2}</string>"s));
    PlistDictionary values;
    values.setString("videoSize", "{640,\x0B 480}");
    EXPECT_EQ("videoSize", values.unwritableText());
}

}  // namespace
}  // namespace tolvane
