// The card value, checked against values worked out by hand from the catalogue's costs and
// points. F is the role scale: 3 players (or 2, weighed as 3) or 4, times BuildingsLeft, over 5.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/TableHelpers.h"

using namespace testing_support;

namespace {

using Expected = std::vector<std::pair<const char*, double>>;

void ExpectValues(const qlPlayer& seat, const Expected& expected) {
    for (const auto& [name, value] : expected) {
        EXPECT_NEAR(MakeCard(name)->AIValue(seat), value, 1e-9) << name;
    }
}

}  // namespace

TEST(CardValue, FollowsTheStageOfTheGame) {
    const auto seat = MakeSeat({.city = {"Indigo Plant"}});
    {
        TableGlobals g(4, 11);  // points count nothing yet; F = 8.8
        ExpectValues(*seat, {{"Tower", 1.1 - 3},
                             {"Smithy", 2 - 1},
                             {"Gold Mine", 2.2 - 1},
                             {"Market Stand", 0.35 * 8.8 - 2},
                             {"Prefecture", 8.8 - 3},
                             {"Library", 35.2 - 5},
                             {"Indigo Plant", -1},  // a second plant is not zeroed
                             {"Silver Smelter", 1.6 * 8.8 / 4 - 5}});
    }
    {
        TableGlobals g(4, 8);  // points weigh 3/8; F = 6.4
        ExpectValues(*seat, {{"Hero", 15.0 / 8 + 2 - 5},
                             {"Chapel", 0.75 - 3},
                             {"Market Hall", 0.75 + 6.4 - 4},
                             {"Coffee Roaster", 0.75 + 1.2 * 6.4 / 4 - 4}});
        // A discount larger than the cost takes nothing off.
        const auto smith = MakeSeat({.city = {"Indigo Plant", "Smithy"}, .roleBenefit = true});
        ExpectValues(*smith, {{"Indigo Plant", 0.375}});
    }
    {
        TableGlobals g(4, 5);  // full points; F = 4
        const auto rich = MakeSeat({.city = {"Indigo Plant", "Hero", "Statue"}});  // 9 points
        ExpectValues(*rich, {{"Chapel", 2 + 3.0 - 3},
                             {"Palace", 2 + 3.75 - 6},
                             {"Triumphal Arch", 6 + 3.0 - 6},
                             {"Victory Column", 4 + 1 - 4},
                             {"City Hall", 2 + 4.5 - 6},
                             {"Hero", -5}});  // a second violet building: only its cost
        const auto mixed =
            MakeSeat({.city = {"Indigo Plant", "Market Stand", "City Hall", "Quarry"}});
        ExpectValues(*mixed, {{"Trading Post", 1 + 2 - 1},
                              {"Aqueduct", 2 + 2 - 2},
                              {"Carpenter", 2 + 5 + 0.5 - 2},
                              {"Quarry", -3},
                              {"Guild Hall", 2 + 4.0 - 5},
                              {"Poor House", 1 + 1.25 - 1},
                              {"Well", 1 + 1 - 1}});
        const auto library = MakeSeat({.city = {"Indigo Plant", "Library", "Market Stand"}});
        ExpectValues(*library,
                     {{"Trading Post", 1 + 1 - 2}, {"Aqueduct", 2 + 1 - 3}, {"Well", 1 + 4 - 2}});
    }
    {
        TableGlobals g(4, 3);  // cost no longer counts; F = 2.4
        ExpectValues(*seat, {{"Tower", 2.3}, {"Statue", 3}, {"Silver Smelter", 3 + 0.96}});
        const auto hero = MakeSeat({.city = {"Hero"}, .hand = {"Triumphal Arch"}});
        ExpectValues(*hero, {{"Hero", 0}, {"Statue", 3 + 1}});
    }
}

TEST(CardValue, CraneWeighsLeadAgainstPointsDeficit) {
    TableGlobals g(3, 11);  // a crane is worth its bonus less its cost of 2
    auto me = MakeSeat({.city = {"Indigo Plant", "Smithy", "Well"}});  // 3 points
    auto small = MakeSeat({.city = {"Indigo Plant"}});
    auto ahead = MakeSeat({.city = {"Indigo Plant", "Hero"}});  // 6 points
    LinkRing({me.get(), small.get(), ahead.get()});
    ExpectValues(*me, {{"Crane", 2 * 1 - 2}});  // lead 1, behind 3: 2 stands
    ExpectValues(*small, {{"Crane", -4 - 2}});  // two buildings short of me
    auto leader = MakeSeat({.city = {"Indigo Plant", "Smithy", "Well", "Hero"}});
    auto other = MakeSeat({.city = {"Indigo Plant"}});
    LinkRing({leader.get(), other.get(), small.get()});
    ExpectValues(*leader, {{"Crane", 1 - 2}});  // leads by 3 and trails nobody
}

TEST(CardValue, MonumentsCountTheArchAndTheirCompanions) {
    TableGlobals g(4, 5);
    ExpectValues(*MakeSeat({.city = {"Triumphal Arch"}}), {{"Statue", 3 + 4 - 3}});
    ExpectValues(*MakeSeat({.city = {"Triumphal Arch", "Hero"}}),
                 {{"Statue", 3 + 2 - 3}, {"Triumphal Arch", -6}});
    ExpectValues(*MakeSeat({.city = {"Hero"}}), {{"Statue", 3 + 1 - 3}});
    TableGlobals late(4, 3);
    ExpectValues(*MakeSeat({.city = {"Hero"}}), {{"Statue", 3}});
}

TEST(CardValue, ProductionCapacityTable) {
    TableGlobals g(4, 5);  // a tobacco storage: 2 points, cost 3, (W - 1) * F = 3.2
    const std::vector<std::pair<std::vector<std::string>, double>> cases = {
        {{"Indigo Plant", "Aqueduct", "Trading Post"}, 3.2},  // below both capacities
        {{"Indigo Plant", "Aqueduct"}, 1.6},                  // at trading capacity - 1
        {{"Indigo Plant", "Trading Post"}, 1.6},              // at production capacity - 1
        {{"Indigo Plant"}, 0.8},                              // at both
        {{"Indigo Plant", "Sugar Mill", "Aqueduct"}, 0},      // trading capacity reached
        {{"Indigo Plant", "Sugar Mill"}, 5 * 4 * 0.4},        // full; better than sugar
        {{"Indigo Plant", "Coffee Roaster"}, 0},              // full; no better than coffee
        {{"Indigo Plant", "Sugar Mill", "Guild Hall"}, 2 + 8},
    };
    for (const auto& [city, bonus] : cases) {
        EXPECT_NEAR(MakeCard("Tobacco Storage")->AIValue(*MakeSeat({.city = city})), 2 + bonus - 3,
                    1e-9)
            << "bonus " << bonus;
    }
}

TEST(CardValue, TwoPlayersScaleRolesAsThreeButNotLibraryOrWell) {
    const auto seat = MakeSeat({.city = {"Indigo Plant"}});
    TableGlobals two(2, 5);  // F = 3 * 5 / 5 = 3 with two players as with three
    ExpectValues(*seat, {{"Well", 1 + 1.5 - 2}, {"Library", 3 + 8 - 5}, {"Prefecture", 2}});
    TableGlobals three(3, 5);
    ExpectValues(*seat, {{"Well", 1 + 1 - 2}, {"Library", 3 + 12 - 5}, {"Prefecture", 2}});
}

TEST(OrderByAIValue, BestFirstTiesKeepTheirOrderAndCostZeroCountsAsOne) {
    TableGlobals g(4, 11);
    const auto seat = MakeSeat({.city = {"Indigo Plant"}});
    auto hand = MakeDeck({"Tower", "Smithy", "Market Stand", "Library", "Smithy"});
    const auto before = Ids(*hand);
    int events = 0;
    const auto sub = hand->DeckSizeChanged.Subscribe([&](Integer) { ++events; });
    hand->OrderByAIValue(*seat, false);  // 30.2, 1.08, 1, 1, -1.9
    EXPECT_EQ(Ids(*hand), (std::vector{before[3], before[2], before[1], before[4], before[0]}));
    hand->OrderByAIValue(*seat, true);  // per card of cost: 6.04, 1, 1, 0.54, -0.63
    EXPECT_EQ(Ids(*hand), (std::vector{before[3], before[1], before[4], before[2], before[0]}));
    EXPECT_EQ(events, 0);

    auto gifts = MakeDeck({"Tower", "Smithy"});
    gifts->AddCard(std::make_shared<qlCard>(0, 0, "Gift", "", 1));  // worth 0, costs nothing
    gifts->OrderByAIValue(*seat, true);
    EXPECT_EQ(Names(*gifts), (std::vector<std::string>{"Smithy", "Gift", "Tower"}));
}
