#include <gtest/gtest.h>

#include "base/NotificationCenter.h"

namespace {

TEST(NotificationCenter, DeliversByNameInSubscriptionOrder) {
    NotificationCenter center;
    std::vector<std::string> seen;
    NotificationObserver a =
        center.observe(kPNCategoriesChanged, [&](auto&) { seen.push_back("a"); });
    NotificationObserver b =
        center.observe(kPNCategoriesChanged, [&](auto&) { seen.push_back("b"); });
    NotificationObserver other = center.observe("Other", [&](auto&) { seen.push_back("other"); });
    center.post(kPNCategoriesChanged);
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
}

TEST(NotificationCenter, DestroyedObserverIsUnsubscribed) {
    NotificationCenter center;
    int count = 0;
    {
        NotificationObserver o = center.observe("N", [&](auto&) { ++count; });
        center.post("N");
    }
    center.post("N");
    EXPECT_EQ(count, 1);
}

TEST(NotificationCenter, ObserverMayCancelAnotherDuringDelivery) {
    NotificationCenter center;
    int second = 0;
    NotificationObserver b;
    NotificationObserver a = center.observe("N", [&](auto&) { b.cancel(); });
    b = center.observe("N", [&](auto&) { ++second; });
    center.post("N");
    EXPECT_EQ(second, 0);
}

TEST(NotificationCenter, MovedObserverKeepsTheSubscription) {
    NotificationCenter center;
    int count = 0;
    NotificationObserver moved;
    {
        NotificationObserver o = center.observe("N", [&](auto&) { ++count; });
        moved = std::move(o);
    }
    center.post("N");
    EXPECT_EQ(count, 1);
}

}  // namespace
