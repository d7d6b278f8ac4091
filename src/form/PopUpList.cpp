#include "form/PopUpList.h"

#include <unordered_set>

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
    indexByTitle_.clear();
    selected_ = -1;
    ++revision_;
    changed();
}

void PopUpList::removeIndex(std::size_t index) {
    // A kept item that shares a real item's title is not the one the title names.
    if (const auto it = indexByTitle_.find(items_[index].title_);
        it != indexByTitle_.end() && it->second == index)
        indexByTitle_.erase(it);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    const int removed = static_cast<int>(index);
    if (selected_ == removed) {
        selected_ = -1;
    } else if (selected_ > removed) {
        --selected_;
    }
    reindexFrom(index);
}

void PopUpList::reindexFrom(std::size_t index) {
    for (std::size_t i = index; i < items_.size(); ++i)
        if (!items_[i].kept_) indexByTitle_[items_[i].title_] = i;
    // Kept items after the real ones, so that a real item's title stays its own.
    for (std::size_t i = index; i < items_.size(); ++i) {
        if (!items_[i].kept_) continue;
        const auto [it, added] = indexByTitle_.try_emplace(items_[i].title_, i);
        const std::size_t at = it->second;
        if (!added && !(at < items_.size() && !items_[at].kept_ && items_[at].title_ == it->first))
            it->second = i;
    }
}

void PopUpList::addItemWithTitle(const std::string& title, int tag) {
    const bool wasEmpty = items_.empty();
    // Every item of that title goes, a kept twin of a real item included.
    for (auto it = indexByTitle_.find(title); it != indexByTitle_.end();
         it = indexByTitle_.find(title))
        removeIndex(it->second);
    indexByTitle_[title] = items_.size();
    items_.emplace_back(title, tag);
    if (wasEmpty) selected_ = 0;
    ++revision_;
    changed();
}

void PopUpList::addItemsWithTitles(const std::vector<std::string>& titles) {
    if (titles.empty()) return;
    if (items_.empty()) {
        // An empty list filled with distinct titles, as the profile catalogue is: one map.
        items_.reserve(titles.size());
        indexByTitle_.reserve(titles.size());
        for (const std::string& title : titles) {
            if (!indexByTitle_.try_emplace(title, items_.size()).second) break;
            items_.emplace_back(title, 0);
        }
        if (items_.size() == titles.size()) {
            selected_ = 0;
            ++revision_;
            changed();
            return;
        }
        items_.clear();  // a title repeats
        indexByTitle_.clear();
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
    indexByTitle_.clear();
    indexByTitle_.reserve(items_.size());
    reindexFrom(0);
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
    auto it = indexByTitle_.find(title);
    return it == indexByTitle_.end() ? -1 : static_cast<int>(it->second);
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
    indexByTitle_[*title] = items_.size();
    items_.emplace_back(*title, choice::kNone).kept_ = true;
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
    indexByTitle_.try_emplace(title, items_.size());
    items_.emplace_back(title, choice::kNone).kept_ = true;
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
