#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace tolvane {

// An ascending set of choice tags. Small and allocation-free: the cascade builds several per
// user action, and no list has more than 32 items.
class TagSet {
  public:
    static constexpr std::size_t kCapacity = 32;

    // Adds a tag; tags beyond the capacity are dropped.
    void insert(int32_t tag) {
        // Tags mostly come in ascending order: append.
        if (size_ == 0 || tags_[size_ - 1] < tag) {
            if (size_ < kCapacity) tags_[size_++] = tag;
            return;
        }
        auto* end = tags_.begin() + size_;
        auto* at = std::lower_bound(tags_.begin(), end, tag);
        if (at != end && *at == tag) return;
        if (size_ == kCapacity) return;
        std::copy_backward(at, end, end + 1);
        *at = tag;
        ++size_;
    }
    bool containsIndex(int32_t tag) const {
        const auto* end = tags_.begin() + size_;
        return std::binary_search(tags_.begin(), end, tag);
    }
    // The smallest tag; only meaningful when the set is not empty.
    int32_t firstIndex() const { return size_ ? tags_[0] : 0; }
    bool empty() const { return size_ == 0; }
    const int32_t* begin() const { return tags_.data(); }
    const int32_t* end() const { return tags_.data() + size_; }

    friend bool operator==(const TagSet& a, const TagSet& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    std::array<int32_t, kCapacity> tags_{};
    std::size_t size_ = 0;
};

}  // namespace tolvane
