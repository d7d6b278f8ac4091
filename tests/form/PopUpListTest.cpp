#include "form/PopUpList.h"

#include <gtest/gtest.h>

#include "form/TextValue.h"

namespace tolvane {
namespace {

std::vector<std::string> titles(const PopUpList& list) {
    return list.itemTitles();
}

TEST(PopUpList, TitlesStayUniqueAndSelectionFollowsItsItem) {
    PopUpList list;
    list.addItemWithTitle("a", 1);
    EXPECT_EQ("a", list.title());  // filling an empty list selects its first item
    list.addItemWithTitle("b", 2);
    list.addItemWithTitle("c", 3);
    list.selectItemWithTitle("c");
    list.addItemWithTitle("a", 9);  // moves "a" to the end with its new tag
    EXPECT_EQ((std::vector<std::string>{"b", "c", "a"}), titles(list));
    EXPECT_EQ("c", list.title());
    EXPECT_EQ(2, list.indexOfItemWithTitle("a"));
    EXPECT_EQ(9, list.itemWithTitle("a")->tag());

    list.addItemWithTitle("c");  // the selected item goes: nothing stays selected
    EXPECT_EQ(std::nullopt, list.title());
    EXPECT_EQ(-1, list.selectedTag());

    // A batch gives the same result as adding one by one.
    PopUpList batch, single;
    const std::vector<std::string> names = {"x", "y", "x", "z", "y", "w"};
    batch.addItemsWithTitles(names);
    for (const auto& name : names)
        single.addItemWithTitle(name);
    EXPECT_EQ(titles(single), titles(batch));
    EXPECT_EQ((std::vector<std::string>{"x", "z", "y", "w"}), titles(batch));
    EXPECT_EQ("x", batch.title());  // a filled empty list shows its first item
    EXPECT_EQ(0, batch.indexOfItemWithTitle("x"));
    EXPECT_EQ(3, batch.indexOfItemWithTitle("w"));
}

TEST(PopUpList, LookupsBySelectionTagAndTitle) {
    PopUpList list;
    list.addItemWithTitle("one", 5);
    list.addItemWithTitle("two", 7);
    list.addItemWithTitle("three", 7);
    list.setItemHidden(1, true);

    list.selectItemWithTag(7);  // the first of equal tags, hidden or not
    EXPECT_EQ("two", list.title());
    EXPECT_EQ("two", list.itemWithTag(7)->title());
    EXPECT_EQ(3u, list.itemArray().size());

    list.selectItemWithTitle("missing");
    EXPECT_EQ(nullptr, list.selectedItem());
    list.selectItemAtIndex(2);
    EXPECT_EQ(7, list.selectedTag());
    list.selectItemWithTag(42);
    EXPECT_EQ(-1, list.indexOfSelectedItem());
    EXPECT_EQ(nullptr, list.itemWithTag(42));
    EXPECT_EQ(nullptr, list.itemAtIndex(-1));
    EXPECT_EQ(nullptr, list.itemAtIndex(3));

    int changes = 0;
    list.subscribe([&changes] { ++changes; });
    list.setItemHidden(1, true);  // no change, no notice
    list.setItemHidden(1, false);
    list.removeAllItems();
    EXPECT_EQ(2, changes);
    EXPECT_EQ(std::nullopt, list.title());
}

TEST(IntegerValue, ReadsTheLeadingIntegerAndSaturates) {
    EXPECT_EQ(-42, integerValue(" \t-42x"));
    EXPECT_EQ(7, integerValue("+7"));
    EXPECT_EQ(0, integerValue("- 5"));
    EXPECT_EQ(INT64_MAX, integerValue("9223372036854775808"));
    EXPECT_EQ(INT64_MIN, integerValue("-99999999999999999999999"));
}

}  // namespace
}  // namespace tolvane
