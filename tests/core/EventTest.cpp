#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/Event.h"

TEST(Event, HandlersRunInOrderAndStopWhenTheirSubscriptionEnds) {
    Event<int> event;
    std::vector<int> calls;
    Subscription first = event.Subscribe([&](int v) { calls.push_back(v); });
    std::optional<Subscription> second = event.Subscribe([&](int v) { calls.push_back(v * 10); });
    event.Raise(1);
    second.reset();
    event.Raise(2);
    EXPECT_EQ(calls, (std::vector<int>{1, 10, 2}));
}

TEST(Event, AHandlerMayUnsubscribeAnotherWhileRaised) {
    Event<> event;
    int laterCalls = 0;
    Subscription later;
    Subscription first = event.Subscribe([&] { later.Reset(); });
    later = event.Subscribe([&] { ++laterCalls; });
    event.Raise();
    EXPECT_EQ(laterCalls, 0);
}
