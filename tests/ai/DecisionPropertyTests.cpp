// Every decision on many seeded random tables: the cards come from the collection the phase
// expects, in the count it expects, never twice, and nothing changes that should not.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/TableHelpers.h"

using namespace testing_support;

namespace {

using V = std::vector<const qlCard*>;

const std::vector<std::string> kNames = {
    "Indigo Plant", "Sugar Mill", "Tobacco Storage", "Coffee Roaster", "Silver Smelter",
    "Smithy",       "Gold Mine",  "Archive",         "Poor House",     "Black Market",
    "Trading Post", "Well",       "Market Stand",    "Crane",          "Chapel",
    "Tower",        "Aqueduct",   "Carpenter",       "Prefecture",     "Market Hall",
    "Quarry",       "Library",    "Statue",          "Victory Column", "Hero",
    "Guild Hall",   "City Hall",  "Triumphal Arch",  "Palace"};

int Draw(int count) {
    return Random::NextIndex(count);
}

std::vector<std::string> RandomNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(kNames[static_cast<std::size_t>(Draw(static_cast<int>(kNames.size())))]);
    }
    return names;
}

std::unique_ptr<qlPlayer> RandomSeat() {
    std::vector<std::string> city = RandomNames(Draw(11));
    city.insert(city.begin(), "Indigo Plant");
    auto seat = MakeSeat({.city = city, .hand = RandomNames(Draw(14))});
    for (const CardRef& building : *seat->BuiltCards()) {
        if (building->BuildingType() == 0 && Draw(2) == 1) {
            building->SetGoodPresent(MakeCard("Sugar Mill"));
        }
    }
    seat->SetLibraryActive(seat->LibraryActive() || Draw(4) == 0);
    return seat;
}

V Sorted(V ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Every card of `part` is in `whole`, and none of them twice.
void ExpectDistinctPart(const qlCards& part, const qlCards& whole, const char* what) {
    const V ids = Sorted(Ids(part));
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << what;
    for (const CardRef& card : part) {
        EXPECT_TRUE(whole.Contains(card)) << what;
    }
}

// The written ordering: a selection sort that works out every quotient afresh.
V ReferenceOrder(const qlCards& cards, const qlPlayer& seat, bool divideByCost) {
    std::vector<CardRef> rest(cards.begin(), cards.end());
    V result;
    while (!rest.empty()) {
        double best = -9999;
        std::size_t bestPosition = 0;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const double q = rest[i]->AIValue(seat) / (divideByCost ? rest[i]->Cost() : 1);
            if (q > best) {
                best = q;
                bestPosition = i;
            }
        }
        result.push_back(rest[bestPosition].get());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(bestPosition));
    }
    return result;
}

void CheckSeat(qlPlayer& seat) {
    const DeckRef hand = seat.CardsInHand();
    const V handBefore = Ids(*hand);
    const V cityBefore = Ids(*seat.BuiltCards());
    const auto h = static_cast<int>(hand->Count());

    for (const bool perCost : {false, true}) {
        auto copy = MakeDeck({});
        copy->AddCards(hand);
        copy->AddCards(MakeDeck(RandomNames(4)));
        const V expected = ReferenceOrder(*copy, seat, perCost);
        copy->OrderByAIValue(seat, perCost);
        EXPECT_EQ(Ids(*copy), expected);
    }

    std::array<bool, 5> free{};
    bool anyFree = false;
    for (bool& role : free) {
        role = Draw(2) == 1;
        anyFree = anyFree || role;
    }
    const int role = seat.AIPickRole(free);
    EXPECT_TRUE(anyFree ? free[static_cast<std::size_t>(role)] : role == 0);

    const DeckRef chapel = seat.AIPickChapelCard();
    EXPECT_LE(chapel->Count(), 1);
    ExpectDistinctPart(*chapel, *hand, "chapel");
    const DeckRef crane = seat.AIUseCrane();
    EXPECT_LE(crane->Count(), 1);
    ExpectDistinctPart(*crane, *seat.BuiltCards(), "crane");
    EXPECT_FALSE(crane->ContainsName("Crane"));
    const DeckRef market = seat.AIBlackMarket();
    EXPECT_LE(market->Count(), 2);
    ExpectDistinctPart(*market, *seat.BuildingsWithGoods(), "black market");
    for (int savings = 0; savings <= 2; ++savings) {
        const DeckRef build = seat.AIGetCardToBuild(savings);
        ExpectDistinctPart(*build, *seat.GetBuildableCards(nullptr, savings), "build");
        EXPECT_TRUE(modGlobal::BuildingsLeft == 11 || build->Count() <= 1);
    }
    for (int cost = 0; cost <= h; ++cost) {
        const DeckRef pay = seat.AIGetBuildPaymentCards(cost);
        EXPECT_EQ(pay->Count(), cost);
        ExpectDistinctPart(*pay, *hand, "payment");
    }
    const DeckRef useless = seat.GetUselessCards();
    ExpectDistinctPart(*useless, *hand, "useless");
    for (const CardRef& card : *useless) {
        EXPECT_FALSE(seat.GetBuildableCards()->Contains(card));
    }
    for (int units = 0; units <= 4; ++units) {
        const DeckRef produce = seat.AIChooseProductionGoods(units);
        const DeckRef sell = seat.AIChooseTradingGoods(units);
        EXPECT_LE(produce->Count(), units);
        EXPECT_LE(sell->Count(), units);
        ExpectDistinctPart(*produce, *seat.OpenProductionBuildings(), "produce");
        ExpectDistinctPart(*sell, *seat.BuildingsWithGoods(), "sell");
    }

    const DeckRef draw = MakeDeck(RandomNames(2 + Draw(7)));
    auto offered = MakeDeck({});
    offered->AddCards(draw);
    const bool archive = seat.HasBuiltCard("Archive");
    if (archive) {
        offered->AddCards(hand);
    }
    const DeckRef kept = seat.AIPickCouncillorCards(draw);
    EXPECT_EQ(kept->Count(), (seat.HasBuiltCard("Prefecture") ? 2 : 1) + (archive ? h : 0));
    V together = Ids(*kept);
    const V left = Ids(*draw);
    together.insert(together.end(), left.begin(), left.end());
    EXPECT_EQ(Sorted(together), Sorted(Ids(*offered)));

    const DeckRef mine = MakeDeck(RandomNames(4));
    const V mineBefore = Sorted(Ids(*mine));
    const DeckRef taken = seat.AIPickGoldMineCard(mine);
    EXPECT_EQ(taken->Count(), 1);
    ExpectDistinctPart(*taken, *mine, "gold mine");
    EXPECT_EQ(Sorted(Ids(*mine)), mineBefore);

    EXPECT_EQ(Ids(*seat.CardsInHand()), handBefore);
    EXPECT_EQ(Ids(*seat.BuiltCards()), cityBefore);

    const int limit = seat.CardsAllowed();
    const DeckRef given = seat.AIDiscardDownTo(limit);
    EXPECT_EQ(seat.CardsInHand()->Count(), std::min(limit, h));
    V all = Ids(*seat.CardsInHand());
    const V gone = Ids(*given);
    all.insert(all.end(), gone.begin(), gone.end());
    EXPECT_EQ(Sorted(all), Sorted(handBefore));
}

}  // namespace

TEST(DecisionProperties, RandomTablesGiveWhatThePhasesRelyOn) {
    SeedGuard seed(2024);
    PauseCounter pauses;
    Random::Reseed();
    for (int table = 0; table < 150; ++table) {
        TableGlobals g(static_cast<Integer>(2 + Draw(3)), static_cast<Integer>(1 + Draw(11)));
        std::vector<std::unique_ptr<qlPlayer>> seats;
        std::vector<qlPlayer*> ring;
        for (int i = 0; i < modGlobal::NumberOfPlayers; ++i) {
            seats.push_back(RandomSeat());
            ring.push_back(seats.back().get());
        }
        LinkRing(ring);
        seats[0]->SetGetsRoleBenefit(Draw(2) == 1);
        for (const auto& seat : seats) {
            CheckSeat(*seat);
        }
    }
}
