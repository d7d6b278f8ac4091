#include "form/PopUpList.h"

#include <functional>
#include <unordered_map>
#include <utility>

namespace tolvane {

PopUpList::Batch::~Batch() {
    if (--list_.held_ > 0 || !list_.changedWhileHeld_) return;
    list_.changedWhileHeld_ = false;
    list_.notifyChanged();
}

void PopUpList::changed() {
    if (held_ > 0)
        changedWhileHeld_ = true;
    else
        notifyChanged();
}

void PopUpList::removeAllItems() {
    items_.clear();
    slots_.clear();
    indexed_ = 0;
    selected_ = -1;
    ++revision_;
    changed();
}

std::size_t PopUpList::slotOf(std::string_view title) const {
    // Never full: at most half the slots hold an entry.
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = std::hash<std::string_view>{}(title)&mask;; at = (at + 1) & mask) {
        const std::uint32_t held = slots_[at];
        if (held == 0 || items_[held - 1].title_ == title) return at;
    }
}

void PopUpList::resizeIndex(std::size_t items) {
    std::size_t size = 16;
    while (size < 2 * (items + 1))
        size *= 2;
    std::vector<std::uint32_t> old = std::exchange(slots_, std::vector<std::uint32_t>(size, 0));
    for (const std::uint32_t held : old)
        if (held != 0) slots_[slotOf(items_[held - 1].title_)] = held;
}

std::uint32_t& PopUpList::entry(std::string_view title) {
    if (2 * (indexed_ + 1) > slots_.size()) resizeIndex(indexed_ + 1);
    std::uint32_t& held = slots_[slotOf(title)];
    if (held == 0) ++indexed_;
    return held;
}

void PopUpList::reindex() {
    slots_.clear();
    indexed_ = 0;
    resizeIndex(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (!items_[i].kept_) entry(items_[i].title_) = static_cast<std::uint32_t>(i + 1);
    // A real item's title stays its own; of kept items with one title, the last answers.
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (!items_[i].kept_) continue;
        std::uint32_t& held = entry(items_[i].title_);
        if (held == 0 || items_[held - 1].kept_) held = static_cast<std::uint32_t>(i + 1);
    }
}

void PopUpList::removeIndex(std::size_t index) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    const int removed = static_cast<int>(index);
    if (selected_ == removed) {
        selected_ = -1;
    } else if (selected_ > removed) {
        --selected_;
    }
    reindex();
}

void PopUpList::addItemWithTitle(const std::string& title, int tag) {
    const bool wasEmpty = items_.empty();
    // Every item of that title goes, a kept twin of a real item included.
    for (int at = indexOfItemWithTitle(title); at >= 0; at = indexOfItemWithTitle(title))
        removeIndex(static_cast<std::size_t>(at));
    items_.emplace_back(title, tag);
    entry(items_.back().title_) = static_cast<std::uint32_t>(items_.size());
    if (wasEmpty) selected_ = 0;
    ++revision_;
    changed();
}

void PopUpList::addItemsWithTitles(const std::vector<std::string>& titles) {
    if (titles.empty()) return;
    if (items_.empty()) {
        // An empty list filled with distinct titles, as the profile catalogue is: indexed as it
        // fills.
        items_.reserve(titles.size());
        resizeIndex(titles.size());
        for (const std::string& title : titles) {
            std::uint32_t& held = slots_[slotOf(title)];
            if (held != 0) break;
            items_.emplace_back(title, 0);
            held = static_cast<std::uint32_t>(items_.size());
            ++indexed_;
        }
        if (items_.size() == titles.size()) {
            selected_ = 0;
            ++revision_;
            changed();
            return;
        }
        items_.clear();  // a title repeats
        slots_.clear();
        indexed_ = 0;
    }
    const bool wasEmpty = items_.empty();
    // Same result as adding one by one: each title ends up where its last occurrence is. Done in
    // one pass so that a long catalogue fills in linear time.
    std::unordered_map<std::string_view, std::size_t> last;
    last.reserve(titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i)
        last[titles[i]] = i;

    std::vector<MenuItem> kept;
    kept.reserve(items_.size() + last.size());
    int selected = -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (last.contains(items_[i].title_)) continue;
        if (static_cast<int>(i) == selected_) selected = static_cast<int>(kept.size());
        kept.push_back(std::move(items_[i]));
    }
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (last[titles[i]] == i) kept.emplace_back(titles[i], 0);
    }
    items_ = std::move(kept);
    reindex();
    selected_ = wasEmpty ? 0 : selected;
    ++revision_;
    changed();
}

std::vector<std::string> PopUpList::itemTitles() const {
    std::vector<std::string> titles;
    titles.reserve(items_.size());
    for (const auto& item : items_)
        titles.push_back(item.title_);
    return titles;
}

const MenuItem* PopUpList::itemAtIndex(int index) const {
    if (index < 0 || index >= numberOfItems()) return nullptr;
    return &items_[static_cast<std::size_t>(index)];
}

int PopUpList::indexOfItemWithTag(int tag) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].tag_ == tag) return static_cast<int>(i);
    }
    return -1;
}

int PopUpList::indexOfItemWithTitle(const std::string& title) const {
    if (slots_.empty()) return -1;
    return static_cast<int>(slots_[slotOf(title)]) - 1;
}

const MenuItem* PopUpList::itemWithTag(int tag) const {
    return itemAtIndex(indexOfItemWithTag(tag));
}

const MenuItem* PopUpList::itemWithTitle(const std::string& title) const {
    return itemAtIndex(indexOfItemWithTitle(title));
}

std::optional<std::string> PopUpList::title() const {
    if (const MenuItem* item = selectedItem()) return item->title_;
    return std::nullopt;
}

int PopUpList::selectedTag() const {
    const MenuItem* item = selectedItem();
    return item ? item->tag_ : -1;
}

void PopUpList::selectItemWithTitle(const std::string& title) {
    selectItemAtIndex(indexOfItemWithTitle(title));
}

void PopUpList::selectItemWithTag(int tag) {
    selectItemAtIndex(indexOfItemWithTag(tag));
}

void PopUpList::selectItemAtIndex(int index) {
    selected_ = itemAtIndex(index) ? index : -1;
    changed();
}

void PopUpList::selectOrKeepItemWithTitle(const std::optional<std::string>& title) {
    if (!title) {
        selectItemAtIndex(-1);
        return;
    }
    if (const int index = indexOfItemWithTitle(*title); index >= 0) {
        selectItemAtIndex(index);
        return;
    }
    items_.emplace_back(*title, choice::kNone).kept_ = true;
    entry(items_.back().title_) = static_cast<std::uint32_t>(items_.size());
    selected_ = numberOfItems() - 1;
    ++revision_;
    changed();
}

void PopUpList::keepItemWithTitle(const std::string& title) {
    for (std::size_t i = items_.size(); i-- > 0;) {
        if (items_[i].kept_ && items_[i].title_ == title) {
            selectItemAtIndex(static_cast<int>(i));
            return;
        }
    }
    items_.emplace_back(title, choice::kNone).kept_ = true;
    // A real item of that title keeps answering to it.
    if (std::uint32_t& held = entry(items_.back().title_); held == 0)
        held = static_cast<std::uint32_t>(items_.size());
    selected_ = numberOfItems() - 1;
    ++revision_;
    changed();
}

void PopUpList::removeKeptItems() {
    bool removed = false;
    for (std::size_t i = items_.size(); i-- > 0;) {
        if (!items_[i].kept_) continue;
        removeIndex(i);
        removed = true;
    }
    if (!removed) return;
    ++revision_;
    changed();
}

void PopUpList::setItemHidden(int index, bool hidden) {
    if (index < 0 || index >= numberOfItems()) return;
    auto& item = items_[static_cast<std::size_t>(index)];
    if (item.hidden_ == hidden) return;
    item.hidden_ = hidden;
    ++hidingRevision_;
    changed();
}

void PopUpList::setItemState(int index, bool on) {
    if (index < 0 || index >= numberOfItems()) return;
    items_[static_cast<std::size_t>(index)].state_ = on;
    changed();
}

std::optional<TitleTagDictionary> titleTagDictionary(const PopUpList& list) {
    TitleTagDictionary map;
    for (const MenuItem& item : list.itemArray()) {
        if (item.title().empty() || item.isKept()) continue;
        map[item.title()] = item.tag();
    }
    if (map.empty()) return std::nullopt;
    return map;
}

}  // namespace tolvane
