// The computer seat's choices of cards. Values at BuildingsLeft 8 for a city of one plant
// (points weigh 3/8, F = 6.4): Prefecture 4.15, Market Hall 3.15, Smithy 1.375, Gold Mine
// 0.975, Well -0.025, Victory Column -0.5, Hero -1.125, Coffee Roaster -1.33, Tower -1.45,
// Chapel -2.25.

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "support/TableHelpers.h"

using namespace testing_support;
using V = std::vector<const qlCard*>;

TEST(AIUseCrane, OneCallInTenPicksABuildingOtherThanTheCraneWhateverWasDrawnBefore) {
    const auto seat = Seat("Indigo Plant,Crane,Smithy,Crane,Well");
    const auto run = [&](bool drawBetween) {
        SeedGuard seed(99);
        V picks;
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
    const V picks = run(false);
    EXPECT_EQ(picks, run(true));
    std::multiset<std::string> names;
    for (const qlCard* pick : picks) {
        if (pick) {
            names.insert(pick->BuildingName());
        }
    }
    EXPECT_TRUE(names.size() > 150 && names.size() < 250) << names.size();  // about 200
    EXPECT_EQ(names.count("Crane"), 0u);
    EXPECT_TRUE(names.count("Indigo Plant") && names.count("Smithy") && names.count("Well"));
    SeedGuard seed(5);
    for (int i = 0; i < 100; ++i) {  // a city of cranes has nothing to build over
        EXPECT_TRUE(Seat("Crane,Crane")->AIUseCrane()->Empty());
    }
}

TEST(AIBlackMarket, SpendsCheapGoodsOnlyWhenTheyHelpOrAreIndigo) {
    TableGlobals g(4, 8);
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
        const auto seat = Seat(city, hand);
        PutGoods(*seat, Split(city));
        EXPECT_EQ(Names(*seat->AIBlackMarket()), Split(spent)) << city << " / " << hand;
    }
}

TEST(AIGetCardToBuild, OpeningWaitsForLibraryOrCoffeeLaterBestByValue) {
    TableGlobals g(4, 11);
    auto seat = Seat("Indigo Plant", "Library,Smithy,Well");
    EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());  // the smithy is not built instead
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(3)), Split("Library"));
    seat->SetCardsInHand(MakeDeck({"Library", "Well", "Library", "Well", "Smithy", "Tower"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Library,Library"));
    seat->SetCardsInHand(MakeDeck({"Coffee Roaster", "Smithy", "Well", "Tower", "Well"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Coffee Roaster"));
    modGlobal::SetBuildingsLeft(10);  // once a city has grown the opening rule is over
    seat->SetCardsInHand(MakeDeck({"Library", "Smithy", "Well"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Smithy"));
    modGlobal::SetBuildingsLeft(8);
    seat->SetCardsInHand(MakeDeck({"Chapel", "Market Hall", "Hero", "Coffee Roaster"}));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(0)), Split("Chapel"));
    EXPECT_EQ(Names(*seat->AIGetCardToBuild(1)), Split("Market Hall"));
    seat->SetCardsInHand(MakeDeck({"Hero"}));
    EXPECT_TRUE(seat->AIGetCardToBuild(0)->Empty());
}

TEST(AIGetBuildPaymentCards, PaysUselessCardsThenTheLeastValuable) {
    TableGlobals g(4, 8);
    // The plants are unbuildable duplicates, so useless; of the rest Market Hall is kept.
    const auto seat =
        Seat("Indigo Plant", "Hero,Indigo Plant,Hero,Indigo Plant,Indigo Plant,Chapel,Market Hall");
    const auto h = Ids(*seat->CardsInHand());
    EXPECT_EQ(Ids(*seat->GetUselessCards()), (V{h[1], h[3], h[4]}));
    const std::pair<int, V> cases[] = {
        {2, {h[3], h[4]}},                                // the first useless card is spared
        {5, {h[1], h[3], h[4], h[5], h[2]}},              // then the least valuable but Market Hall
        {7, {h[1], h[3], h[4], h[0], h[2], h[5], h[6]}},  // exactly the rest: all of it
        {9, {h[1], h[3], h[4], h[5], h[2], h[0], h[6]}},  // more than the hand: all of it
    };
    for (const auto& [cost, paid] : cases) {
        EXPECT_EQ(Ids(*seat->AIGetBuildPaymentCards(cost)), paid) << cost;
    }
    EXPECT_EQ(Ids(*seat->CardsInHand()), h);
    EXPECT_TRUE(Seat("Indigo Plant", "Indigo Plant,Hero")->GetUselessCards()->Empty());
}

TEST(AIPickChapelCard, BuriesTheLowestUnlessItIsTheLastThingToBuild) {
    TableGlobals g(4, 8);
    // Without a production building a plant is worth 3/8 - 1; a smithy 3/8 + 3 - 1; a second
    // well -1 (one less with the privilege). Hand, privilege, card buried:
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"Smithy,Well,Well", false, ""},         // nothing buildable with two cards fewer
        {"Poor House,Well,Well", true, "Well"},  // one card fewer with the privilege
        {"Indigo Plant,Smithy,Market Hall,Prefecture,Victory Column", false, "Indigo Plant"},
        {"Indigo Plant,Market Hall,Victory Column,Prefecture", false, "Victory Column"},
    };
    for (const auto& [hand, privilege, buried] : cases) {
        const auto seat = Seat("Well", hand, privilege);
        EXPECT_EQ(Names(*seat->AIPickChapelCard()), Split(buried)) << hand;
        EXPECT_EQ(Names(*seat->CardsInHand()), Split(hand));
    }
    // The privilege and an active Library make a lone plant buildable one card short, but no
    // other card can be buried in its place.
    EXPECT_TRUE(Seat("Smithy,Library", "Indigo Plant", true, true)->AIPickChapelCard()->Empty());
}

TEST(AIDiscardDownTo, KeepsTheBestDistinctCardsThenTheBestDuplicates) {
    const char* nine =
        "Chapel,Tower,Hero,Victory Column,Well,Gold Mine,Smithy,Market Hall,Prefecture";
    TableGlobals g(4, 8);
    auto seat = Seat("Indigo Plant", nine);
    const DeckRef oldHand = seat->CardsInHand();
    EXPECT_EQ(seat->AIDiscardDownTo(7), oldHand);  // the former hand holds what is given up
    EXPECT_EQ(Names(*seat->CardsInHand()),
              Split("Prefecture,Market Hall,Smithy,Gold Mine,Well,Victory Column,Hero"));
    EXPECT_EQ(Names(*oldHand), Split("Chapel,Tower"));
    // Early, per card of cost: Prefecture 5.2/3, Gold Mine and Smithy 1.1, Market Hall 4.2/4.
    modGlobal::SetBuildingsLeft(10);
    seat = Seat("Indigo Plant", nine);
    seat->AIDiscardDownTo(3);
    EXPECT_EQ(Names(*seat->CardsInHand()), Split("Prefecture,Gold Mine,Smithy"));
    modGlobal::SetBuildingsLeft(8);
    seat = Seat("Indigo Plant",
                "Prefecture,Chapel,Chapel,Tower,Prefecture,Smithy,Smithy,Hero,Tower,Chapel");
    const auto h = Ids(*seat->CardsInHand());
    EXPECT_EQ(Ids(*seat->AIDiscardDownTo(7)), (V{h[8], h[2], h[9]}));
    EXPECT_EQ(Ids(*seat->CardsInHand()), (V{h[0], h[5], h[7], h[3], h[1], h[4], h[6]}));
}

TEST(AIPickCouncillorAndGoldMine, BestDrawnCardsOrFirstSomethingBuildable) {
    TableGlobals g(4, 8);
    // City, hand, cards drawn, cards kept, cards left over. The smithy in hand is buildable;
    // two heroes are not, so a seat holding them first takes a drawn card it can afford.
    const std::array<const char*, 5> councillor[] = {
        {"Indigo Plant", "Smithy,Well", "Tower,Market Hall,Hero", "Market Hall", "Hero,Tower"},
        {"Indigo Plant,Prefecture", "Hero,Hero", "Tower,Market Hall,Smithy,Hero",
         "Smithy,Market Hall", "Hero,Tower"},
        {"Indigo Plant,Prefecture,Archive", "Smithy,Well", "Tower,Market Hall,Hero",
         "Market Hall,Smithy,Well,Hero", "Tower"},
    };
    for (const auto& [city, hand, drawn, kept, left] : councillor) {
        const auto seat = Seat(city, hand);
        const DeckRef draw = MakeDeck(Split(drawn));
        EXPECT_EQ(Names(*seat->AIPickCouncillorCards(draw)), Split(kept)) << city;
        EXPECT_EQ(Names(*draw), Split(left)) << city;
        EXPECT_EQ(Names(*seat->CardsInHand()), Split(hand));
    }
    // The gold mine takes the best card shown, or first one the seat can afford; the cards
    // shown are reordered, none removed.
    DeckRef shown = MakeDeck({"Tower", "Market Hall", "Hero", "Chapel"});
    EXPECT_EQ(Names(*Seat("Indigo Plant", "Smithy")->AIPickGoldMineCard(shown)),
              Split("Market Hall"));
    EXPECT_EQ(Names(*shown), Split("Market Hall,Hero,Tower,Chapel"));
    shown = MakeDeck({"Tower", "Market Hall", "Smithy", "Chapel"});
    EXPECT_EQ(Names(*Seat("Indigo Plant", "Hero,Hero")->AIPickGoldMineCard(shown)),
              Split("Smithy"));
    auto seat = Seat("Indigo Plant,Silver Smelter,Well,Sugar Mill");  // goods: best first
    EXPECT_EQ(Names(*seat->AIChooseProductionGoods(2)), Split("Silver Smelter,Sugar Mill"));
    PutGoods(*seat, {"Indigo Plant", "Silver Smelter", "Sugar Mill"});
    EXPECT_EQ(Names(*seat->AIChooseTradingGoods(2)), Split("Silver Smelter,Sugar Mill"));
}
