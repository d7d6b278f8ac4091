#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "camtwist/Plist.h"
#include "support/TempHome.h"

namespace tolvane {
namespace {

using namespace std::string_literals;

// A big-endian number; 2 bytes is an object reference.
std::string ref(uint64_t value, int size = 2) {
    std::string bytes;
    while (size--)
        bytes += char(value >> (8 * size));
    return bytes;
}

// A binary plist of 4-byte offsets and 2-byte references, the first object its root.
std::string binaryPlist(const std::vector<std::string>& objects) {
    std::string bytes = "bplist00", offsets;
    for (const std::string& object : objects)
        offsets += ref(bytes.size(), 4), bytes += object;
    return bytes + offsets + std::string(6, '\0') + "\x04\x02" + ref(objects.size(), 8) +
           ref(0, 8) + ref(bytes.size(), 8);
}

// GCC 12 at -O3 warns of an overlapping copy inside std::char_traits (-Wrestrict) where
// operator+(const char*, std::string&&) inserts a literal before a temporary, as the binary
// lists down to the end of the nesting test are built. The copy cannot overlap.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

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

bool reads(const std::string& bytes) {
    return PlistDictionary::parse(bytes).has_value();
}

TEST(Plist, RefusesDeepNestingAndExplodingOrEndlessReferencesQuickly) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(reads(nestedBinary(30000)));
    EXPECT_FALSE(reads(nestedXml(10000)));
    EXPECT_FALSE(reads(nestedBinary(60, true)));  // 2^58 nodes
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    EXPECT_TRUE(reads(nestedBinary(256)) && reads(nestedXml(256)));
    EXPECT_FALSE(reads(nestedBinary(257)) || reads(nestedXml(257)));
    // An empty element is a level of its own but opens none; comments, processing instructions
    // and CDATA hold no levels.
    EXPECT_TRUE(reads(nestedXml(255, "<array/><dict/><array />")));
    const std::string hidden = nestedXml(300);
    EXPECT_TRUE(reads(nestedXml(256, "<!--" + hidden + "--><?pi " + hidden + "?><string><![CDATA[" +
                                         hidden + "]]></string>")));

    // Shared references are fine in moderation; a cycle of two arrays, a key that is its own
    // dictionary and a reference past the objects are not.
    EXPECT_TRUE(reads(nestedBinary(12, true)));
    const std::string root = "\xD1" + ref(1) + ref(2);
    for (const auto& objects : std::vector<std::vector<std::string>>{
             {root, "Qa", "\xA1" + ref(3), "\xA2" + ref(1) + ref(2)},
             {"\xD1" + ref(0) + ref(1), "Qa"},
             {root, "Qa", "\xA1" + ref(9)}})
        EXPECT_FALSE(reads(binaryPlist(objects)));
}

TEST(Plist, ReadsARepeatedBinaryKeyOnceWithItsLastValue) {
    // Two keys as binary objects: ASCII ("Q" and one letter), UTF-16 ("a" and code units), or
    // one object referred to twice. The values are the integers 1 and 2.
    const auto twoKeys = [](const std::string& first, const std::string& second) {
        const bool same = second.empty();
        std::vector<std::string> objects{"\xD2" + ref(1) + ref(same ? 1 : 2) + ref(3) + ref(4),
                                         first, same ? first : second, "\x10\x01", "\x10\x02"};
        const auto read = PlistDictionary::parse(binaryPlist(objects));
        if (!read) return "unread"s;
        const std::string key = read->contains("a") ? "a" : "\xC3\xA9";
        return std::to_string(read->size()) + " " + read->numberText(key).value_or("-");
    };
    const std::string e = "\x61\x00\xE9"s;
    for (const auto& [first, second, read] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"Qa", "Qb", "2 1"},
             {"Qa", "", "1 2"},
             {"Qa", "\x61\x00\x61"s, "1 2"},             // "a" in UTF-16
             {"\x52\xC3\xA9"s, e, "1 2"},                // "é" as UTF-8 bytes and in UTF-16
             {"\x61\xD8\x00"s, "\x61\xDC\x00"s, "1 -"},  // lone surrogates, read as ""
         })
        EXPECT_EQ(read, twoKeys(first, second)) << first << " " << second;
}

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

TEST(Plist, NamesTheFirstTextXmlCannotCarry) {
    for (const char* name : {"camtwist.bin.plist", "camtwist.xml.plist"})
        EXPECT_FALSE(PlistDictionary::parse(testing::fixture(name)).value().unwritableText());
    const auto firstIn = [](const std::string& entries) {
        return PlistDictionary::parse("<plist><dict>" + entries + "</dict></plist>")
            .value()
            .unwritableText();
    };
    EXPECT_EQ(std::nullopt,
              firstIn("<key>\t\xC3\xA9</key><string>\xEF\xBF\xBD\xF0\x9F\x98\x80</string>"));
    EXPECT_EQ("outer/list/1",
              firstIn("<key>outer</key><dict><key>list</key><array><string>ok</string>"
                      "<string>\x02</string></array></dict><key>b</key><string>\x03</string>"));
    EXPECT_EQ("k\x1F", firstIn("<key>k\x1F</key><string>x</string>"));
    // Not UTF-8, an overlong "A", and a NUL, which libplist writes raw with what follows it.
    for (const std::string& value : {"a\xFF"s, "z\xC1\x81"s, "{1\0, 2}"s})
        EXPECT_EQ("a", firstIn("<key>a</key><string>" + value + "</string>"));
    // A binary date far outside the calendar's years would be written as an empty element that
    // reads back as 2001-01-01; one in 2026 is written as it is.
    const auto dated = [](const std::string& bigEndianSeconds) {
        return PlistDictionary::parse(
                   binaryPlist({"\xD1"s + ref(1) + ref(2), "Tlast", "\x33"s + bigEndianSeconds}))
            .value()
            .unwritableText();
    };
    EXPECT_EQ("last", dated("\xD4\xC7\x21\xD4\x41\x80\x00\x00"s));
    EXPECT_EQ(std::nullopt, dated("\x41\xC9\x9A\x2D\x80\x00\x00\x00"s));
}

}  // namespace
}  // namespace tolvane
