// Every decision on many seeded random tables: the cards come from the collection the phase
// expects, in the count it expects, never twice, and nothing changes that should not.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/TableHelpers.h"

using namespace testing_support;

namespace {

using V = std::vector<const qlCard*>;

const std::vector<std::string> kNames = Split(
    "Indigo Plant,Sugar Mill,Tobacco Storage,Coffee Roaster,Silver Smelter,Smithy,Gold Mine,"
    "Archive,Poor House,Black Market,Trading Post,Well,Market Stand,Crane,Chapel,Tower,Aqueduct,"
    "Carpenter,Prefecture,Market Hall,Quarry,Library,Statue,Victory Column,Hero,Guild Hall,"
    "City Hall,Triumphal Arch,Palace");

DeckRef RandomCards(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(kNames[static_cast<std::size_t>(Random::NextIndex(29))]);
    }
    return MakeDeck(names);
}

V Sorted(V ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Every card of `part` is in `whole`, and none of them twice.
void ExpectPartOf(const DeckRef& part, const DeckRef& whole) {
    const V ids = Sorted(Ids(*part));
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    for (const CardRef& card : *part) {
        EXPECT_TRUE(whole->Contains(card));
    }
}

void CheckSeat(qlPlayer& seat) {
    const DeckRef hand = seat.CardsInHand();
    const V handBefore = Ids(*hand), cityBefore = Ids(*seat.BuiltCards());
    const int h = static_cast<int>(hand->Count());
    for (const bool perCost : {false, true}) {
        DeckRef cards = RandomCards(8);
        cards->AddCards(hand);
        const V expected = ReferenceOrderByAIValue(*cards, seat, perCost);
        cards->OrderByAIValue(seat, perCost);
        EXPECT_EQ(Ids(*cards), expected);
    }
    std::array<bool, 5> free{};
    for (bool& role : free) {
        role = Random::NextIndex(2) == 1;
    }
    const int role = seat.AIPickRole(free);
    EXPECT_TRUE(free[static_cast<std::size_t>(role)] || (role == 0 && free == decltype(free){}));

    EXPECT_LE(seat.AIPickChapelCard()->Count(), 1);
    ExpectPartOf(seat.AIPickChapelCard(), hand);
    const DeckRef crane = seat.AIUseCrane();
    EXPECT_TRUE(crane->Count() <= 1 && !crane->ContainsName("Crane"));
    ExpectPartOf(crane, seat.BuiltCards());
    EXPECT_LE(seat.AIBlackMarket()->Count(), 2);
    ExpectPartOf(seat.AIBlackMarket(), seat.BuildingsWithGoods());
    for (int savings = 0; savings <= 2; ++savings) {
        const DeckRef build = seat.AIGetCardToBuild(savings);
        ExpectPartOf(build, seat.GetBuildableCards(nullptr, savings));
        EXPECT_TRUE(modGlobal::BuildingsLeft() == 11 || build->Count() <= 1);
    }
    for (int cost = 0; cost <= h; ++cost) {
        EXPECT_EQ(seat.AIGetBuildPaymentCards(cost)->Count(), cost);
        ExpectPartOf(seat.AIGetBuildPaymentCards(cost), hand);
    }
    const DeckRef useless = seat.GetUselessCards();
    ExpectPartOf(useless, hand);
    for (const CardRef& card : *useless) {
        EXPECT_FALSE(seat.GetBuildableCards()->Contains(card));
    }
    for (int units = 0; units <= 4; ++units) {
        EXPECT_LE(seat.AIChooseProductionGoods(units)->Count(), units);
        EXPECT_LE(seat.AIChooseTradingGoods(units)->Count(), units);
        ExpectPartOf(seat.AIChooseProductionGoods(units), seat.OpenProductionBuildings());
        ExpectPartOf(seat.AIChooseTradingGoods(units), seat.BuildingsWithGoods());
    }

    // The kept and the left-over cards together are the offered ones, each once.
    const DeckRef draw = RandomCards(2 + Random::NextIndex(7));
    const bool archive = seat.HasBuiltCard("Archive");
    V offered = Ids(*draw);
    if (archive) {
        offered.insert(offered.end(), handBefore.begin(), handBefore.end());
    }
    const DeckRef kept = seat.AIPickCouncillorCards(draw);
    EXPECT_EQ(kept->Count(), (seat.HasBuiltCard("Prefecture") ? 2 : 1) + (archive ? h : 0));
    kept->AddCards(draw);
    EXPECT_EQ(Sorted(Ids(*kept)), Sorted(offered));

    const DeckRef shown = RandomCards(4);
    const V shownBefore = Sorted(Ids(*shown));
    const DeckRef taken = seat.AIPickGoldMineCard(shown);
    EXPECT_EQ(taken->Count(), 1);
    ExpectPartOf(taken, shown);
    EXPECT_EQ(Sorted(Ids(*shown)), shownBefore);

    EXPECT_EQ(Ids(*seat.CardsInHand()), handBefore);
    EXPECT_EQ(Ids(*seat.BuiltCards()), cityBefore);
    const int limit = seat.CardsAllowed();
    const DeckRef given = seat.AIDiscardDownTo(limit);
    EXPECT_EQ(seat.CardsInHand()->Count(), std::min(limit, h));
    given->AddCards(seat.CardsInHand());
    EXPECT_EQ(Sorted(Ids(*given)), Sorted(handBefore));
}

}  // namespace

TEST(DecisionProperties, RandomTablesGiveWhatThePhasesRelyOn) {
    SeedGuard seed(2024);
    PauseCounter pauses;
    Random::Reseed();
    for (int table = 0; table < 150; ++table) {
        TableGlobals g(static_cast<Integer>(2 + Random::NextIndex(3)),
                       static_cast<Integer>(1 + Random::NextIndex(11)));
        std::vector<std::unique_ptr<qlPlayer>> seats;
        std::vector<qlPlayer*> ring;
        for (int i = 0; i < modGlobal::NumberOfPlayers(); ++i) {
            seats.push_back(std::make_unique<qlPlayer>());
            seats.back()->BuildCard(MakeCard("Indigo Plant"));
            const DeckRef city = RandomCards(Random::NextIndex(11));
            for (const CardRef& building : *city) {
                seats.back()->BuildCard(building);
                if (building->BuildingType() == 0 && Random::NextIndex(2) == 1) {
                    building->SetGoodPresent(MakeCard("Well"));
                }
            }
            seats.back()->SetCardsInHand(RandomCards(Random::NextIndex(14)));
            ring.push_back(seats.back().get());
        }
        LinkRing(ring);
        seats[0]->SetGetsRoleBenefit(Random::NextIndex(2) == 1);
        for (const auto& seat : seats) {
            CheckSeat(*seat);
        }
    }
}
