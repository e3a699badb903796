#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "cards/qlCards.h"
#include "core/Random.h"
#include "support/TableHelpers.h"

using namespace testing_support;
using Strings = std::vector<std::string>;

namespace {

std::vector<std::uint32_t> Sorted(std::vector<std::uint32_t> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace

TEST(Deck, DealRefillsFromTheShuffledDiscardsForEveryCardOwedAndASeedGivesItsShuffle) {
    Random::Stream random(Random::SeededSource(11));
    DeckRef reserve = MakeDeck({"Hero", "Statue", "Chapel"});
    DeckRef discard = MakeDeck({"Well", "Crane", "Tower", "Smithy", "Quarry", "Palace"});
    reserve->SetDiscardDeck(discard);
    const auto discards = Ids(*discard);
    std::vector<Integer> sizes;
    Subscription s = reserve->DeckSizeChanged.Subscribe([&](Integer n) { sizes.push_back(n); });
    EXPECT_EQ(reserve->Deal(0, random)->Count(), 0);
    EXPECT_EQ(reserve->Deal(1, random)->Item(1)->BuildingName(), "Hero");
    const DeckRef dealt = reserve->Deal(5, random);
    EXPECT_EQ(Names(*dealt).front(), "Statue");
    EXPECT_EQ(Names(*dealt)[1], "Chapel");
    EXPECT_EQ(discard->Count(), 0);
    EXPECT_EQ(sizes, (std::vector<Integer>{3, 2, 6, 3}));  // once a deal, once a refill
    auto now = Ids(*dealt);                                // every card in exactly one place
    for (const std::uint32_t id : Ids(*reserve)) {
        now.push_back(id);
    }
    now.erase(now.begin(), now.begin() + 2);
    EXPECT_EQ(Sorted(now), Sorted(discards));

    // With both piles dry a deal gives what there is, and every card still owed reseeds once.
    int reseeds = 0;
    Random::Stream counted([&reseeds] { return static_cast<std::uint64_t>(++reseeds); });
    EXPECT_EQ(reserve->Deal(6, counted)->Count(), 3);
    EXPECT_EQ(reseeds, 3);
    EXPECT_EQ(MakeDeck({"Well"})->Deal(3, counted)->Count(), 1);  // no discard pile at all
    EXPECT_EQ(reseeds, 3);

    Random::Stream fixed(Random::SeededSource(42));  // a given seed, a given shuffle
    reserve->Reset(fixed);
    // Worked out independently from the generator and the three-pass shuffle for seed 42.
    EXPECT_EQ(Names(*reserve->Deal(7, fixed)),
              (Strings{"Market Hall", "Aqueduct", "Chapel", "Tobacco Storage", "Silver Smelter",
                       "Indigo Plant", "Tobacco Storage"}));
    const auto before = Ids(*reserve);
    reserve->Shuffle(fixed);
    EXPECT_NE(Ids(*reserve), before);
    EXPECT_EQ(Sorted(Ids(*reserve)), Sorted(before));

    // A deck of thousands is drawn another way; its order must still be three passes of taking
    // every card in turn from those left, as written out plainly here.
    const DeckRef large = MakeDeck(std::vector<std::string>(3000, "Well"));
    std::vector<std::uint32_t> expected = Ids(*large);
    {
        Random::Stream plain(Random::SeededSource(9));
        plain.Reseed();
        for (int pass = 0; pass < 3; ++pass) {
            std::vector<std::uint32_t> left = expected;
            expected.clear();
            while (!left.empty()) {
                const auto at = left.begin() + plain.NextIndex(static_cast<int>(left.size()));
                expected.push_back(*at);
                left.erase(at);
            }
        }
    }
    Random::Stream same(Random::SeededSource(9));
    large->Shuffle(same);
    EXPECT_EQ(Ids(*large), expected);
}

TEST(Deck, AddRemoveAndKeysRaiseExactlyTheirEventsAndIgnoreWhatIsNotThere) {
    qlCards deck;
    std::vector<Integer> sizes;
    Subscription s = deck.DeckSizeChanged.Subscribe([&](Integer n) { sizes.push_back(n); });
    deck.Add(3, 2, "Chapel", "text", 1, "c");
    const Card hero = deck.Add(5, 5, "Hero", "", 1, "h");
    EXPECT_TRUE(deck.Item("h") == hero && deck.Item(2) == hero);
    EXPECT_TRUE(!deck.Item(0) && !deck.Item(3) && !deck.Item("x"));
    EXPECT_THROW(deck.Add(1, 1, "Well", "", 1, "h"), std::invalid_argument);
    deck.AddCards(MakeDeck({"Smithy", "Well"}));
    EXPECT_EQ(deck.AddCards(nullptr), nullptr);
    deck.RemoveCard(MakeCard("Well"));       // an equal card, but not this one
    deck.RemoveCards(MakeDeck({"Smithy"}));  // likewise
    deck.RemoveCards(nullptr);
    deck.Remove(7);
    deck.Remove("x");
    EXPECT_FALSE(deck.DealCardByName("Palace"));
    deck.Remove("c");
    EXPECT_FALSE(deck.Item("c"));
    EXPECT_EQ(deck.Item("h"), hero);  // the keys move with their cards
    EXPECT_EQ(deck.DealCardByName("Well")->BuildingName(), "Well");
    deck.Remove(1);
    deck.AddCards(MakeDeck({"Well", "Smithy"}));
    deck.AddCards(deck.GetCardsByName("Smithy"));  // the same cards, in order
    EXPECT_EQ(Names(deck), (Strings{"Smithy", "Well", "Smithy", "Smithy", "Smithy"}));
    EXPECT_EQ(deck.Item(4), deck.Item(1));
    deck.Clear();  // raises nothing, unlike ClearDeck
    deck.ClearDeck();
    EXPECT_EQ(sizes, (std::vector<Integer>{1, 2, 4, 3, 2, 1, 3, 5, 0}));

    DeckRef city = MakeDeck({"Indigo Plant", "Chapel", "Coffee Roaster", "Indigo Plant",
                             "Silver Smelter", "Sugar Mill", "Tobacco Storage"});
    const Card firstIndigo = city->Item(1);
    city->OrderByGoodValue();  // production buildings only, best good first
    EXPECT_EQ(Names(*city), (Strings{"Silver Smelter", "Coffee Roaster", "Tobacco Storage",
                                     "Sugar Mill", "Indigo Plant", "Indigo Plant"}));
    EXPECT_EQ(city->Item(5), firstIndigo);

    // A collection nobody holds comes back as a new one: no cards, keys, pile or followers.
    DeckRef used = NewDeck();
    const qlCards* const usedAt = used.get();
    used->Add(1, 1, "Well", "", 1, "w");
    used->SetDiscardDeck(MakeDeck({"Crane"}));
    int heard = 0;
    Subscription follower = used->DeckSizeChanged.Subscribe([&](Integer) { ++heard; });
    used.reset();
    const DeckRef fresh = NewDeck();
    EXPECT_EQ(fresh.get(), usedAt);  // the same collection, made new
    EXPECT_TRUE(fresh->Empty() && !fresh->Item("w"));
    Random::Stream random(Random::SeededSource(3));
    EXPECT_EQ(fresh->Deal(1, random)->Count(), 0);  // the old discard pile is not its own
    fresh->AddCard(MakeCard("Hero"));
    EXPECT_EQ(heard, 0);
    follower.Reset();
}
