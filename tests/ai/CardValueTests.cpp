// The card value against values worked out by hand from the catalogue's costs and points. F,
// the role scale, is the number of players (two weigh as three) times BuildingsLeft over 5.

#include <gtest/gtest.h>

#include "support/TableHelpers.h"

using namespace testing_support;

TEST(CardValue, StagesAndBuildingRules) {
    const char* plant = "Indigo Plant";
    const char* rich = "Indigo Plant,Hero,Statue";  // 9 points
    const char* mixed = "Indigo Plant,Market Stand,City Hall,Quarry";
    const char* library = "Indigo Plant,Library,Market Stand";
    const std::tuple<Integer, Integer, const char*, const char*, double> cases[] = {
        // Points count nothing yet; F = 8.8.
        {4, 11, plant, "Tower", 1.1 - 3},
        {4, 11, plant, "Library", 35.2 - 5},
        {4, 11, plant, "Indigo Plant", -1},  // a second plant is not zeroed
        // Points weigh 3/8 and the chapel nothing yet; F = 6.4.
        {4, 8, plant, "Hero", 15.0 / 8 + 2 - 5},
        {4, 8, plant, "Chapel", 0.75 - 3},
        // Full points; F = 4.
        {4, 5, rich, "Chapel", 2 + 3.0 - 3},
        {4, 5, rich, "Palace", 2 + 3.75 - 6},
        {4, 5, rich, "Triumphal Arch", 6 + 3.0 - 6},
        {4, 5, rich, "City Hall", 2 + 4.5 - 6},
        {4, 5, rich, "Hero", -5},  // a second violet building is worth only minus its cost
        {4, 5, mixed, "Carpenter", 2 + 5 + 0.5 - 2},
        {4, 5, mixed, "Guild Hall", 2 + 4.0 - 5},
        {4, 5, library, "Aqueduct", 2 + 1 - 3},
        {4, 5, library, "Well", 1 + 4 - 2},
        {4, 5, "Triumphal Arch", "Statue", 3 + 4 - 3},
        {4, 5, "Triumphal Arch,Hero", "Statue", 3 + 2 - 3},
        // Cost no longer counts, nor a monument without an arch; F = 2.4.
        {4, 3, plant, "Silver Smelter", 3 + 0.96},
        {4, 3, "Hero", "Statue", 3},
        // Two players: F = 3 as with three, but the Library and the Well count two players.
        {2, 5, plant, "Well", 1 + 1.5 - 2},
        {2, 5, plant, "Library", 3 + 8 - 5},
        {2, 5, plant, "Prefecture", 2 + 3 - 3},
        // Production capacity, for a tobacco storage: (W - 1) * F = 3.2 at full rate, here
        // halved or quartered, or for a better good only once the city is full.
        {4, 5, "Indigo Plant,Aqueduct", "Tobacco Storage", 2 + 1.6 - 3},
        {4, 5, plant, "Tobacco Storage", 2 + 0.8 - 3},
        {4, 5, "Indigo Plant,Sugar Mill,Aqueduct", "Tobacco Storage", 2 - 3},
        {4, 5, "Indigo Plant,Sugar Mill", "Tobacco Storage", 2 + 5 * 4 * 0.4 - 3},
        {4, 5, "Indigo Plant,Coffee Roaster", "Tobacco Storage", 2 - 3},
        {4, 5, "Indigo Plant,Sugar Mill,Guild Hall", "Tobacco Storage", 2 + 2 + 8 - 3},
    };
    for (const auto& [np, bl, city, card, value] : cases) {
        TableGlobals g(np, bl);
        EXPECT_NEAR(MakeCard(card)->AIValue(*Seat(city)), value, 1e-9) << card << " / " << city;
    }
    TableGlobals g(4, 3);  // an arch in hand keeps a late monument's worth
    EXPECT_DOUBLE_EQ(MakeCard("Statue")->AIValue(*Seat("Hero", "Triumphal Arch")), 3 + 1);
    TableGlobals early(4, 8);  // a discount beyond the cost takes nothing off
    EXPECT_DOUBLE_EQ(MakeCard("Indigo Plant")->AIValue(*Seat("Indigo Plant,Smithy", "", true)),
                     0.375);
}

TEST(CardValue, CraneWeighsLeadAgainstPointsDeficit) {
    TableGlobals g(3, 11);                       // a crane is worth its bonus less its cost of 2
    auto me = Seat("Indigo Plant,Smithy,Well");  // 3 points
    auto small = Seat("Indigo Plant");
    auto ahead = Seat("Indigo Plant,Hero");  // 6 points
    LinkRing({me.get(), small.get(), ahead.get()});
    EXPECT_DOUBLE_EQ(MakeCard("Crane")->AIValue(*me), 2 * 1 - 2);  // lead 1, behind by 3
    EXPECT_DOUBLE_EQ(MakeCard("Crane")->AIValue(*small), -4 - 2);  // two buildings short
    LinkRing({ahead.get(), small.get()});
    EXPECT_DOUBLE_EQ(MakeCard("Crane")->AIValue(*ahead), 1 - 2);  // leads by 1, trails nobody
}

TEST(OrderByAIValue, BestFirstTiesKeepTheirOrderAndCostZeroCountsAsOne) {
    TableGlobals g(4, 11);
    const auto seat = Seat("Indigo Plant");
    auto hand = MakeDeck({"Tower", "Smithy", "Market Stand", "Library", "Smithy"});
    const auto h = Ids(*hand);
    int events = 0;
    const auto sub = hand->DeckSizeChanged.Subscribe([&](Integer) { ++events; });
    hand->OrderByAIValue(*seat, false);  // 30.2, 1.08, 1, 1, -1.9
    EXPECT_EQ(Ids(*hand), (std::vector{h[3], h[2], h[1], h[4], h[0]}));
    hand->OrderByAIValue(*seat, true);  // per card of cost: 6.04, 1, 1, 0.54, -0.63
    EXPECT_EQ(Ids(*hand), (std::vector{h[3], h[1], h[4], h[2], h[0]}));
    EXPECT_EQ(events, 0);
    auto gifts = MakeDeck({"Tower", "Smithy"});
    gifts->AddCard(std::make_shared<qlCard>(0, 0, "Gift", "", 1));  // worth 0, costs nothing
    gifts->OrderByAIValue(*seat, true);
    EXPECT_EQ(Names(*gifts), Split("Smithy,Gift,Tower"));
}
