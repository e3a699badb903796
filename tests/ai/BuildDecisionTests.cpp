// The builder phase's decisions: crane, black market, the card to build and the payment.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "support/TableHelpers.h"

using namespace testing_support;

TEST(AIUseCrane, OneCallInTenPicksABuildingOtherThanTheCrane) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
    const auto seat = MakeSeat({.city = {"Indigo Plant", "Crane", "Smithy", "Crane", "Well"}});
    auto run = [&](bool drawBetween) {
        SeedGuard seed(99);
        std::vector<const qlCard*> picks;
        for (int i = 0; i < 2000; ++i) {
            if (drawBetween) {
                Random::Next();  // the crane reseeds, so earlier draws change nothing
            }
            const DeckRef pick = seat->AIUseCrane();
            EXPECT_LE(pick->Count(), 1);
            picks.push_back(pick->Empty() ? nullptr : pick->Item(1).get());
        }
        return picks;
    };
    const auto picks = run(false);
    EXPECT_EQ(picks, run(true));
    const auto city = Ids(*seat->BuiltCards());
    std::set<std::string> names;
    int used = 0;
    for (const qlCard* pick : picks) {
        if (pick) {
            ++used;
            EXPECT_NE(std::find(city.begin(), city.end(), pick), city.end());
            names.insert(pick->BuildingName());
        }
    }
    EXPECT_GT(used, 150);  // about 200 expected
    EXPECT_LT(used, 250);
    EXPECT_EQ(names, (std::set<std::string>{"Indigo Plant", "Smithy", "Well"}));
    EXPECT_EQ(pauses.count, 0);

    SeedGuard seed(5);
    const auto cranes = MakeSeat({.city = {"Crane"}});
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(cranes->AIUseCrane()->Empty());
    }
}

TEST(AIBlackMarket, SpendsCheapGoodsOnlyWhenTheyHelpOrAreIndigo) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
    struct Case {
        std::vector<std::string> city, hand, spent;
    };
    // Two sugar mills in hand cost 2 with 1 card to spare; two tobacco storages cost 3.
    const std::vector<std::string> sugar = {"Sugar Mill", "Sugar Mill"};
    const std::vector<std::string> tobacco = {"Tobacco Storage", "Tobacco Storage"};
    const std::vector<std::string> smithy = {"Smithy", "Well"};  // the smithy is affordable
    const Case cases[] = {
        {{"Coffee Roaster", "Tobacco Storage"}, sugar, {"Tobacco Storage"}},
        {{"Sugar Mill", "Coffee Roaster", "Indigo Plant"}, tobacco, {"Sugar Mill", "Indigo Plant"}},
        {{"Coffee Roaster"}, tobacco, {}},
        {{"Coffee Roaster", "Indigo Plant"}, {"Silver Smelter", "Silver Smelter"}, {}},
        {{"Indigo Plant", "Sugar Mill", "Tobacco Storage", "Coffee Roaster"}, smithy, {}},
        {{"Indigo Plant", "Sugar Mill", "Coffee Roaster", "Indigo Plant"},
         smithy,
         {"Indigo Plant", "Indigo Plant"}},
        {{"Sugar Mill", "Indigo Plant", "Coffee Roaster"}, smithy, {"Indigo Plant"}},
        {{"Coffee Roaster", "Indigo Plant"}, smithy, {"Indigo Plant"}},
        {{"Coffee Roaster", "Indigo Plant", "Market Stand"}, smithy, {}},
        {{"Indigo Plant"}, smithy, {"Indigo Plant"}},
        {{"Sugar Mill"}, smithy, {}},
    };
    for (const Case& c : cases) {
        const auto seat = MakeSeat({.city = c.city, .hand = c.hand});
        for (const std::string& name : c.city) {
            if (MakeCard(name)->BuildingType() == 0) {
                PutGoods(*seat, {name});  // a good on every production building
            }
        }
        const DeckRef spent = seat->AIBlackMarket();
        EXPECT_EQ(Names(*spent), c.spent) << c.city.size() << " buildings, " << c.hand[0];
        const DeckRef goods = seat->BuildingsWithGoods();
        for (const CardRef& building : *spent) {
            EXPECT_TRUE(goods->Contains(building));
        }
        if (spent->Count() == 2) {
            EXPECT_NE(spent->Item(1), spent->Item(2));
        }
    }
    EXPECT_EQ(pauses.count, 0);
}

TEST(AIGetCardToBuild, OpeningWaitsForLibraryOrCoffeeLaterBestByValue) {
    PauseCounter pauses;
    {
        TableGlobals g(4, 11);
        auto seat = MakeSeat({.city = {"Indigo Plant"}, .hand = {"Library", "Smithy", "Well"}});
        EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());  // the smithy is not built instead
        EXPECT_EQ(Names(*seat->AIGetCardToBuild(3)), std::vector<std::string>{"Library"});
        seat->SetCardsInHand(MakeDeck({"Library", "Well", "Library", "Well", "Smithy", "Tower"}));
        EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)),
                  (std::vector<std::string>{"Library", "Library"}));
        seat->SetCardsInHand(MakeDeck({"Coffee Roaster", "Smithy", "Well", "Tower", "Well"}));
        EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), std::vector<std::string>{"Coffee Roaster"});
        seat->SetCardsInHand(MakeDeck({"Coffee Roaster", "Smithy"}));
        EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());
        EXPECT_EQ(pauses.count, 0);
    }
    {
        TableGlobals g(4, 10);  // the opening rule holds only until some city grows
        auto seat = MakeSeat({.city = {"Indigo Plant"}, .hand = {"Library", "Smithy", "Well"}});
        EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), std::vector<std::string>{"Smithy"});
        EXPECT_EQ(pauses.count, 1);
    }
    TableGlobals g(4, 8);  // Chapel -2.25, Market Hall 3.15, Coffee Roaster -1.33, Hero -1.125
    auto seat = MakeSeat(
        {.city = {"Indigo Plant"}, .hand = {"Chapel", "Market Hall", "Hero", "Coffee Roaster"}});
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), std::vector<std::string>{"Chapel"});
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(1)), std::vector<std::string>{"Market Hall"});
    EXPECT_EQ(pauses.count, 3);
    seat->SetCardsInHand(MakeDeck({"Hero"}));
    EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());
    EXPECT_EQ(pauses.count, 3);
}

TEST(AIGetBuildPaymentCards, PaysUselessCardsThenTheLeastValuable) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
    // Plants are not buildable (one stands in the city), so the three in hand are useless.
    // By value: Market Hall 3.15, both heroes -1.125, Chapel -2.25; Market Hall is kept.
    const auto seat = MakeSeat({.city = {"Indigo Plant"},
                                .hand = {"Hero", "Indigo Plant", "Hero", "Indigo Plant",
                                         "Indigo Plant", "Chapel", "Market Hall"}});
    const auto hand = Ids(*seat->CardsInHand());
    const auto [hero1, plant1, hero2, plant2, plant3, chapel, hall] =
        std::tuple{hand[0], hand[1], hand[2], hand[3], hand[4], hand[5], hand[6]};
    EXPECT_EQ(Ids(*seat->GetUselessCards()), (std::vector{plant1, plant2, plant3}));
    using V = std::vector<const qlCard*>;
    EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(0)), V{});
    EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(2)), (V{plant2, plant3}));
    EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(3)), (V{plant1, plant2, plant3}));
    EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(5)), (V{plant1, plant2, plant3, chapel, hero2}));
    EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(6)),
              (V{plant1, plant2, plant3, chapel, hero2, hero1}));
    // Four cards left for four more to pay: the kept card goes too.
    EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(7)),
              (V{plant1, plant2, plant3, hero1, hero2, chapel, hall}));
    // A price above the hand is paid with the whole hand.
    EXPECT_EQ(seat->AIGetBuildPaymentCards(9)->Count(), 7);
    EXPECT_EQ(Ids(*seat->CardsInHand()), hand);
    EXPECT_EQ(pauses.count, 0);

    const auto unique = MakeSeat({.city = {"Indigo Plant"}, .hand = {"Indigo Plant", "Hero"}});
    EXPECT_TRUE(unique->GetUselessCards()->Empty());
}
