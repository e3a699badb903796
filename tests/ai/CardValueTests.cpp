// Ordering cards by the card value, whole or per card of cost.

#include <gtest/gtest.h>

#include <array>

#include "ai/CardValue.h"
#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using namespace testing_support;

TEST(OrderByAIValue, BestFirstTiesKeepTheirOrderAndCostZeroCountsAsOne) {
    const GameValues g{4, 11};
    const auto seat = Seat(g, "Indigo Plant");
    auto hand = MakeDeck({"Tower", "Smithy", "Market Stand", "Library", "Smithy"});
    const auto h = Ids(hand);

    ai::OrderByAIValue(hand, *seat, {}, false);  // 30.2, 1.08, 1, 1, -1.9
    EXPECT_EQ(Ids(hand), (std::vector{h[3], h[2], h[1], h[4], h[0]}));
    ai::OrderByAIValue(hand, *seat, {}, true);  // per card of cost: 6.04, 1, 1, 0.54, -0.63
    EXPECT_EQ(Ids(hand), (std::vector{h[3], h[1], h[4], h[2], h[0]}));
    auto gifts = MakeDeck({"Tower", "Smithy"});
    gifts.AddCard(Card::New(Building::Find(0, 0, "Gift", "", 1)));  // worth 0, costs nothing
    ai::OrderByAIValue(gifts, *seat, {}, true);
    EXPECT_EQ(Names(gifts), Split("Smithy,Gift,Tower"));
}

TEST(CardValue, ASeatWeighsTheGamesValuesItWasLastGiven) {
    GameValues own;
    own.NumberOfPlayers = 2;
    own.BuildingsLeft = 3;
    qlPlayer seat(own);
    seat.BuildCard(MakeCard("Indigo Plant"));
    const Card library = MakeCard("Library");
    // Late in the game a library is its points and 0.8 per player per building left.
    const double points = library->VictoryPoints();
    EXPECT_DOUBLE_EQ(ai::AIValue(*library, seat, {}), points + 0.8 * 2 * 3);
    own.BuildingsLeft = 2;
    EXPECT_DOUBLE_EQ(ai::AIValue(*library, seat, {}), points + 0.8 * 2 * 3);
    seat.SetGame(own);
    EXPECT_DOUBLE_EQ(ai::AIValue(*library, seat, {}), points + 0.8 * 2 * 2);
}

TEST(CardValue, ACraneWeighsTheOpponentsItIsGiven) {
    const GameValues g{3, 8};
    const auto me = Seat(g, "Indigo Plant");
    const auto ahead = Seat(g, "Indigo Plant,Sugar Mill,Coffee Roaster");  // 4 points
    const auto level = Seat(g, "Indigo Plant");
    const Card crane = MakeCard("Crane");
    // Alone the seat leads by far, held to one more than its deficit of 0; two buildings and
    // three points behind the leader it adds twice its lead of -2. The closest city counts.
    const double alone = ai::AIValue(*crane, *me, {});
    const std::array<const qlPlayer*, 2> both{level.get(), ahead.get()};
    const std::array<const qlPlayer*, 2> reversed{ahead.get(), level.get()};
    EXPECT_DOUBLE_EQ(ai::AIValue(*crane, *me, both), alone - 1 - 4);
    EXPECT_DOUBLE_EQ(ai::AIValue(*crane, *me, reversed), alone - 1 - 4);
    const std::array<const qlPlayer*, 1> one{level.get()};
    EXPECT_DOUBLE_EQ(ai::AIValue(*crane, *me, one), alone - 1 + 0);
}

TEST(CardValue, BuildingValuesFollowTheStageTheCityAndTheNumberOfPlayers) {
    struct Row {
        Integer players;
        Integer left;  // BuildingsLeft
        const char* city;
        const char* card;
        double value;
    };
    // Points weigh (11 - BL) / BL from BL 8 on, whole below; F = players (2 counts as 3) * BL
    // / 5; the cost, less a smithy's or a quarry's card, is taken off while BL > 3.
    const Row rows[] = {
        // BL 10, F 8, points weigh 0.1. A coffee roaster (worth 2.2) under capacity: (2.2-1) * F.
        {4, 10, "Smithy", "Coffee Roaster", 0.2 + 9.6 - 3},
        {4, 10, "Guild Hall", "Coffee Roaster", 0.2 + 2 + 9.6 - 4},
        {4, 10, "Indigo Plant", "Coffee Roaster", 0.2 + 9.6 / 4 - 4},  // at both capacities
        {4, 10, "Indigo Plant,Trading Post", "Coffee Roaster", 0.2 + 9.6 / 2 - 4},
        // Past capacity only a dearer good than the city's dearest counts: BL * F * (2.2-1.4).
        {4, 10, "Indigo Plant,Sugar Mill", "Coffee Roaster", 0.2 + 10 * 8 * 0.8 - 4},
        {4, 10, "Indigo Plant,Coffee Roaster,Sugar Mill", "Tobacco Storage", 0.2 - 3},
        {4, 10, "Indigo Plant", "Smithy", 0.1 + (3 - 1) - 1},
        {4, 10, "Guild Hall,Indigo Plant", "Smithy", 0.1 + 10 - 1},
        {4, 10, "Carpenter", "Quarry", 0.2 + 5 + 1 - 4},
        {4, 10, "City Hall", "Quarry", 0.2 + 10 - 4},
        {4, 10, "Indigo Plant", "Tower", 0.2 + 1 - 3},
        {4, 10, "Quarry", "Tower", 0.2 + 1 - 2},
        {4, 10, "Tower", "Tower", 0 - 3},  // a second violet building is worth nothing
        {4, 8, "Indigo Plant", "Chapel", 2 * 3.0 / 8 - 3},
        {4, 7, "Indigo Plant", "Chapel", 2 + 0.6 * 7 - 3},
        // BL 5, F 4: the great buildings.
        {4, 5, "Indigo Plant,Smithy,Tower", "City Hall", 0 + 2 + 0.9 * 5 - 6},
        {4, 5, "Indigo Plant,Sugar Mill,Smithy", "Guild Hall", 2 * 2 + 0.8 * 5 - 6},
        {4, 5, "Hero,Tobacco Storage", "Palace", 1 + 0.75 * 5 - 6},  // 7 points: 7/4 down to 1
        // BL 3, F 2.4: points whole, costs no longer count.
        {4, 3, "Tower", "Tower", 0},
        {4, 3, "Indigo Plant", "Tower", 2 + 0.3},
        {4, 3, "Smithy", "Coffee Roaster", 2 + 1.2 * 2.4},
        {4, 3, "Indigo Plant", "Chapel", 2 + 0.6 * 3},
        // BL 10 with fewer players: F 6 for both two and three, a well F / players without
        // aqueduct or library, a library 0.8 * players * BL.
        {2, 10, "Indigo Plant", "Well", 0.1 + 6.0 / 2 - 2},
        {3, 10, "Indigo Plant", "Well", 0.1 + 6.0 / 3 - 2},
        {2, 10, "Library", "Well", 0.1 + 6 - 2},
        {2, 10, "Trading Post", "Library", 0.3 + 0.8 * 2 * 10 - 0.35 * 6 - 5},
        {3, 10, "Trading Post,Aqueduct", "Library", 0.3 + 0.8 * 3 * 10 - 0.5 * 6 - 5},
    };
    for (const Row& row : rows) {
        const GameValues g{row.players, row.left};
        const auto seat = Seat(g, row.city);
        EXPECT_NEAR(ai::AIValue(*MakeCard(row.card), *seat, {}), row.value, 1e-9)
            << row.card << " in " << row.city << ", " << row.players << " players, BL " << row.left;
    }
}

TEST(CardValues, EachBuildingOfANameIsValuedForItselfAndRepeatsGiveTheSameValue) {
    const GameValues g{4, 10};
    const auto seat = Seat(g, "Indigo Plant");
    const Card tower = MakeCard("Tower");
    // The same name at another cost: a building of its own, worth one card more.
    const Card cheap = Altered(tower, [](Building& b) { b.cost -= 1; });
    ai::CardValues values(*seat, {});
    const double full = values.Of(*tower);
    EXPECT_DOUBLE_EQ(values.Of(*cheap), full + 1);
    EXPECT_DOUBLE_EQ(values.Of(*tower), full);
    EXPECT_DOUBLE_EQ(full, ai::AIValue(*tower, *seat, {}));
    EXPECT_DOUBLE_EQ(values.Of(*cheap), ai::AIValue(*cheap, *seat, {}));
}
