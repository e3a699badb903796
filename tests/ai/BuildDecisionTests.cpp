// The builder phase's decisions: crane, black market, the card to build and the payment.
// Values at BuildingsLeft 8 for a city of one plant: Market Hall 3.15, Hero -1.125,
// Coffee Roaster -1.33, Chapel -2.25.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "support/TableHelpers.h"

using namespace testing_support;

TEST(AIBlackMarket, SpendsCheapGoodsOnlyWhenTheyHelpOrAreIndigo) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
    // Sugar mills in hand need 1 more card of power, tobacco storages 2, smelters 4; with the
    // smithy something is buildable already. Every production building carries a good.
    const char* smithy = "Smithy,Well";
    const std::array<const char*, 3> cases[] = {
        {"Coffee Roaster,Tobacco Storage", "Sugar Mill,Sugar Mill", "Tobacco Storage"},
        {"Sugar Mill,Coffee Roaster,Indigo Plant", "Tobacco Storage,Tobacco Storage",
         "Sugar Mill,Indigo Plant"},
        {"Coffee Roaster", "Tobacco Storage,Tobacco Storage", ""},
        {"Coffee Roaster,Indigo Plant", "Silver Smelter,Silver Smelter", ""},
        {"Indigo Plant,Sugar Mill,Tobacco Storage,Coffee Roaster", smithy, ""},
        {"Indigo Plant,Sugar Mill,Coffee Roaster,Indigo Plant", smithy,
         "Indigo Plant,Indigo Plant"},
        {"Sugar Mill,Indigo Plant,Coffee Roaster", smithy, "Indigo Plant"},
        {"Coffee Roaster,Indigo Plant", smithy, "Indigo Plant"},
        {"Coffee Roaster,Indigo Plant,Market Stand", smithy, ""},
        {"Indigo Plant", smithy, "Indigo Plant"},
        {"Sugar Mill", smithy, ""},
    };
    for (const auto& [city, hand, spent] : cases) {
        const auto seat = Seat(city, hand);
        for (const CardRef& building : *seat->BuiltCards()) {
            building->SetGoodPresent(building->BuildingType() == 0 ? MakeCard("Well") : nullptr);
        }
        const DeckRef chosen = seat->AIBlackMarket();
        EXPECT_EQ(Names(*chosen), Split(spent)) << city << " / " << hand;
        for (const CardRef& building : *chosen) {
            EXPECT_TRUE(seat->BuildingsWithGoods()->Contains(building));
        }
        EXPECT_TRUE(chosen->Count() < 2 || chosen->Item(1) != chosen->Item(2));
    }
    EXPECT_EQ(pauses.count, 0);
}

TEST(AIGetCardToBuild, OpeningWaitsForLibraryOrCoffeeLaterBestByValue) {
    PauseCounter pauses;
    TableGlobals g(4, 11);
    auto seat = Seat("Indigo Plant", "Library,Smithy,Well");
    EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());  // the smithy is not built instead
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(3)), Split("Library"));
    seat->SetCardsInHand(MakeDeck({"Library", "Well", "Library", "Well", "Smithy", "Tower"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Library,Library"));
    seat->SetCardsInHand(MakeDeck({"Coffee Roaster", "Smithy", "Well", "Tower", "Well"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Coffee Roaster"));
    seat->SetCardsInHand(MakeDeck({"Coffee Roaster", "Smithy"}));
    EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());
    EXPECT_EQ(pauses.count, 0);
    modGlobal::SetBuildingsLeft(10);  // once a city has grown the opening rule is over
    seat->SetCardsInHand(MakeDeck({"Library", "Smithy", "Well"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Smithy"));
    modGlobal::SetBuildingsLeft(8);
    seat->SetCardsInHand(MakeDeck({"Chapel", "Market Hall", "Hero", "Coffee Roaster"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Chapel"));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(1)), Split("Market Hall"));
    EXPECT_EQ(pauses.count, 3);
    seat->SetCardsInHand(MakeDeck({"Hero"}));
    EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());
    EXPECT_EQ(pauses.count, 3);
}

TEST(AIGetBuildPaymentCards, PaysUselessCardsThenTheLeastValuable) {
    TableGlobals g(4, 8);
    // The plants are unbuildable duplicates, so useless; of the rest Market Hall is kept.
    const auto seat =
        Seat("Indigo Plant", "Hero,Indigo Plant,Hero,Indigo Plant,Indigo Plant,Chapel,Market Hall");
    const auto h = Ids(*seat->CardsInHand());
    using V = std::vector<const qlCard*>;
    EXPECT_EQ(Ids(*seat->GetUselessCards()), (V{h[1], h[3], h[4]}));
    const std::pair<int, V> cases[] = {
        {0, {}},
        {2, {h[3], h[4]}},  // the first useless card is spared
        {3, {h[1], h[3], h[4]}},
        {5, {h[1], h[3], h[4], h[5], h[2]}},
        {6, {h[1], h[3], h[4], h[5], h[2], h[0]}},
        {7, {h[1], h[3], h[4], h[0], h[2], h[5], h[6]}},  // exactly the rest: all of it
        {9, {h[1], h[3], h[4], h[5], h[2], h[0], h[6]}},  // more than the hand: all of it
    };
    for (const auto& [cost, paid] : cases) {
        EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(cost)), paid) << cost;
    }
    EXPECT_EQ(Ids(*seat->CardsInHand()), h);
    EXPECT_TRUE(Seat("Indigo Plant", "Indigo Plant,Hero")->GetUselessCards()->Empty());
}
