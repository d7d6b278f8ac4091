#include "form/ChangeNotifier.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tolvane {
namespace {

TEST(Subscription, LastsAsLongAsItsHandle) {
    Notifier<int> notifier;
    std::string told;
    // Appended piece by piece: GCC 12 at -O3 misreads a literal put before a temporary string as
    // an overlapping copy (-Wrestrict).
    const auto tell = [&](char who, int n) { (told += who) += std::to_string(n); };
    Subscription a = notifier.subscribe([&](int n) { tell('a', n); });
    {
        const Subscription b = notifier.subscribe([&](int n) { tell('b', n); });
        notifier.notify(1);
    }
    notifier.notify(2);
    Subscription moved = std::move(a);  // the subscription goes with the handle
    notifier.notify(3);
    EXPECT_FALSE(a.active());
    moved.reset();
    EXPECT_FALSE(moved.active());
    notifier.notify(4);
    EXPECT_EQ("a1b1a2a3", told);

    // A handle that outlives its notifier does nothing when it goes.
    auto gone = std::make_unique<Notifier<>>();
    Subscription late = gone->subscribe([] {});
    EXPECT_TRUE(late.active());
    gone.reset();
    EXPECT_FALSE(late.active());
    late.reset();
    // Assigning over a handle ends its subscription.
    Subscription first = notifier.subscribe([&](int) { told += "!"; });
    first = notifier.subscribe([&](int) { told += "?"; });
    told.clear();
    notifier.notify(5);
    EXPECT_EQ("?", told);
}

TEST(Subscription, MayEndOrBeginWhileTold) {
    Notifier<> notifier;
    std::string told;
    Subscription self, other, joined;
    self = notifier.subscribe([&] {
        told += "s";
        self.reset();   // itself, while it runs
        other.reset();  // one not yet told
        joined = notifier.subscribe([&] { told += "j"; });
    });
    other = notifier.subscribe([&] { told += "o"; });
    const Subscription nested = notifier.subscribe([&] {
        told += "n";
        if (told.size() < 3) notifier.notify();  // told again from within
    });
    notifier.notify();
    EXPECT_EQ("snn", told);  // the joining one waits for the next notification
    notifier.notify();
    EXPECT_EQ("snnnj", told);

    // A notifier that its subscriber ends while telling it.
    auto owned = std::make_unique<Notifier<>>();
    Subscription ending = owned->subscribe([&] { owned.reset(); });
    owned->notify();
    EXPECT_FALSE(ending.active());
}

}  // namespace
}  // namespace tolvane
