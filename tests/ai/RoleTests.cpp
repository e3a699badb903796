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
    EXPECT_EQ(me->AIPickRole(Free({0, 1, 2, 3, 4})), kProspector);
    EXPECT_EQ(me->AIPickRole(Free({0, 1, 2, 3})), kCouncillor);
    EXPECT_EQ(me->AIPickRole(Free({1, 2, 3})), kProducer);
    EXPECT_EQ(me->AIPickRole(Free({1})), kBuilder);
    EXPECT_EQ(pauses.count, 0);
    modGlobal::SetPauseLength(1234);
    EXPECT_EQ(me->AIPickRole(Free({})), 0);  // none free: a pause, then the first role
    EXPECT_EQ(pauses.count, 1);
    EXPECT_EQ(pauses.lastLength, 1234);

    // 10010 unbuildable cards leave a room of -10003, which caps Councillor, Producer and
    // Trader below the mark; the opponent's Prefecture takes one more off the Councillor.
    me->SetCardsInHand(MakeDeck(std::vector<std::string>(10010, "Indigo Plant")));
    opp = Seat("Indigo Plant,Prefecture", "Well,Well,Well,Well,Well");
    LinkRing({me.get(), opp.get()});
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*me, kCouncillor), -10003 - 1);
    EXPECT_EQ(me->AIPickRole(Free({0, 2, 3})), kProducer);
    EXPECT_EQ(me->AIPickRole(Free({0})), kCouncillor);
    EXPECT_EQ(pauses.count, 1);
}

TEST(RoleValuation, OpponentBuilderChanceAndLateShortfall) {
    TableGlobals g(4, 8);
    const auto me = Seat("Indigo Plant");
    // An opponent's builder is v - (v + 2) * c, c its chance of building nothing.
    const std::tuple<const char*, const char*, bool, double> opponents[] = {
        {"", "", false, -2},
        {"Smithy", "Well", false, -2 * 0.88},
        {"Quarry,Smithy", "Well,Well,Well", false, -2 * 0.04},
        {"Quarry", "Well,Well,Well,Well", false, -2 * 0.002},
        {"", "Well,Well,Well,Well,Well", false, 0},
        {"", "Well,Well", true, 1 - 3 * 0.76},
        {"", "Well,Well,Well,Well,Well,Well,Well,Well,Well", false, 2},  // 2 over the limit
    };
    for (const auto& [city, hand, privilege, value] : opponents) {
        EXPECT_NEAR(RoleEstimate(*me, *Seat(city, hand, privilege), kBuilder), value, 1e-12)
            << city << " / " << hand;
    }
    modGlobal::SetBuildingsLeft(5);
    // Beside five unbuildable plants one card decides; (5 - its value) / 4 is rounded, a half
    // to the even side, and added to my Councillor and taken off my Builder.
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
    // Earlier the room caps my Councillor, building keeps its privilege, and a crane to use
    // makes an empty build worth -1.
    modGlobal::SetBuildingsLeft(6);
    auto mine =
        Seat("Indigo Plant", "Crane,Indigo Plant,Indigo Plant,Indigo Plant,Indigo Plant", true);
    auto opp = Seat("Coffee Roaster,Gold Mine,Indigo Plant", "Well,Well,Well,Well,Well,Well");
    PutGoods(*opp, {"Coffee Roaster", "Indigo Plant"});
    LinkRing({mine.get(), opp.get()});
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *mine, kCouncillor), 0.2);
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *mine, kBuilder), 1);
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *opp, kTrader), 1);    // 2.2 rounds to 2; room 1
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *opp, kProducer), 0);  // nothing open
    EXPECT_DOUBLE_EQ(RoleEstimate(*mine, *mine, 5), 0);
    EXPECT_DOUBLE_EQ(ai::RoleAdvantage(*mine, kProspector), 3 * 1 - 0.2);  // my 1, its 0.2
    const auto crane = Seat("Indigo Plant,Crane");
    EXPECT_DOUBLE_EQ(RoleEstimate(*crane, *crane, kBuilder), -1);
}
