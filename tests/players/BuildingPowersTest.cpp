#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using testing_support::MakeCard;
using testing_support::MakeDeck;
using testing_support::MakeSeat;
using testing_support::Names;
using testing_support::PutGoods;
using testing_support::SeatSpec;
using Strings = std::vector<std::string>;

TEST(BuildingPowers, DiscountsCountThePrivilegeTwiceOnlyWithAnActiveLibrary) {
    auto seat = MakeSeat({.city = {"Smithy", "Library"}});
    seat->SetLibraryActive(false);
    EXPECT_EQ(seat->ProductionBuildModifier(), 1);
    EXPECT_EQ(seat->VioletBuildModifier(), 0);
    seat->SetGetsRoleBenefit(true);
    EXPECT_EQ(seat->ProductionBuildModifier(), 2);  // library built but not active
    seat->SetLibraryActive(true);
    EXPECT_EQ(seat->ProductionBuildModifier(), 3);
    EXPECT_EQ(seat->VioletBuildModifier(), 2);

    auto noLibrary = MakeSeat({.city = {"Quarry"}, .roleBenefit = true, .libraryActive = true});
    EXPECT_EQ(noLibrary->VioletBuildModifier(), 2);  // the flag alone is not enough
    EXPECT_EQ(noLibrary->ProductionBuildModifier(), 1);
}

TEST(BuildingPowers, BuildCostNeverFallsBelowZero) {
    auto seat = MakeSeat({.city = {"Smithy", "Quarry"}, .roleBenefit = true});
    EXPECT_EQ(seat->GetBuildCost(*MakeCard("Indigo Plant")), 0);
    EXPECT_EQ(seat->GetBuildCost(*MakeCard("Silver Smelter")), 3);
    EXPECT_EQ(seat->GetBuildCost(*MakeCard("Palace")), 4);
    const CardRef odd = MakeCard("Palace");
    odd->SetBuildingType(2);  // every type but 0 is charged as violet
    EXPECT_EQ(seat->GetBuildCost(*odd), 4);
}

TEST(BuildingPowers, BuildableCardsFollowTheHandSizeAndSkipBuiltNames) {
    auto seat = MakeSeat({.city = {"Indigo Plant", "Well"},
                          .hand = {"Chapel", "Library", "Tobacco Storage", "Well"}});
    EXPECT_EQ(seat->ProductionBuildPower(), 3);
    // Cost 3 is affordable with four cards, cost 5 is not, and the Well is already built.
    EXPECT_EQ(Names(*seat->GetBuildableCards()), (Strings{"Chapel", "Tobacco Storage"}));
    EXPECT_EQ(Names(*seat->GetBuildableCards(nullptr, -1)), Strings{});
    EXPECT_EQ(Names(*seat->GetBuildableCards(nullptr, 2)),
              (Strings{"Chapel", "Library", "Tobacco Storage"}));

    // Offered cards are measured against the hand's power, and a built production building
    // is never offered again.
    const DeckRef offered = MakeDeck({"Indigo Plant", "Sugar Mill", "Coffee Roaster", "Hero"});
    offered->Item(4)->SetBuildingType(2);
    EXPECT_EQ(Names(*seat->GetBuildableCards(offered)), (Strings{"Sugar Mill"}));

    auto empty = MakeSeat({});
    EXPECT_EQ(empty->VioletBuildPower(), -1);
    EXPECT_EQ(empty->GetBuildableCards()->Count(), 0);
}

TEST(BuildingPowers, TheHumanMayBuildASecondProductionBuildingButNoSecondViolet) {
    auto seat = MakeSeat({.city = {"Indigo Plant", "Well", "Smithy"},
                          .hand = {"Indigo Plant", "Well", "Coffee Roaster", "Library"}});
    const DeckRef hand = seat->CardsInHand();
    EXPECT_EQ(Names(*seat->GetHumanBuildableCards(*hand, 0)),
              (Strings{"Indigo Plant", "Coffee Roaster"}));
    EXPECT_EQ(Names(*seat->GetHumanBuildableCards(*hand, 2)),
              (Strings{"Indigo Plant", "Coffee Roaster", "Library"}));
    // Another type is charged at the violet power, and only a built violet name is barred.
    hand->Item(2)->SetBuildingType(7);
    hand->Item(4)->SetBuildingType(7);
    EXPECT_EQ(Names(*seat->GetHumanBuildableCards(*hand, 1)),
              (Strings{"Indigo Plant", "Well", "Coffee Roaster"}));
    EXPECT_EQ(Names(*seat->GetHumanBuildableCards(*hand, 2)),
              (Strings{"Indigo Plant", "Well", "Coffee Roaster", "Library"}));
}

TEST(BuildingPowers, BuildingListsSplitTheProductionBuildings) {
    auto seat = MakeSeat({.city = {"Indigo Plant", "Chapel", "Sugar Mill", "Indigo Plant"}});
    PutGoods(*seat, {"Sugar Mill", "Indigo Plant"});
    EXPECT_EQ(Names(*seat->ProductionBuildings()),
              (Strings{"Indigo Plant", "Sugar Mill", "Indigo Plant"}));
    EXPECT_EQ(seat->BuildingsWithGoods()->Item(2), seat->BuiltCards()->Item(3));
    EXPECT_EQ(seat->BuildingsWithGoods()->Item(1), seat->BuiltCards()->Item(1));
    EXPECT_EQ(seat->OpenProductionBuildings()->Count(), 1);
    EXPECT_EQ(seat->OpenProductionBuildings()->Item(1), seat->BuiltCards()->Item(4));

    auto empty = MakeSeat({});
    EXPECT_NE(empty->ProductionBuildings(), nullptr);
    EXPECT_EQ(empty->BuildingsWithGoods()->Count(), 0);
}

TEST(BuildingPowers, UniqueCardsKeepTheFirstOfEachName) {
    auto seat = MakeSeat({.hand = {"Well", "Smithy", "Well", "Smithy", "Hero"}});
    const DeckRef unique = seat->UniqueCardsInHand();
    EXPECT_EQ(Names(*unique), (Strings{"Well", "Smithy", "Hero"}));
    EXPECT_EQ(unique->Item(1), seat->CardsInHand()->Item(1));
    EXPECT_EQ(unique->Item(2), seat->CardsInHand()->Item(2));
    EXPECT_EQ(seat->CardsInHand()->Count(), 5);
}
