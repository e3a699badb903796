// The role choice, the role valuation and the producing and trading measures under them.

#include <gtest/gtest.h>

#include <array>

#include "ai/ComputerPlayer.h"
#include "ai/RoleValuation.h"
#include "support/TableHelpers.h"

using namespace testing_support;
using namespace ai;

namespace {
constexpr int kCouncillor = 0, kBuilder = 1, kProducer = 2, kTrader = 3, kProspector = 4;
}

TEST(AIPickRole, BestFreeRoleTiesToTheLowerIndexAndAFreeRoleBelowTheMark) {
    const GameValues g{2, 8};
    // I can build nothing: Councillor 0.2, Builder -999, Producer 0, Trader 0, Prospector 1;
    // the opponent, with five cards and no privilege, counts 0 for every role.
    auto me = Seat(g, "Indigo Plant", "", true);
    auto opp = Seat(g, "Indigo Plant", "Well,Well,Well,Well,Well");
    const std::array<const qlPlayer*, 1> opponents{opp.get()};
    EXPECT_EQ(AIPickRole(*me, opponents, {true, true, true, true, true}), kProspector);
    EXPECT_EQ(AIPickRole(*me, opponents, {true, true, true, true, false}), kCouncillor);
    EXPECT_EQ(AIPickRole(*me, opponents, {false, true, true, true, false}), kProducer);
    EXPECT_EQ(AIPickRole(*me, opponents, {false, true, false, false, false}), kBuilder);
    EXPECT_EQ(AIPickRole(*me, opponents, {}), 0);  // none free
    // 10010 unbuildable cards leave a room of -10003, which caps Councillor, Producer and
    // Trader below the mark; the opponent's Prefecture takes one more off the Councillor.
    me->SetCardsInHand(MakeDeck(std::vector<std::string>(10010, "Indigo Plant")));
    opp->BuildCard(MakeCard("Prefecture"));
    CardValues mine(*me, opponents);
    EXPECT_DOUBLE_EQ(AIRoleValues(mine)[kCouncillor], -10003 - 1);
    EXPECT_EQ(AIPickRole(*me, opponents, {true, false, true, true, false}), kProducer);
    EXPECT_EQ(AIPickRole(*me, opponents, {true, false, false, false, false}), kCouncillor);
}

TEST(RoleValuation, ASeatThatCanBuildNothingButHasACraneToUseValuesItsBuilderAtMinusOne) {
    const GameValues g{4, 8};
    const auto crane = Seat(g, "Indigo Plant,Crane");
    CardValues craneValues(*crane, {});
    EXPECT_DOUBLE_EQ(RoleEstimates(craneValues, *crane)[kBuilder], -1);
    const auto cranes = Seat(g, "Crane");
    CardValues cranesValues(*cranes, {});
    EXPECT_DOUBLE_EQ(RoleEstimates(cranesValues, *cranes)[kBuilder], -999);
}

TEST(PhaseMeasures, PowersAndSlotEstimates) {
    EXPECT_EQ(Seat("Indigo Plant")->TradingPower(false, true), 1);  // Library needs privilege
    EXPECT_EQ(Seat("Trading Post")->TradingPower(true, true), 4);
    EXPECT_EQ(Seat("Aqueduct")->ProducingPower(true, false), 3);
    const char* fourGoods = "Indigo Plant,Sugar Mill,Market Stand,Black Market";
    const std::tuple<const char*, const char*, bool, bool, double> cases[] = {
        // City, goods, trading, chooser, expected cards.
        // 1.4 rounds to 1, and a slot of 1.0 is not below 1: the sugar leaves the indigo.
        {"Indigo Plant,Sugar Mill", "Indigo Plant,Sugar Mill", true, false, 1.0},
        // The bar falls from 2 to 1 at the first slot (1.4); the second (1.0) is not below 1.
        {"Sugar Mill,Indigo Plant,Coffee Roaster", "Sugar Mill,Indigo Plant,Coffee Roaster", true,
         true, 2.2 + 1.0},
        {fourGoods, "Indigo Plant,Sugar Mill", true, true, 1.0 + 1.4 + 1 - 1},
        {fourGoods, "Indigo Plant,Sugar Mill", true, false, 1.0 - 1},  // one slot: no stand bonus
        {"Indigo Plant,Sugar Mill,Well", "", false, true, 1.0 + 1.4 + 1},
        {"Tobacco Storage,Coffee Roaster", "", false, false, 2.2},  // 1.8 is below 2
    };
    for (const auto& [city, goods, trade, chooser, expected] : cases) {
        const auto s = Seat(city);
        PutGoods(*s, Split(goods));
        EXPECT_DOUBLE_EQ(trade ? CardsFromTradingAvg(*s, chooser, false)
                               : CardsFromProducingAvg(*s, chooser, false),
                         expected)
            << city << " / " << goods;
    }
}

TEST(RoleValuation, OnlyThePrivilegeMakesTheProducerWorthCardsAndAFullHandCapsIt) {
    // Two slots hold the roaster and the sugar (3.6); the privilege's third adds the indigo.
    const char* city = "Indigo Plant,Sugar Mill,Coffee Roaster,Aqueduct";
    const auto chooser = Seat(city, "", true);
    CardValues mine(*chooser, {});
    EXPECT_DOUBLE_EQ(RoleEstimates(mine, *chooser)[kProducer], 1);
    const auto other = Seat(city, "", false, true);
    EXPECT_DOUBLE_EQ(RoleEstimates(mine, *other)[kProducer], 0);
    // Eight cards against a limit of seven: a card would be lost, with or without privilege.
    const char* eight = "Well,Well,Well,Well,Well,Well,Well,Well";
    EXPECT_DOUBLE_EQ(RoleEstimates(mine, *Seat(city, eight))[kProducer], -1);
    EXPECT_DOUBLE_EQ(RoleEstimates(mine, *Seat(city, eight, true))[kProducer], -1);
}
