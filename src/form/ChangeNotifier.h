#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tolvane {

// A subscriber's hold on a notifier: the callback stays subscribed while the handle lives, and is
// removed when the handle goes or is reset. A handle may outlive its notifier; it then does
// nothing. Keep it, or the callback is gone at once.
class [[nodiscard]] Subscription {
  public:
    Subscription() = default;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept
        : subscribers_(std::move(other.subscribers_)),
          remove_(other.remove_),
          id_(std::exchange(other.id_, 0)) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            subscribers_ = std::move(other.subscribers_);
            remove_ = other.remove_;
            id_ = std::exchange(other.id_, 0);
        }
        return *this;
    }
    ~Subscription() { reset(); }

    void reset() {
        if (const auto subscribers = subscribers_.lock()) remove_(subscribers.get(), id_);
        subscribers_.reset();
        id_ = 0;
    }
    // Whether the callback is still subscribed: not reset, and the notifier still there.
    bool active() const { return id_ != 0 && !subscribers_.expired(); }

  private:
    template <typename...>
    friend class Notifier;
    using Remove = void (*)(void* subscribers, std::uint64_t id);
    Subscription(std::weak_ptr<void> subscribers, Remove remove, std::uint64_t id)
        : subscribers_(std::move(subscribers)), remove_(remove), id_(id) {}

    std::weak_ptr<void> subscribers_;
    Remove remove_ = nullptr;
    std::uint64_t id_ = 0;
};

// Tells each subscriber, in the order they subscribed, of every notification. A subscriber may
// unsubscribe, or subscribe others, while it is told: nothing is copied, the callbacks stay where
// they are until the notification ends, and one that joins meanwhile is told from the next one.
// Subscribers are bound to the object they subscribed to, so notifiers are not copied, and one
// that is moved leaves its subscribers behind.
template <typename... Args>
class Notifier {
  public:
    Notifier() = default;
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;
    Notifier(Notifier&&) noexcept {}
    Notifier& operator=(Notifier&&) = delete;

    Subscription subscribe(std::function<void(Args...)> callback) {
        if (!subscribers_) subscribers_ = std::make_shared<Subscribers>();
        Subscribers& s = *subscribers_;
        const std::uint64_t id = ++s.lastId;
        (s.telling ? s.joining : s.callbacks).push_back({id, std::move(callback)});
        return {std::weak_ptr<void>(subscribers_), &Subscribers::remove, id};
    }

    void notify(Args... args) const {
        if (!subscribers_) return;
        // Held here too, in case a subscriber ends the notifier itself.
        const std::shared_ptr<Subscribers> held = subscribers_;
        const Telling telling(*held);
        // By index: the list neither grows nor shrinks until the outermost notification ends.
        for (std::size_t i = 0; i < held->callbacks.size(); ++i)
            if (held->callbacks[i].id != 0) held->callbacks[i].callback(args...);
    }

  private:
    struct Slot {
        std::uint64_t id;  // 0 once unsubscribed while a notification runs
        std::function<void(Args...)> callback;
    };
    struct Subscribers {
        std::vector<Slot> callbacks;
        std::vector<Slot> joining;  // subscribed while a notification runs
        std::uint64_t lastId = 0;
        int telling = 0;  // notifications running, nested ones included
        bool left = false;

        static void remove(void* self, std::uint64_t id) {
            auto& s = *static_cast<Subscribers*>(self);
            const auto withId = [id](const Slot& slot) { return slot.id == id; };
            if (std::erase_if(s.joining, withId) != 0) return;
            if (s.telling == 0) {
                std::erase_if(s.callbacks, withId);
                return;
            }
            // The callback may be the one running: it stays until the notification ends.
            for (Slot& slot : s.callbacks)
                if (slot.id == id) slot.id = 0;
            s.left = true;
        }
    };
    struct Telling {
        explicit Telling(Subscribers& s) : s(s) { ++s.telling; }
        Telling(const Telling&) = delete;
        Telling& operator=(const Telling&) = delete;
        ~Telling() {
            if (--s.telling != 0) return;
            if (std::exchange(s.left, false))
                std::erase_if(s.callbacks, [](const Slot& slot) { return slot.id == 0; });
            for (Slot& slot : s.joining)
                s.callbacks.push_back(std::move(slot));
            s.joining.clear();
        }
        Subscribers& s;
    };

    std::shared_ptr<Subscribers> subscribers_;
};

// The base of the form's models: each tells its subscribers whenever it changes.
class ChangeNotifier : private Notifier<> {
  public:
    using Notifier<>::subscribe;

  protected:
    void notifyChanged() const { notify(); }
};

}  // namespace tolvane
