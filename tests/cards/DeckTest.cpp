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
    qlCards reserve = MakeDeck({"Hero", "Statue", "Chapel"});
    qlCards discard = MakeDeck({"Well", "Crane", "Tower", "Smithy", "Quarry", "Palace"});
    const auto discards = Ids(discard);
    EXPECT_EQ(reserve.Deal(0, discard, random).Count(), 0);
    EXPECT_EQ(reserve.Deal(1, discard, random).Item(1)->BuildingName(), "Hero");
    const qlCards dealt = reserve.Deal(5, discard, random);
    EXPECT_EQ(Names(dealt).front(), "Statue");
    EXPECT_EQ(Names(dealt)[1], "Chapel");
    EXPECT_EQ(discard.Count(), 0);
    EXPECT_EQ(reserve.Count(), 3);
    auto now = Ids(dealt);  // every card in exactly one place
    for (const std::uint32_t id : Ids(reserve)) {
        now.push_back(id);
    }
    now.erase(now.begin(), now.begin() + 2);
    EXPECT_EQ(Sorted(now), Sorted(discards));

    // With both piles dry a deal gives what there is, and every card still owed reseeds once.
    int reseeds = 0;
    Random::Stream counted([&reseeds] { return static_cast<std::uint64_t>(++reseeds); });
    EXPECT_EQ(reserve.Deal(6, discard, counted).Count(), 3);
    EXPECT_EQ(reseeds, 3);
    qlCards well = MakeDeck({"Well"});
    EXPECT_EQ(well.Deal(3, well, counted).Count(), 1);  // its own discard pile: no refill
    EXPECT_EQ(reseeds, 3);

    // A deck of thousands is drawn another way; its order must still be three passes of taking
    // every card in turn from those left, as written out plainly here.
    qlCards large = MakeDeck(std::vector<std::string>(3000, "Well"));
    std::vector<std::uint32_t> expected = Ids(large);
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
    large.Shuffle(same);
    EXPECT_EQ(Ids(large), expected);
}

TEST(Deck, AddAndRemoveIgnoreWhatIsNotThereAndTheGoodsOrderKeepsTies) {
    qlCards deck = MakeDeck({"Chapel", "Hero"});
    const Card hero = deck.Item(2);
    EXPECT_TRUE(!deck.Item(0) && !deck.Item(3));
    deck.AddCards(MakeDeck({"Smithy", "Well"}));
    deck.RemoveCard(MakeCard("Well"));       // an equal card, but not this one
    deck.RemoveCards(MakeDeck({"Smithy"}));  // likewise
    deck.Remove(7);
    EXPECT_FALSE(deck.DealCardByName("Palace"));
    deck.Remove(1);
    EXPECT_EQ(deck.Item(1), hero);
    EXPECT_EQ(deck.DealCardByName("Well")->BuildingName(), "Well");
    deck.Remove(1);
    deck.AddCards(MakeDeck({"Well", "Smithy"}));
    deck.AddCards(deck.GetCardsByName("Smithy"));  // the same cards, in order
    deck.AddCards(deck);                           // the whole collection after itself
    EXPECT_EQ(Names(deck), (Strings{"Smithy", "Well", "Smithy", "Smithy", "Smithy", "Smithy",
                                    "Well", "Smithy", "Smithy", "Smithy"}));
    EXPECT_EQ(deck.Item(4), deck.Item(1));
    deck.RemoveCards(deck);
    EXPECT_TRUE(deck.Empty());

    qlCards city = MakeDeck({"Indigo Plant", "Chapel", "Coffee Roaster", "Indigo Plant",
                             "Silver Smelter", "Sugar Mill", "Tobacco Storage"});
    const Card firstIndigo = city.Item(1);
    city.OrderByGoodValue();  // production buildings only, best good first
    EXPECT_EQ(Names(city), (Strings{"Silver Smelter", "Coffee Roaster", "Tobacco Storage",
                                    "Sugar Mill", "Indigo Plant", "Indigo Plant"}));
    EXPECT_EQ(city.Item(5), firstIndigo);
}

// A pile dealt from keeps its order through everything that adds to it, copies it or moves it,
// whether its cards lie in the collection itself or in room elsewhere; a copy changes alone.
TEST(Deck, APileDealtFromKeepsItsOrderWhenAddedToCopiedAndMoved) {
    Random::Stream random(Random::SeededSource(3));
    qlCards none;
    for (const int size : {10, 30}) {
        qlCards pile;
        for (int i = 0; i < size; ++i) {
            pile.AddCard(MakeCard(i % 2 == 0 ? "Well" : "Crane"));
        }
        const auto ids = Ids(pile);
        const int dealt = size - 5;
        EXPECT_EQ(Ids(pile.Deal(dealt, none, random)),
                  std::vector(ids.begin(), ids.begin() + dealt));
        // More cards than the places after the last one, fewer than the whole room.
        const qlCards more = MakeDeck(Strings(static_cast<std::size_t>(dealt) - 2, "Tower"));
        const Card hero = MakeCard("Hero");
        pile.AddCards(more);
        pile.AddCard(hero);
        std::vector expected(ids.begin() + dealt, ids.end());
        for (const std::uint32_t id : Ids(more)) {
            expected.push_back(id);
        }
        expected.push_back(hero.Index());
        EXPECT_EQ(Ids(pile), expected) << size << " cards";
        qlCards copy = pile;
        EXPECT_EQ(Ids(copy), expected);
        copy.Remove(1);  // a collection of its own: the pile keeps the card
        EXPECT_EQ(Ids(pile), expected);
        qlCards moved = std::move(pile);
        EXPECT_EQ(Ids(moved), expected);
        pile = MakeDeck({"Crane"});  // moved from, and a collection again
        EXPECT_EQ(Names(pile), Strings{"Crane"});
        moved.Deal(3, none, random);
        qlCards assigned = MakeDeck({"Hero"});
        assigned = moved;
        EXPECT_EQ(Ids(assigned), std::vector(expected.begin() + 3, expected.end()));
    }
}
