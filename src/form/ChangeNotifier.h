#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace tolvane {

// Lets a view follow a model: every change of the model calls each subscriber.
class ChangeNotifier {
  public:
    using Subscription = int;

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
