// The role choice, the role valuation and the producing and trading measures under them.

#include <gtest/gtest.h>

#include <array>

#include "ai/RoleValuation.h"
#include "support/TableHelpers.h"

using namespace testing_support;
using ai::RoleEstimate;

namespace {
constexpr int kCouncillor = 0, kBuilder = 1, kProducer = 2, kTrader = 3, kProspector = 4;
}

TEST(AIPickRole, BestFreeRoleTiesToTheLowerIndexAndAFreeRoleBelowTheMark) {
    TableGlobals g(2, 8);
    // I can build nothing: Councillor 0.2, Builder -999, Producer 0, Trader 0, Prospector 1;
    // the opponent, with five cards and no privilege, counts 0 for every role.
    auto me = Seat("Indigo Plant", "", true);
    auto opp = Seat("Indigo Plant", "Well,Well,Well,Well,Well");
    LinkRing({me.get(), opp.get()});
    EXPECT_EQ(me->AIPickRole({true, true, true, true, true}), kProspector);
    EXPECT_EQ(me->AIPickRole({true, true, true, true, false}), kCouncillor);
    EXPECT_EQ(me->AIPickRole({false, true, true, true, false}), kProducer);
    EXPECT_EQ(me->AIPickRole({false, true, false, false, false}), kBuilder);
    EXPECT_EQ(me->AIPickRole({}), 0);  // none free
    // 10010 unbuildable cards leave a room of -10003, which caps Councillor, Producer and
    // Trader below the mark; the opponent's Prefecture takes one more off the Councillor.
    me->SetCardsInHand(MakeDeck(std::vector<std::string>(10010, "Indigo Plant")));
    opp->BuildCard(MakeCard("Prefecture"));
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*me, kCouncillor), -10003 - 1);
    EXPECT_EQ(me->AIPickRole({true, false, true, true, false}), kProducer);
    EXPECT_EQ(me->AIPickRole({true, false, false, false, false}), kCouncillor);
}

TEST(RoleValuation, OpponentBuilderChanceAndLateShortfall) {
    TableGlobals g(4, 8);
    const auto me = Seat("Indigo Plant");
    // An opponent's builder is v - (v + 2) * c, c its chance of building nothing.
    const std::tuple<const char*, const char*, bool, double> opponents[] = {
        {"Smithy", "Well", false, -2 * 0.88},
        {"Quarry,Smithy", "Well,Well,Well", false, -2 * 0.04},
        {"", "Well,Well,Well,Well,Well", false, 0},
        {"", "Well,Well", true, 1 - 3 * 0.76},
        {"", "Well,Well,Well,Well,Well,Well,Well,Well,Well", false, 2},  // 2 over the limit
    };
    for (const auto& [city, hand, privilege, value] : opponents) {
        EXPECT_NEAR(RoleEstimate(*me, *Seat(city, hand, privilege), kBuilder), value, 1e-12)
            << city << " / " << hand;
    }
    // Late, beside five unbuildable plants one card decides: (5 - its value) / 4, rounded with
    // a half to the even side, is added to my Councillor and taken off my Builder.
    modGlobal::SetBuildingsLeft(5);
    const std::pair<const char*, double> late[] = {
        {"Prefecture", 0},    // worth 3: 0.5 -> 0
        {"Black Market", 2},  // worth -1: 1.5 -> 2
        {"Library", 0},       // worth 14: -2.25 -> -2, nothing added
        {"Indigo Plant", 5},  // nothing buildable
    };
    for (const auto& [card, x] : late) {
        const auto seat = Seat("Indigo Plant", std::string(card) + ",Indigo Plant,Indigo Plant," +
                                                   "Indigo Plant,Indigo Plant,Indigo Plant");
        EXPECT_DOUBLE_EQ(RoleEstimate(*seat, *seat, kCouncillor), x) << card;
        EXPECT_DOUBLE_EQ(RoleEstimate(*seat, *seat, kBuilder), x == 5 ? -999 : -x) << card;
    }
    // Earlier the room caps my Councillor, and building keeps its privilege.
    modGlobal::SetBuildingsLeft(6);
    auto mine = Seat("Indigo Plant", "Crane,Well,Well,Well,Well", true);
    auto opp = Seat("Coffee Roaster,Gold Mine,Indigo Plant", "Well,Well,Well,Well,Well,Well");
    PutGoods(*opp, {"Coffee Roaster", "Indigo Plant"});
    LinkRing({mine.get(), opp.get()});
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *mine, kCouncillor), 0.2);
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *mine, kBuilder), 1);
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *opp, kTrader), 1);    // 2.2 rounds to 2; room 1
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *opp, kProducer), 0);  // nothing open
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *mine, 5), 0);
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*mine, kProspector), 3 * 1 - 0.2);  // my 1, its 0.2
    const auto crane = Seat("Indigo Plant,Crane");  // nothing to build, but a crane to use
    EXPECT_DOUBLE_EQ(RoleEstimate(*crane, *crane, kBuilder), -1);
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
        EXPECT_DOUBLE_EQ(trade ? s->CardsFromTradingAvg(chooser, false)
                               : s->CardsFromProducingAvg(chooser, false),
                         expected)
            << city << " / " << goods;
    }
}
