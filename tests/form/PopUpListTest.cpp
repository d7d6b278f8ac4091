#include "form/PopUpList.h"

#include <gtest/gtest.h>

#include "form/TextValue.h"

namespace tolvane {
namespace {

using Titles = std::vector<std::string>;

TEST(PopUpList, TitlesStayUniqueAndSelectionFollowsItsItem) {
    PopUpList list;
    list.addItemWithTitle("a", 1);
    EXPECT_EQ("a", list.title());  // filling an empty list selects its first item
    list.addItemWithTitle("b", 2);
    list.addItemWithTitle("c", 3);
    list.selectItemWithTitle("c");
    list.addItemWithTitle("a", 9);  // moves "a" to the end with its new tag
    EXPECT_EQ((Titles{"b", "c", "a"}), list.itemTitles());
    EXPECT_EQ("c", list.title());
    EXPECT_EQ(9, list.itemWithTitle("a")->tag());
    list.addItemWithTitle("c");  // the selected item goes: nothing stays selected
    EXPECT_EQ(-1, list.selectedTag());

    PopUpList batch, single;
    const Titles names = {"x", "y", "x", "z", "y", "w"};
    batch.addItemsWithTitles(names);
    for (const auto& name : names)
        single.addItemWithTitle(name);
    EXPECT_EQ(single.itemTitles(), batch.itemTitles());
    EXPECT_EQ("x", batch.title());
    EXPECT_EQ(3, batch.indexOfItemWithTitle("w"));
}

TEST(PopUpList, SelectsByTagOrIndexAndNotifiesOnlyOnChange) {
    PopUpList list;
    list.addItemWithTitle("one", 5);
    list.addItemWithTitle("two", 7);
    list.addItemWithTitle("three", 7);
    list.setItemHidden(1, true);
    list.selectItemWithTag(7);  // the first of equal tags, hidden or not
    EXPECT_EQ("two", list.title());
    list.selectItemAtIndex(3);  // past the end: nothing
    EXPECT_EQ(-1, list.indexOfSelectedItem());
    list.selectItemAtIndex(2);
    EXPECT_EQ(7, list.selectedTag());

    int changes = 0;
    const Subscription counting = list.subscribe([&changes] { ++changes; });
    list.setItemHidden(1, true);  // no change, no notice
    list.setItemHidden(1, false);
    list.removeAllItems();
    EXPECT_EQ(2, changes);
    EXPECT_EQ(-1, list.indexOfSelectedItem());
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
