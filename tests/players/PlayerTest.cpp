#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using namespace testing_support;
using Strings = std::vector<std::string>;

TEST(BuildingPowers, DiscountsCostsAndWhatCanBeBuilt) {
    auto seat = Seat("Smithy,Library");
    const auto discounts = [&seat] {
        return std::pair<int, int>(seat->ProductionBuildModifier(), seat->VioletBuildModifier());
    };
    seat->SetLibraryActive(false);
    EXPECT_EQ(discounts(), std::pair(1, 0));
    seat->SetGetsRoleBenefit(true);
    EXPECT_EQ(discounts(), std::pair(2, 1));  // the Library built but not active
    seat->SetLibraryActive(true);
    EXPECT_EQ(discounts(), std::pair(3, 2));
    EXPECT_EQ(Seat("Quarry", "", true, true)->VioletBuildModifier(), 2);  // no Library built
    EXPECT_EQ(seat->GetBuildCost(*MakeCard("Indigo Plant")), 0);          // never below 0
    EXPECT_EQ(seat->GetBuildCost(*MakeCard("Silver Smelter")), 2);
    EXPECT_EQ(seat->GetBuildCost(*Altered(MakeCard("Palace"), [](Building& b) { b.type = 2; })),
              4);  // every type but 0 is charged as violet

    // The power is the hand less the card built plus the discount; a built name is skipped,
    // and an unknown type never offered.
    seat = Seat("Indigo Plant,Well", "Chapel,Library,Tobacco Storage,Well");
    EXPECT_EQ(Names(seat->GetBuildableCards()), (Strings{"Chapel", "Tobacco Storage"}));
    EXPECT_EQ(Names(seat->GetBuildableCards(-1)), Strings{});
    EXPECT_EQ(Names(seat->GetBuildableCards(2)), (Strings{"Chapel", "Library", "Tobacco Storage"}));
    qlCards offered = MakeDeck({"Indigo Plant", "Sugar Mill", "Coffee Roaster"});
    offered.AddCard(Altered(MakeCard("Hero"), [](Building& b) { b.type = 2; }));
    EXPECT_EQ(Names(seat->GetBuildableCards(offered, 5)),
              (Strings{"Sugar Mill", "Coffee Roaster"}));

    // The human may build a second production building, but no second violet one.
    seat = Seat("Indigo Plant,Well,Smithy", "Indigo Plant,Well,Coffee Roaster,Library");
    qlCards& hand = seat->CardsInHand();
    EXPECT_EQ(Names(seat->GetHumanBuildableCards(hand, 0)),
              (Strings{"Indigo Plant", "Coffee Roaster"}));
    EXPECT_EQ(Names(seat->GetHumanBuildableCards(hand, 2)),
              (Strings{"Indigo Plant", "Coffee Roaster", "Library"}));
    const Card well = hand.Item(2);  // another type: violet power, but only violet is barred
    hand.Remove(2);
    hand.AddCard(Altered(well, [](Building& b) { b.type = 7; }));
    hand.MoveUp(4, 2);
    EXPECT_EQ(Names(seat->GetHumanBuildableCards(hand, 0)),
              (Strings{"Indigo Plant", "Well", "Coffee Roaster"}));
}

TEST(PlayerState, BuildingBuryingAndTheHandKeepTheirEffectsAndACopyIsASeatOfItsOwn) {
    qlPlayer seat(StartValues());
    seat.BuildCard(MakeCard("Tower"));
    EXPECT_EQ(seat.CardsAllowed(), 12);
    EXPECT_FALSE(seat.LibraryActive());
    seat.BuildOverCard(MakeCard("Library"), seat.BuiltCards().Item(1));
    seat.BuildOverCard(MakeCard("Well"), seat.BuiltCards().Item(1));
    EXPECT_EQ(seat.CardsAllowed(), 12);  // both stay when covered
    EXPECT_TRUE(seat.LibraryActive());
    EXPECT_EQ(Names(seat.BuiltCards()), Strings{"Well"});
    seat.SetCardsInHand(MakeDeck({"Well", "Hero", "Tower "}));
    const qlPlayer before = seat;
    seat.BuryCard(seat.CardsInHand().Item(2));
    EXPECT_EQ(Names(seat.CardsInHand()), (Strings{"Well", "Tower "}));
    EXPECT_EQ(seat.ChapelPoints(), 1);
    EXPECT_EQ(Names(seat.ChapelCards()), (Strings{"Hero"}));  // face down under the Chapel
    EXPECT_EQ(before.CardsInHand().Count(), 3);  // the copy kept its own hand and chapel
    EXPECT_EQ(before.ChapelPoints(), 0);
    EXPECT_TRUE(seat.HasBuiltName("Well") && seat.HoldsName("Tower "));  // names match exactly
    EXPECT_FALSE(seat.HasBuiltName("well") || seat.HoldsName("Tower") || seat.HoldsName("Hero"));
    EXPECT_TRUE(seat.HasBuiltCard("Well") && !seat.HasBuiltCard("Tower"));
}

TEST(PlayerState, AGoodLiesInItsBuildingsSlotAndLeavesWithACoveredBuilding) {
    auto seat = Seat("Indigo Plant,Library,Sugar Mill,Coffee Roaster");
    const Card plant = seat->BuiltCards().Item(1);
    const Card mill = seat->BuiltCards().Item(3);
    const Card sugar = MakeCard("Well");
    const Card indigo = MakeCard("Hero");
    seat->SetGood(mill, sugar);
    seat->SetGood(plant, indigo);
    seat->SetGood(MakeCard("Sugar Mill"), MakeCard("Tower"));  // not in the city: passed over
    EXPECT_EQ(seat->GoodOn(*mill), sugar);
    EXPECT_EQ(seat->GoodOn(*plant), indigo);
    EXPECT_FALSE(seat->GoodOn(*seat->BuiltCards().Item(2)));
    EXPECT_EQ(seat->GoodsOnBuildings(), 2);
    EXPECT_EQ(Names(seat->BuildingsWithGoods()), (Strings{"Indigo Plant", "Sugar Mill"}));
    EXPECT_EQ(Names(seat->OpenProductionBuildings()), Strings{"Coffee Roaster"});

    // Covering a building before the others moves their goods along with them; the new one
    // comes without a good.
    seat->BuildOverCard(MakeCard("Tobacco Storage"), plant);
    EXPECT_FALSE(seat->GoodOn(*plant));
    EXPECT_EQ(seat->GoodOn(*mill), sugar);
    EXPECT_EQ(Names(seat->BuildingsWithGoods()), Strings{"Sugar Mill"});
    EXPECT_EQ(Names(seat->OpenProductionBuildings()),
              (Strings{"Coffee Roaster", "Tobacco Storage"}));
    seat->SetGood(mill, {});
    EXPECT_EQ(seat->GoodsOnBuildings(), 0);
}
