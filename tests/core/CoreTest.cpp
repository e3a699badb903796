#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/Event.h"
#include "core/Random.h"
#include "support/TableHelpers.h"

TEST(Random, SeedsGiveTheKnownOutputsOfTheGeneratorAndDrawsStayInRange) {
    auto source = Random::SeededSource(5);
    EXPECT_EQ(source(), 5u * 1000003u);
    EXPECT_EQ(source(), 5u * 1000003u + 1);
    Random::Stream random(Random::SeededSource(0));
    random.Reseed();
    // The published first outputs of the generator from state 0, their top 53 bits scaled.
    EXPECT_EQ(random.Next(), static_cast<double>(0xE220A8397B1DCDAFULL >> 11) * 0x1.0p-53);
    EXPECT_EQ(random.NextIndex(7), 3);  // 0x6E789E6AA1B965F4: 0.4315...
    EXPECT_EQ(random.NextSingle(), static_cast<float>((0x06C45D188009454FULL >> 11) * 0x1.0p-53));
    random.Reseed();  // the source's second seed, 1
    const double second = random.Next();
    Random::Stream copied = random;  // a copy draws on as its original does
    EXPECT_EQ(copied.Next(), random.Next());
    random.SetSeeds([] { return std::uint64_t{1}; });
    random.Reseed();
    EXPECT_EQ(random.Next(), second);
    for (int i = 0; i < 10000; ++i) {
        const int index = random.NextIndex(7);
        ASSERT_TRUE(index >= 0 && index < 7);
    }
    EXPECT_EQ(random.NextIndex(0) + random.NextIndex(-3), 0);
}

TEST(Event, HandlersRunInOrderUntilUnsubscribedEvenByAnotherHandler) {
    Event<int> event;
    std::vector<int> calls;
    Subscription later;
    Subscription first = event.Subscribe([&](int v) {
        calls.push_back(v);
        if (v == 2) {
            later.Reset();
        }
    });
    std::optional<Subscription> second = event.Subscribe([&](int v) { calls.push_back(10 * v); });
    later = event.Subscribe([&](int v) { calls.push_back(100 * v); });
    event.Raise(1);
    second.reset();
    event.Raise(2);  // the first handler removes the last one before it runs
    event.Raise(3);
    EXPECT_EQ(calls, (std::vector<int>{1, 10, 100, 2, 3}));
    // A handler subscribed while the event is raised waits for the next raise; a handler may
    // end its own subscription while it runs.
    Subscription added;
    std::optional<Subscription> self;
    self = event.Subscribe([&](int v) {
        calls.push_back(1000 * v);
        added = event.Subscribe([&](int w) { calls.push_back(-w); });
        self.reset();
    });
    calls.clear();
    event.Raise(4);
    event.Raise(5);
    EXPECT_EQ(calls, (std::vector<int>{4, 4000, 5, -5}));
}
