// The role valuation: each seat's estimate of a role and the deciding seat's advantage.

#include <gtest/gtest.h>

#include "ai/RoleValuation.h"
#include "support/TableHelpers.h"

using namespace testing_support;
using ai::RoleEstimate;

namespace {

constexpr int kCouncillor = 0, kBuilder = 1, kProducer = 2, kTrader = 3, kProspector = 4;

std::vector<std::string> Cards(std::size_t count) {
    return std::vector<std::string>(count, "Well");
}

}  // namespace

TEST(RoleValuation, OpponentBuilderByHandSizeAndCostBuildings) {
    TableGlobals g(4, 8);
    const auto me = MakeSeat({.city = {"Indigo Plant"}});
    struct Case {
        std::size_t hand;
        std::vector<std::string> city;
        bool privilege;
        double expected;  // v - (v + 2) * c
    };
    const Case cases[] = {
        {0, {}, false, -2},
        {1, {"Smithy"}, false, -2 * 0.88},
        {2, {"Smithy", "Quarry"}, false, -2 * 0.52},
        {3, {}, false, -2 * 0.28},
        {3, {"Quarry", "Smithy"}, false, -2 * 0.04},
        {4, {"Quarry"}, false, -2 * 0.002},
        {4, {}, false, -2 * 0.04},
        {5, {}, false, 0},
        {2, {}, true, 1 - 3 * 0.76},
        {9, {}, false, 2},  // two cards over the limit of 7
    };
    for (const Case& c : cases) {
        const auto opp =
            MakeSeat({.city = c.city, .hand = Cards(c.hand), .roleBenefit = c.privilege});
        EXPECT_NEAR(RoleEstimate(*me, *opp, kBuilder), c.expected, 1e-12)
            << c.hand << " cards, " << c.city.size() << " cost buildings";
    }
}

TEST(RoleValuation, LateShortfallRoundsHalfToEven) {
    TableGlobals g(4, 5);
    // With five unbuildable plants beside it, the one buildable card decides; its value at this
    // stage is worked out from its points, rule and cost. (5 - value) / 4 is rounded.
    struct Case {
        const char* card;
        double value;
        double councillor;
    };
    const Case cases[] = {
        {"Prefecture", 2 + 4 - 3, 0},  // 0.5 -> 0
        {"Black Market", 1 - 2, 2},    // 1.5 -> 2
        {"Gold Mine", 1 + 1 - 1, 1},   // 1 -> 1
        {"Library", 3 + 16 - 5, 0},    // -2.25 -> -2: nothing added
        {"Indigo Plant", -9999, 5},    // nothing buildable: 5
    };
    for (const Case& c : cases) {
        const auto me = MakeSeat({.city = {"Indigo Plant"},
                                  .hand = {c.card, "Indigo Plant", "Indigo Plant", "Indigo Plant",
                                           "Indigo Plant", "Indigo Plant"}});
        EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kCouncillor), c.councillor) << c.card;
        if (c.value > -9999) {
            EXPECT_DOUBLE_EQ(MakeCard(c.card)->AIValue(*me), c.value) << c.card;
            EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kBuilder), -c.councillor) << c.card;
        }
    }
    // A crane two buildings behind the other city: 1 - 4 - 2 = -5, and 10 / 4 = 2.5 -> 2.
    auto me = MakeSeat(
        {.city = {"Indigo Plant"},
         .hand = {"Crane", "Indigo Plant", "Indigo Plant", "Indigo Plant", "Indigo Plant"}});
    auto opp = MakeSeat({.city = {"Indigo Plant", "Smithy", "Well"}});
    LinkRing({me.get(), opp.get()});
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kCouncillor), 2);
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kBuilder), -2);
    // Earlier in the game the room caps the Councillor, and building keeps its privilege.
    TableGlobals early(4, 6);
    me->SetGetsRoleBenefit(true);
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kCouncillor), 0.2);
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kBuilder), 1);
}

TEST(RoleValuation, OwnEstimatesAndTheAdvantageOverOpponents) {
    TableGlobals g(2, 8);
    auto me = MakeSeat({.city = {"Indigo Plant"}, .roleBenefit = true});
    auto opp = MakeSeat(
        {.city = {"Indigo Plant", "Gold Mine", "Prefecture", "Coffee Roaster"}, .hand = Cards(6)});
    PutGoods(*opp, {"Coffee Roaster", "Indigo Plant"});
    LinkRing({me.get(), opp.get()});
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kBuilder), -999);  // nothing to build, no crane
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *opp, kCouncillor),
                     1);                                    // its Prefecture, within its room of 1
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *opp, kTrader), 1);  // 2.2 rounds to 2, room 1
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *opp, kProducer), 0);  // nothing open
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, 5), 0);
    // Two players: my estimate once, the opponent's once.
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*me, kProspector), 1 - 0.2);
    TableGlobals four(4, 8);
    auto third = MakeSeat({.city = {"Gold Mine"}});
    auto fourth = MakeSeat({.city = {"Indigo Plant"}});
    LinkRing({me.get(), opp.get(), third.get(), fourth.get()});
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*me, kProspector), 3 * 1 - 0.2 - 0.2 - 0);
    // A built crane in a city of two makes building worth -1 rather than -999.
    auto crane = MakeSeat({.city = {"Indigo Plant", "Crane"}});
    EXPECT_DOUBLE_EQ(RoleEstimate(*crane, *crane, kBuilder), -1);
}
