// The role choice, the role valuation and the producing and trading measures under them.

#include <gtest/gtest.h>

#include <array>

#include "ai/RoleValuation.h"
#include "support/TableHelpers.h"

using namespace testing_support;
using ai::RoleEstimate;

namespace {

constexpr int kCouncillor = 0, kBuilder = 1, kProducer = 2, kTrader = 3, kProspector = 4;

std::array<bool, 5> Free(std::initializer_list<int> roles) {
    std::array<bool, 5> free{};
    for (const int role : roles) {
        free[static_cast<std::size_t>(role)] = true;
    }
    return free;
}

}  // namespace

TEST(AIPickRole, BestFreeRoleTiesToTheLowerIndexAndAFreeRoleBelowTheMark) {
    TableGlobals g(2, 8);
    PauseCounter pauses;
    // I can build nothing: Councillor 0.2, Builder -999, Producer 0, Trader 0, Prospector 1;
    // the opponent, with five cards and no privilege, counts 0 for every role.
    auto me = Seat("Indigo Plant", "", true);
    auto opp = Seat("Indigo Plant", "Well,Well,Well,Well,Well");
    LinkRing({me.get(), opp.get()});
    const std::pair<std::array<bool, 5>, int> picks[] = {{Free({0, 1, 2, 3, 4}), 4},
                                                         {Free({0, 1, 2, 3}), 0},
                                                         {Free({1, 2, 3}), 2},
                                                         {Free({1, 3}), 3},
                                                         {Free({1}), 1}};
    for (const auto& [free, role] : picks) {
        EXPECT_EQ(me->AIPickRole(free), role);
    }
    EXPECT_EQ(pauses.count, 0);
    modGlobal::SetPauseLength(1234);
    EXPECT_EQ(me->AIPickRole(Free({})), 0);
    EXPECT_EQ(pauses.count, 1);
    EXPECT_EQ(pauses.lastLength, 1234);
    me->SetCardsInHand(MakeDeck({"Smithy", "Well"}));  // building by value pauses too
    me->AIPickRole(Free({0, 1, 2, 3, 4}));
    EXPECT_EQ(pauses.count, 2);

    // 10010 unbuildable cards leave a room of -10003, which caps Councillor, Producer and
    // Trader; the opponent's Prefecture takes one more off the Councillor.
    me->SetCardsInHand(MakeDeck(std::vector<std::string>(10010, "Indigo Plant")));
    opp = Seat("Indigo Plant,Prefecture", "Well,Well,Well,Well,Well");
    LinkRing({me.get(), opp.get()});
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*me, kCouncillor), -10003 - 1);
    EXPECT_EQ(me->AIPickRole(Free({0, 2, 3})), 2);
    EXPECT_EQ(me->AIPickRole(Free({0, 3})), 3);
    EXPECT_EQ(me->AIPickRole(Free({0})), 0);
    EXPECT_EQ(pauses.count, 2);
}

TEST(RoleValuation, OpponentBuilderTable) {
    TableGlobals g(4, 8);
    const auto me = Seat("Indigo Plant");
    struct Case {
        const char *city, *hand;
        bool privilege;
        double value;  // v - (v + 2) * c
    };
    const Case cases[] = {
        {"", "", false, -2},
        {"Smithy", "Well", false, -2 * 0.88},
        {"Smithy,Quarry", "Well,Well", false, -2 * 0.52},
        {"", "Well,Well,Well", false, -2 * 0.28},
        {"Quarry,Smithy", "Well,Well,Well", false, -2 * 0.04},
        {"Quarry", "Well,Well,Well,Well", false, -2 * 0.002},
        {"", "Well,Well,Well,Well", false, -2 * 0.04},
        {"", "Well,Well,Well,Well,Well", false, 0},
        {"", "Well,Well", true, 1 - 3 * 0.76},
        {"", "Well,Well,Well,Well,Well,Well,Well,Well,Well", false, 2},  // 2 over the limit
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(RoleEstimate(*me, *Seat(c.city, c.hand, c.privilege), kBuilder), c.value, 1e-12)
            << c.city << " / " << c.hand;
    }
}

TEST(RoleValuation, LateShortfallRoundsHalfToEvenAndOwnEstimates) {
    TableGlobals g(4, 5);
    // Beside five unbuildable plants one card decides; (5 - its value) / 4 is rounded.
    const std::pair<const char*, double> cases[] = {
        {"Prefecture", 0},    // worth 3: 0.5 -> 0
        {"Black Market", 2},  // worth -1: 1.5 -> 2
        {"Gold Mine", 1},     // worth 1
        {"Library", 0},       // worth 14: -2.25 -> -2, nothing added
        {"Indigo Plant", 5},  // nothing buildable
    };
    for (const auto& [card, x] : cases) {
        const auto me = Seat("Indigo Plant", std::string(card) + ",Indigo Plant,Indigo Plant," +
                                                 "Indigo Plant,Indigo Plant,Indigo Plant");
        EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kCouncillor), x) << card;
        EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kBuilder), x == 5 ? -999 : -x) << card;
    }
    // A crane two buildings behind: 1 - 4 - 2 = -5, and 10 / 4 = 2.5 -> 2.
    auto me = Seat("Indigo Plant", "Crane,Indigo Plant,Indigo Plant,Indigo Plant,Indigo Plant");
    auto opp = Seat("Coffee Roaster,Gold Mine,Indigo Plant", "Well,Well,Well,Well,Well,Well");
    PutGoods(*opp, {"Coffee Roaster", "Indigo Plant"});
    LinkRing({me.get(), opp.get()});
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kCouncillor), 2);
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kBuilder), -2);
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *opp, kTrader), 1);    // 2.2 rounds to 2; room 1
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *opp, kProducer), 0);  // nothing open
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, 5), 0);
    TableGlobals early(4, 6);  // the room caps my Councillor; building keeps its privilege
    me->SetGetsRoleBenefit(true);
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kCouncillor), 0.2);
    EXPECT_DOUBLE_EQ(RoleEstimate(*me, *me, kBuilder), 1);
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*me, kProspector), 3 * 1 - 0.2);  // my 1 against 0.2
    TableGlobals two(2, 6);
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*me, kProspector), 1 - 0.2);
    const auto crane = Seat("Indigo Plant,Crane");  // nothing to build, but a crane to use
    EXPECT_DOUBLE_EQ(RoleEstimate(*crane, *crane, kBuilder), -1);
}

TEST(PhaseMeasures, PowersAndSlotEstimates) {
    EXPECT_EQ(Seat("Indigo Plant")->TradingPower(false, true), 1);  // Library needs privilege
    EXPECT_EQ(Seat("Trading Post")->TradingPower(true, true), 4);
    EXPECT_EQ(Seat("Trading Post")->ProducingPower(true, true), 3);
    EXPECT_EQ(Seat("Aqueduct")->ProducingPower(true, false), 3);
    struct Case {
        const char *city, *goods;
        bool trade, chooser;
        double expected;
    };
    const char* fourGoods = "Indigo Plant,Sugar Mill,Market Stand,Black Market";
    const Case cases[] = {
        {"Indigo Plant,Silver Smelter", "Indigo Plant,Silver Smelter", true, false, 2.6},
        {"Silver Smelter,Indigo Plant", "Indigo Plant,Silver Smelter", true, false, 2.6},
        // 1.4 rounds to 1, and a slot of 1.0 is not below 1: the sugar leaves the indigo.
        {"Indigo Plant,Sugar Mill", "Indigo Plant,Sugar Mill", true, false, 1.0},
        // The bar falls from 2 to 1 at the first slot (1.4); the second (1.0) is not below 1.
        {"Sugar Mill,Indigo Plant,Coffee Roaster", "Sugar Mill,Indigo Plant,Coffee Roaster", true,
         true, 2.2 + 1.0},
        {"Indigo Plant,Market Hall,Black Market", "", true, false, 1 - 0.5},
        {fourGoods, "Indigo Plant,Sugar Mill", true, true, 1.0 + 1.4 + 1 - 1},
        {fourGoods, "Indigo Plant,Sugar Mill", true, false, 1.0 - 1},  // one slot: no stand bonus
        {"Indigo Plant,Sugar Mill,Well", "", false, true, 1.0 + 1.4 + 1},
        {"Indigo Plant,Sugar Mill,Well", "", false, false, 1.0},
        {"Indigo Plant,Sugar Mill,Well", "Sugar Mill", false, true, 1.0},
        {"Tobacco Storage,Coffee Roaster", "", false, false, 2.2},  // 1.8 is below 2
    };
    for (const Case& c : cases) {
        const auto s = Seat(c.city);
        PutGoods(*s, Split(c.goods));
        EXPECT_DOUBLE_EQ(c.trade ? s->CardsFromTradingAvg(c.chooser, false)
                                 : s->CardsFromProducingAvg(c.chooser, false),
                         c.expected)
            << c.city << " / " << c.goods;
    }
}
