#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace tolvane {

// Lets a view follow a model: every change of the model calls each subscriber. Subscribers are
// bound to the object they subscribed to, so a copy would tell them of changes to another one:
// models are not copied, and one that is moved leaves its subscribers behind.
class ChangeNotifier {
  public:
    using Subscription = int;

    ChangeNotifier() = default;
    ChangeNotifier(const ChangeNotifier&) = delete;
    ChangeNotifier& operator=(const ChangeNotifier&) = delete;
    ChangeNotifier(ChangeNotifier&&) noexcept {}
    ChangeNotifier& operator=(ChangeNotifier&&) = delete;

    Subscription subscribe(std::function<void()> callback) {
        subscribers_.emplace_back(++lastId_, std::move(callback));
        return lastId_;
    }
    void unsubscribe(Subscription id) {
        std::erase_if(subscribers_, [id](const auto& s) { return s.first == id; });
    }

  protected:
    void notifyChanged() const {
        if (subscribers_.empty()) return;
        // A subscriber may subscribe or unsubscribe while being told; iterate a copy.
        const auto current = subscribers_;
        for (const auto& [id, callback] : current)
            callback();
    }

  private:
    std::vector<std::pair<Subscription, std::function<void()>>> subscribers_;
    Subscription lastId_ = 0;
};

}  // namespace tolvane
