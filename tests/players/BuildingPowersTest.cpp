#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using testing_support::MakeCard;
using testing_support::MakeDeck;
using testing_support::Names;
using testing_support::PutGoods;
using testing_support::Seat;
using Strings = std::vector<std::string>;

TEST(BuildingPowers, DiscountsCountThePrivilegeTwiceOnlyWithAnActiveLibrary) {
    auto seat = Seat("Smithy,Library");
    seat->SetLibraryActive(false);
    EXPECT_EQ(seat->ProductionBuildModifier(), 1);
    EXPECT_EQ(seat->VioletBuildModifier(), 0);
    seat->SetGetsRoleBenefit(true);
    EXPECT_EQ(seat->ProductionBuildModifier(), 2);  // library built but not active
    seat->SetLibraryActive(true);
    EXPECT_EQ(seat->ProductionBuildModifier(), 3);
    EXPECT_EQ(seat->VioletBuildModifier(), 2);
    EXPECT_EQ(Seat("Quarry", "", true, true)->VioletBuildModifier(), 2);  // no library built

    // The cost after the discount never falls below 0; every type but 0 is charged as violet.
    EXPECT_EQ(seat->GetBuildCost(*MakeCard("Indigo Plant")), 0);
    EXPECT_EQ(seat->GetBuildCost(*MakeCard("Silver Smelter")), 2);
    const CardRef odd = MakeCard("Palace");
    odd->SetBuildingType(2);
    EXPECT_EQ(seat->GetBuildCost(*odd), 4);
}

TEST(BuildingPowers, BuildableCardsFollowTheHandSizeAndSkipBuiltNames) {
    auto seat = Seat("Indigo Plant,Well", "Chapel,Library,Tobacco Storage,Well");
    // Cost 3 is affordable with four cards, cost 5 is not, and the Well is already built.
    EXPECT_EQ(Names(*seat->GetBuildableCards()), (Strings{"Chapel", "Tobacco Storage"}));
    EXPECT_EQ(Names(*seat->GetBuildableCards(nullptr, -1)), Strings{});
    EXPECT_EQ(Names(*seat->GetBuildableCards(nullptr, 2)),
              (Strings{"Chapel", "Library", "Tobacco Storage"}));

    // Offered cards are measured against the hand's power, a built production building is not
    // offered again, and an unknown type never is.
    const DeckRef offered = MakeDeck({"Indigo Plant", "Sugar Mill", "Coffee Roaster", "Hero"});
    offered->Item(4)->SetBuildingType(2);
    EXPECT_EQ(Names(*seat->GetBuildableCards(offered, 5)),
              (Strings{"Sugar Mill", "Coffee Roaster"}));
    EXPECT_EQ(Seat("")->VioletBuildPower(), -1);
}

TEST(BuildingPowers, TheHumanMayBuildASecondProductionBuildingButNoSecondViolet) {
    auto seat = Seat("Indigo Plant,Well,Smithy", "Indigo Plant,Well,Coffee Roaster,Library");
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
}

TEST(BuildingPowers, BuildingListsSplitTheProductionBuildings) {
    auto seat = Seat("Indigo Plant,Chapel,Sugar Mill,Indigo Plant");
    PutGoods(*seat, {"Sugar Mill", "Indigo Plant"});
    const qlCards& city = *seat->BuiltCards();
    EXPECT_EQ(Names(*seat->ProductionBuildings()),
              (Strings{"Indigo Plant", "Sugar Mill", "Indigo Plant"}));
    EXPECT_EQ(testing_support::Ids(*seat->BuildingsWithGoods()),
              (std::vector<const qlCard*>{city.Item(1).get(), city.Item(3).get()}));
    EXPECT_EQ(testing_support::Ids(*seat->OpenProductionBuildings()),
              (std::vector<const qlCard*>{city.Item(4).get()}));
    EXPECT_EQ(Seat("")->BuildingsWithGoods()->Count(), 0);
}

TEST(BuildingPowers, UniqueCardsKeepTheFirstOfEachName) {
    auto seat = Seat("", "Well,Smithy,Well,Smithy,Hero");
    const DeckRef unique = seat->UniqueCardsInHand();
    EXPECT_EQ(Names(*unique), (Strings{"Well", "Smithy", "Hero"}));
    EXPECT_EQ(unique->Item(2), seat->CardsInHand()->Item(2));
    EXPECT_EQ(seat->CardsInHand()->Count(), 5);
}
