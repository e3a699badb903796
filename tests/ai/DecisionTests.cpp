// The computer seat's choices of cards. Values at BuildingsLeft 8 for a city of one plant
// (points weigh 3/8, F = 6.4): Prefecture 4.15, Market Hall 3.15, Smithy 1.375, Gold Mine
// 0.975, Well -0.025, Victory Column -0.5, Hero -1.125, Coffee Roaster -1.33, Tower -1.45,
// Chapel -2.25.

#include <gtest/gtest.h>

#include <array>

#include "ai/ComputerPlayer.h"
#include "support/TableHelpers.h"

using namespace testing_support;
using namespace ai;
using V = std::vector<std::uint32_t>;

TEST(AIUseCrane, ACityOfCranesHasNothingToBuildOver) {
    Random::Stream random(Random::SeededSource(5));
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(AIUseCrane(*Seat("Crane,Crane"), random).Empty());
    }
}

TEST(AIBlackMarket, SpendsCheapGoodsOnlyWhenTheyHelpOrAreIndigo) {
    const GameValues g{4, 8};
    // Sugar mills in hand need 1 more card of power, tobacco storages 2; with the smithy
    // something is buildable already. Every production building carries a good.
    const char* smithy = "Smithy,Well";
    const std::array<const char*, 3> cases[] = {
        {"Coffee Roaster,Tobacco Storage", "Sugar Mill,Sugar Mill", "Tobacco Storage"},
        {"Sugar Mill,Coffee Roaster,Indigo Plant", "Tobacco Storage,Tobacco Storage",
         "Sugar Mill,Indigo Plant"},
        {"Coffee Roaster", "Tobacco Storage,Tobacco Storage", ""},
        {"Indigo Plant,Sugar Mill,Tobacco Storage,Coffee Roaster", smithy, ""},
        {"Indigo Plant,Sugar Mill,Coffee Roaster,Indigo Plant", smithy,
         "Indigo Plant,Indigo Plant"},
        {"Sugar Mill,Indigo Plant,Coffee Roaster", smithy, "Indigo Plant"},
        {"Coffee Roaster,Indigo Plant", smithy, "Indigo Plant"},
        {"Coffee Roaster,Indigo Plant,Market Stand", smithy, ""},
    };
    for (const auto& [city, hand, spent] : cases) {
        const auto seat = Seat(g, city, hand);
        PutGoods(*seat, Split(city));
        EXPECT_EQ(Names(AIBlackMarket(*seat)), Split(spent)) << city << " / " << hand;
    }
}

TEST(AIPickChapelCard, BuriesTheLowestUnlessItIsTheLastThingToBuild) {
    const GameValues g{4, 8};
    // Without a production building a plant is worth 3/8 - 1; a smithy 3/8 + 3 - 1; a second
    // well -1 (one less with the privilege). Hand, privilege, card buried:
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"Smithy,Well,Well", false, ""},         // nothing buildable with two cards fewer
        {"Poor House,Well,Well", true, "Well"},  // one card fewer with the privilege
        {"Indigo Plant,Smithy,Market Hall,Prefecture,Victory Column", false, "Indigo Plant"},
        {"Indigo Plant,Market Hall,Victory Column,Prefecture", false, "Victory Column"},
    };
    for (const auto& [hand, privilege, buried] : cases) {
        const auto seat = Seat(g, "Well", hand, privilege);
        EXPECT_EQ(Names(AIPickChapelCard(*seat, {})), Split(buried)) << hand;
        EXPECT_EQ(Names(seat->CardsInHand()), Split(hand));
    }
    // The privilege and an active Library make a lone plant buildable one card short, but no
    // other card can be buried in its place.
    EXPECT_TRUE(
        AIPickChapelCard(*Seat(g, "Smithy,Library", "Indigo Plant", true, true), {}).Empty());
}

TEST(AIDiscardDownTo, KeepsTheBestDistinctCardsThenTheBestDuplicates) {
    const char* nine =
        "Chapel,Tower,Hero,Victory Column,Well,Gold Mine,Smithy,Market Hall,Prefecture";
    GameValues g{4, 8};
    auto seat = Seat(g, "Indigo Plant", nine);
    qlCards givenUp;
    EXPECT_EQ(Names(AIDiscardDownTo(*seat, {}, 7, givenUp)),
              Split("Prefecture,Market Hall,Smithy,Gold Mine,Well,Victory Column,Hero"));
    EXPECT_EQ(Names(givenUp), Split("Chapel,Tower"));
    EXPECT_EQ(Names(seat->CardsInHand()), Split(nine));  // the decision moves no card
    // Early, per card of cost: Prefecture 5.2/3, Gold Mine and Smithy 1.1, Market Hall 4.2/4.
    g.BuildingsLeft = 10;
    seat = Seat(g, "Indigo Plant", nine);
    qlCards dropped;
    EXPECT_EQ(Names(AIDiscardDownTo(*seat, {}, 3, dropped)), Split("Prefecture,Gold Mine,Smithy"));
    g.BuildingsLeft = 8;
    seat = Seat(g, "Indigo Plant",
                "Prefecture,Chapel,Chapel,Tower,Prefecture,Smithy,Smithy,Hero,Tower,Chapel");
    const auto h = Ids(seat->CardsInHand());
    givenUp = qlCards();
    EXPECT_EQ(Ids(AIDiscardDownTo(*seat, {}, 7, givenUp)),
              (V{h[0], h[5], h[7], h[3], h[1], h[4], h[6]}));
    EXPECT_EQ(Ids(givenUp), (V{h[8], h[2], h[9]}));
}

TEST(AIGetBuildPaymentCards,
     PaysWithUselessCardsFirstThenTheLeastValuableButKeepsTheBestBuildable) {
    const GameValues g{4, 8};
    // Six cards buy up to cost 5: both palaces and the guild hall are out of reach, and the two
    // palaces are the useless cards. Values: Guild Hall 2 + 6.4 - 6 = 2.4, Smithy 1.375, Well
    // -0.025, Tower -1.45; the smithy is the best buildable card.
    const auto seat = Seat(g, "Indigo Plant", "Palace,Smithy,Guild Hall,Palace,Well,Tower");
    const auto h = Ids(seat->CardsInHand());
    const std::pair<int, V> cases[] = {
        {0, {}},
        {1, {h[3]}},        // more useless cards than needed: the last ones pay
        {2, {h[0], h[3]}},  // exactly the useless cards
        {4, {h[0], h[3], h[5], h[4]}},
        {5, {h[0], h[3], h[5], h[4], h[2]}},        // the guild hall goes before the smithy
        {6, {h[0], h[3], h[1], h[2], h[4], h[5]}},  // the rest exactly: paid in hand order
        {7, {h[0], h[3], h[5], h[4], h[2], h[1]}},  // too small a hand is paid whole
    };
    for (const auto& [numCards, paid] : cases) {
        EXPECT_EQ(Ids(AIGetBuildPaymentCards(*seat, {}, numCards)), paid) << numCards;
    }
    EXPECT_EQ(Ids(seat->CardsInHand()), h);  // the decision moves no card
    // Nothing buildable and nothing useless: Library 9/8 + 0.8 * 4 * 8 - 5 = 21.725 stays,
    // Hero 15/8 + 2 - 5 = -1.125 pays.
    const auto poor = Seat(g, "Indigo Plant", "Hero,Library");
    EXPECT_EQ(Names(AIGetBuildPaymentCards(*poor, {}, 1)), Split("Hero"));
}
