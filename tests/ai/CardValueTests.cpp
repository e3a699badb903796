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
    int events = 0;

    ai::OrderByAIValue(hand, *seat, {}, false);  // 30.2, 1.08, 1, 1, -1.9
    EXPECT_EQ(Ids(hand), (std::vector{h[3], h[2], h[1], h[4], h[0]}));
    ai::OrderByAIValue(hand, *seat, {}, true);  // per card of cost: 6.04, 1, 1, 0.54, -0.63
    EXPECT_EQ(Ids(hand), (std::vector{h[3], h[1], h[4], h[2], h[0]}));
    EXPECT_EQ(events, 0);
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
