#include <gtest/gtest.h>

#include <cstdint>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

#include "cards/qlCards.h"
#include "core/Random.h"
#include "support/TableHelpers.h"

using testing_support::Ids;
using testing_support::MakeCard;
using testing_support::MakeDeck;
using testing_support::Names;
using testing_support::SeedGuard;

namespace {

// Records every size a deck reports.
struct SizeLog {
    explicit SizeLog(qlCards& deck)
        : subscription(deck.DeckSizeChanged.Subscribe([this](Integer n) { sizes.push_back(n); })) {}
    std::vector<Integer> sizes;
    Subscription subscription;
};

}  // namespace

TEST(Deck, DealTakesFromTheTopAndReportsOnce) {
    DeckRef deck = MakeDeck({"Well", "Smithy", "Hero", "Chapel"});
    SizeLog log(*deck);
    EXPECT_EQ(deck->Deal(0)->Count(), 0);
    const DeckRef dealt = deck->Deal(3);
    EXPECT_EQ(Names(*dealt), (std::vector<std::string>{"Well", "Smithy", "Hero"}));
    EXPECT_EQ(Names(*deck), (std::vector<std::string>{"Chapel"}));
    EXPECT_EQ(log.sizes, (std::vector<Integer>{4, 1}));
}

TEST(Deck, DealAcrossARefillUsesTheOldTopThenTheShuffledDiscards) {
    SeedGuard guard(11);
    DeckRef reserve = MakeDeck({"Hero", "Statue"});
    DeckRef discard = MakeDeck({"Well", "Well", "Crane", "Tower", "Smithy", "Quarry", "Chapel",
                                "Palace", "Archive", "Library"});
    reserve->SetDiscardDeck(discard);
    const auto before = Ids(*reserve);
    const auto discards = Ids(*discard);
    SizeLog reserveLog(*reserve);
    SizeLog discardLog(*discard);

    const DeckRef dealt = reserve->Deal(5);

    ASSERT_EQ(dealt->Count(), 5);
    const auto got = Ids(*dealt);
    EXPECT_EQ(got[0], before[0]);
    EXPECT_EQ(got[1], before[1]);
    for (int i = 2; i < 5; ++i) {
        EXPECT_NE(std::find(discards.begin(), discards.end(), got[i]), discards.end());
    }
    EXPECT_EQ(discard->Count(), 0);
    EXPECT_EQ(reserve->Count(), 7);
    EXPECT_EQ(discardLog.sizes, (std::vector<Integer>{0}));
    EXPECT_EQ(reserveLog.sizes, (std::vector<Integer>{10, 7}));
    // Every one of the twelve cards is in exactly one place.
    std::set<const qlCard*> all(got.begin(), got.end());
    for (const qlCard* id : Ids(*reserve)) {
        all.insert(id);
    }
    EXPECT_EQ(all.size(), 12u);
}

TEST(Deck, DealingFromEmptyPilesReturnsWhatThereIsAndRefillsForEveryCardOwed) {
    DeckRef reserve = MakeDeck({"Hero"});
    DeckRef discard = NewDeck();
    reserve->SetDiscardDeck(discard);
    int reseeds = 0;
    Random::SetSeedSource([&reseeds] { return static_cast<std::uint64_t>(++reseeds); });
    EXPECT_EQ(reserve->Deal(4)->Count(), 1);
    EXPECT_EQ(reseeds, 3);  // one empty refill for each of the three cards still owed
    EXPECT_EQ(reserve->Deal(2)->Count(), 0);
    EXPECT_EQ(reseeds, 5);
    Random::SetSeedSource(Random::TimeOfDaySource());
    DeckRef alone = MakeDeck({"Well"});  // no discard pile at all
    EXPECT_EQ(alone->Deal(3)->Count(), 1);
}

TEST(Deck, ShuffleKeepsEveryCardOnceAndAGivenSeedGivesAGivenDeal) {
    SeedGuard guard(42);
    qlCards reserve;
    reserve.Reset();
    // Worked out independently from the generator and the three-pass shuffle for seed 42.
    EXPECT_EQ(Names(*reserve.Deal(7)),
              (std::vector<std::string>{"Market Hall", "Aqueduct", "Chapel", "Tobacco Storage",
                                        "Silver Smelter", "Indigo Plant", "Tobacco Storage"}));

    const auto before = Ids(reserve);
    reserve.Shuffle();
    auto after = Ids(reserve);
    EXPECT_NE(after, before);
    std::sort(after.begin(), after.end());
    auto sortedBefore = before;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    EXPECT_EQ(after, sortedBefore);

    qlCards empty;
    empty.Shuffle();
    EXPECT_EQ(empty.Count(), 0);
    DeckRef one = MakeDeck({"Hero"});
    const CardRef hero = one->Item(1);
    one->Shuffle();
    EXPECT_EQ(one->Item(1), hero);
}

TEST(Deck, AddAndRemoveRaiseExactlyTheirEvents) {
    DeckRef deck = NewDeck();
    SizeLog log(*deck);
    const CardRef well = deck->AddCard(MakeCard("Well"));
    EXPECT_EQ(deck->AddCards(nullptr), nullptr);
    deck->AddCards(MakeDeck({"Hero", "Smithy"}));
    deck->RemoveCard(MakeCard("Well"));  // an equal card, but not this one
    deck->RemoveCards(nullptr);
    EXPECT_EQ(deck->DealCardByName("Palace"), nullptr);
    EXPECT_EQ(log.sizes, (std::vector<Integer>{1, 3}));

    const CardRef smithy = deck->DealCardByName("Smithy");
    ASSERT_NE(smithy, nullptr);
    EXPECT_EQ(smithy->BuildingName(), "Smithy");
    deck->RemoveCards(MakeDeck({"Hero"}));  // different objects: nothing removed
    deck->Remove(1);
    deck->Remove(7);  // no such position
    EXPECT_EQ(log.sizes, (std::vector<Integer>{1, 3, 2, 1}));
    EXPECT_EQ(Names(*deck), (std::vector<std::string>{"Hero"}));
    EXPECT_FALSE(deck->Contains(well));

    deck->AddCards(deck);  // adding a deck to itself doubles it
    EXPECT_EQ(deck->Count(), 2);
    deck->Clear();
    EXPECT_EQ(deck->Count(), 0);
    EXPECT_EQ(log.sizes.size(), 5u);  // Clear raises nothing
    deck->ClearDeck();
    EXPECT_EQ(log.sizes.back(), 0);
}

TEST(Deck, KeysFindAndRemoveTheirCards) {
    qlCards deck;
    deck.Add(3, 2, "Chapel", "text", 1, "c");
    const CardRef hero = deck.Add(5, 5, "Hero", "", 1, "h");
    EXPECT_EQ(deck.Item("h"), hero);
    EXPECT_EQ(deck.Item(2), hero);
    EXPECT_EQ(deck.Item(0), nullptr);
    EXPECT_EQ(deck.Item(3), nullptr);
    EXPECT_EQ(deck.Item("x"), nullptr);
    EXPECT_THROW(deck.Add(1, 1, "Well", "", 1, "h"), std::invalid_argument);
    deck.Remove("c");
    EXPECT_EQ(deck.Count(), 1);
    EXPECT_EQ(deck.Item("c"), nullptr);
    EXPECT_EQ(deck.Item("h"), hero);
}

TEST(Deck, GetCardsByNameCopiesMatchesInOrder) {
    DeckRef deck = MakeDeck({"Well", "Hero", "Well", "well"});
    SizeLog log(*deck);
    const DeckRef wells = deck->GetCardsByName("Well");
    ASSERT_EQ(wells->Count(), 2);
    EXPECT_EQ(wells->Item(1), deck->Item(1));
    EXPECT_EQ(wells->Item(2), deck->Item(3));
    EXPECT_EQ(deck->GetCardsByName("Palace")->Count(), 0);
    EXPECT_EQ(deck->Count(), 4);
    EXPECT_TRUE(log.sizes.empty());
}

TEST(Deck, OrderByGoodValueKeepsProductionBuildingsBestFirst) {
    DeckRef city = MakeDeck({"Indigo Plant", "Chapel", "Coffee Roaster", "Indigo Plant",
                             "Silver Smelter", "Sugar Mill", "Tobacco Storage"});
    const CardRef firstIndigo = city->Item(1);
    const CardRef secondIndigo = city->Item(4);
    SizeLog log(*city);
    city->OrderByGoodValue();
    EXPECT_EQ(Names(*city),
              (std::vector<std::string>{"Silver Smelter", "Coffee Roaster", "Tobacco Storage",
                                        "Sugar Mill", "Indigo Plant", "Indigo Plant"}));
    EXPECT_EQ(city->Item(5), firstIndigo);
    EXPECT_EQ(city->Item(6), secondIndigo);
    EXPECT_EQ(log.sizes, (std::vector<Integer>{6}));
}
