// The role choice and the producing and trading measures it rests on.

#include <gtest/gtest.h>

#include <array>

#include "support/TableHelpers.h"

using namespace testing_support;

namespace {

std::array<bool, 5> Free(std::initializer_list<int> roles) {
    std::array<bool, 5> free{};
    for (const int role : roles) {
        free[static_cast<std::size_t>(role)] = true;
    }
    return free;
}

}  // namespace

TEST(AIPickRole, TakesTheBestFreeRoleTiesToTheLowerIndex) {
    TableGlobals g(2, 8);
    PauseCounter pauses;
    // I can build nothing: Councillor 0.2, Builder -999, Producer 0, Trader 0, Prospector 1;
    // the opponent, with five cards and no privilege, counts 0 for every role.
    auto me = MakeSeat({.city = {"Indigo Plant"}, .roleBenefit = true});
    auto opp =
        MakeSeat({.city = {"Indigo Plant"}, .hand = {"Well", "Well", "Well", "Well", "Well"}});
    LinkRing({me.get(), opp.get()});
    EXPECT_EQ(me->AIPickRole(Free({0, 1, 2, 3, 4})), 4);
    EXPECT_EQ(me->AIPickRole(Free({0, 1, 2, 3})), 0);
    EXPECT_EQ(me->AIPickRole(Free({1, 2, 3})), 2);
    EXPECT_EQ(me->AIPickRole(Free({1, 3})), 3);
    EXPECT_EQ(me->AIPickRole(Free({1})), 1);
    EXPECT_EQ(pauses.count, 0);
    modGlobal::PauseLength = 1234;
    EXPECT_EQ(me->AIPickRole(Free({})), 0);
    EXPECT_EQ(pauses.count, 1);
    EXPECT_EQ(pauses.lastLength, 1234);

    // Building by value pauses, also while the roles are weighed.
    me->SetCardsInHand(MakeDeck({"Smithy", "Well"}));
    me->AIPickRole(Free({0, 1, 2, 3, 4}));
    EXPECT_EQ(pauses.count, 2);
}

TEST(AIPickRole, ReturnsAFreeRoleWhenEveryFreeScoreIsBelowTheMark) {
    TableGlobals g(2, 8);
    PauseCounter pauses;
    // 10010 cards I cannot build leave a room of -10003, which caps Councillor, Producer and
    // Trader; the opponent's Prefecture takes one more off the Councillor: scores are -10004,
    // -999, -10003, -10003 and 1.
    auto me = MakeSeat({.city = {"Indigo Plant"},
                        .hand = std::vector<std::string>(10010, "Indigo Plant"),
                        .roleBenefit = true});
    auto opp = MakeSeat(
        {.city = {"Indigo Plant", "Prefecture"}, .hand = {"Well", "Well", "Well", "Well", "Well"}});
    LinkRing({me.get(), opp.get()});
    EXPECT_EQ(me->AIPickRole(Free({0, 2, 3})), 2);
    EXPECT_EQ(me->AIPickRole(Free({0, 3})), 3);
    EXPECT_EQ(me->AIPickRole(Free({0})), 0);
    EXPECT_EQ(pauses.count, 0);
}

TEST(PhaseMeasures, PowersAndSlotEstimates) {
    // The Library counts only with the privilege.
    EXPECT_EQ(MakeSeat({.city = {"Indigo Plant"}})->TradingPower(false, true), 1);
    const auto post = MakeSeat({.city = {"Trading Post"}});
    EXPECT_EQ(post->TradingPower(true, true), 4);
    EXPECT_EQ(post->ProducingPower(true, true), 3);
    EXPECT_EQ(MakeSeat({.city = {"Aqueduct"}})->ProducingPower(true, false), 3);

    struct SlotCase {
        std::vector<std::string> city, goods;
        bool trade, chooser;
        double expected;
    };
    const SlotCase cases[] = {
        {{"Indigo Plant", "Silver Smelter"}, {"Indigo Plant", "Silver Smelter"}, true, false, 2.6},
        {{"Silver Smelter", "Indigo Plant"}, {"Indigo Plant", "Silver Smelter"}, true, false, 2.6},
        // 1.4 rounds to 1, and a slot of 1.0 is not below 1: the sugar leaves the indigo.
        {{"Indigo Plant", "Sugar Mill"}, {"Indigo Plant", "Sugar Mill"}, true, false, 1.0},
        // The bar falls from 2 to 1 at the first slot (1.4); the second (1.0) is not below 1.
        {{"Sugar Mill", "Indigo Plant", "Coffee Roaster"},
         {"Sugar Mill", "Indigo Plant", "Coffee Roaster"},
         true,
         true,
         2.2 + 1.0},
        {{"Indigo Plant", "Market Hall", "Black Market"}, {}, true, false, 1 - 0.5},
        {{"Indigo Plant", "Sugar Mill", "Market Stand", "Black Market"},
         {"Indigo Plant", "Sugar Mill"},
         true,
         true,
         1.0 + 1.4 + 1 - 1},
        {{"Indigo Plant", "Sugar Mill", "Market Stand", "Black Market"},
         {"Indigo Plant", "Sugar Mill"},
         true,
         false,
         1.0 - 1},  // one slot: no stand bonus
        {{"Indigo Plant", "Sugar Mill", "Well"}, {}, false, true, 1.0 + 1.4 + 1},
        {{"Indigo Plant", "Sugar Mill", "Well"}, {}, false, false, 1.0},
        {{"Indigo Plant", "Sugar Mill", "Well"}, {"Sugar Mill"}, false, true, 1.0},
        // 2.2 rounds to 2, and the 1.8 slot is below it.
        {{"Tobacco Storage", "Coffee Roaster"}, {}, false, false, 2.2},
    };
    for (const SlotCase& c : cases) {
        const auto s = MakeSeat({.city = c.city});
        PutGoods(*s, c.goods);
        EXPECT_DOUBLE_EQ(c.trade ? s->CardsFromTradingAvg(c.chooser, false)
                                 : s->CardsFromProducingAvg(c.chooser, false),
                         c.expected)
            << c.city.size() << " buildings, " << c.goods.size() << " goods";
    }
}
