#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/ChangeNotifier.h"
#include "form/Choices.h"

namespace tolvane {

class MenuItem {
  public:
    MenuItem(std::string title, int tag) : title_(std::move(title)), tag_(tag) {}

    const std::string& title() const { return title_; }
    int tag() const { return tag_; }
    bool isHidden() const { return hidden_; }
    bool state() const { return state_; }
    // Kept from a loaded profile: a value no item of the list offers, so that saving writes it
    // back unchanged. Its tag is choice::kNone.
    bool isKept() const { return kept_; }

  private:
    friend class PopUpList;
    std::string title_;
    int tag_ = 0;
    bool hidden_ = false;
    bool state_ = false;
    bool kept_ = false;
};

// A pop-up list of titled, tagged items with at most one selected. Titles are unique: adding a
// title that is already there removes the earlier item first. The one exception is a kept item
// whose text equals a real item's title (a profile that stores the word "Stereo" where "2" is
// expected): both stay, the real item answers to the title, and the kept one, which always follows
// it, is told apart by isKept() and its tag choice::kNone.
class PopUpList : public ChangeNotifier {
  public:
    // Holds back the list's notices while it lives, then sends one if anything changed: a list
    // filled in several steps (emptied, filled, its first item marked) reaches its views once.
    class Batch {
      public:
        explicit Batch(PopUpList& list) : list_(list) { ++list_.held_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        PopUpList& list_;
    };

    void removeAllItems();
    void addItemWithTitle(const std::string& title, int tag = 0);
    void addItemsWithTitles(const std::vector<std::string>& titles);

    const std::vector<MenuItem>& itemArray() const { return items_; }
    std::vector<std::string> itemTitles() const;
    int numberOfItems() const { return static_cast<int>(items_.size()); }
    const MenuItem* itemAtIndex(int index) const;
    const MenuItem* itemWithTag(int tag) const;
    const MenuItem* itemWithTitle(const std::string& title) const;
    int indexOfItemWithTag(int tag) const;
    int indexOfItemWithTitle(const std::string& title) const;

    const MenuItem* selectedItem() const { return itemAtIndex(selected_); }
    int indexOfSelectedItem() const { return selected_; }
    // The selected item's title; absent when nothing is selected.
    std::optional<std::string> title() const;
    // The selected item's tag, -1 when nothing is selected.
    int selectedTag() const;

    void selectItemWithTitle(const std::string& title);
    void selectItemWithTag(int tag);
    void selectItemAtIndex(int index);  // an index outside the list selects nothing

    // Selects the item with that title; with none, adds a kept item with that title and selects
    // it. No title selects nothing.
    void selectOrKeepItemWithTitle(const std::optional<std::string>& title);
    // Adds a kept item with that title even when a real item bears it, and selects it; a kept item
    // of that title already there is selected instead.
    void keepItemWithTitle(const std::string& title);
    // Removes the kept items, which belong to the profile that was loaded.
    void removeKeptItems();

    // Changes whenever items are added or removed; not for selection, state or hiding.
    unsigned long revision() const { return revision_; }
    // Changes whenever an item is hidden or shown again; zero while none ever was.
    unsigned long hidingRevision() const { return hidingRevision_; }
    void setItemHidden(int index, bool hidden);
    void setItemState(int index, bool on);

  private:
    void removeIndex(std::size_t index);
    // Indexes every item's title again, a real item's before a kept twin's.
    void reindex();
    // Where the title's index is in slots_, or the empty slot where it would go.
    std::size_t slotOf(std::string_view title) const;
    // The title's index entry (an item's index + 1), an empty one (0) added when it has none: the
    // caller fills that in.
    std::uint32_t& entry(std::string_view title);
    void resizeIndex(std::size_t items);
    // Tells the views, now or when the last Batch ends.
    void changed();

    std::vector<MenuItem> items_;
    // The items by title, as open addressing over the items' own titles: a slot holds an index
    // + 1, 0 when empty. A long list, as the profile catalogue is, is indexed without a copy or
    // an allocation per title.
    std::vector<std::uint32_t> slots_;
    std::size_t indexed_ = 0;
    int selected_ = -1;
    unsigned long revision_ = 0;
    unsigned long hidingRevision_ = 0;
    int held_ = 0;
    bool changedWhileHeld_ = false;
};

// Title to tag for every item with a title, hidden ones included, kept ones not; a later item with
// the same title wins. Nothing when no item has a title.
std::optional<TitleTagDictionary> titleTagDictionary(const PopUpList& list);

}  // namespace tolvane
