#include <gtest/gtest.h>

#include <vector>

#include "cards/qlCard.h"
#include "core/ProgramFolder.h"
#include "support/TableHelpers.h"

using testing_support::MakeCard;

TEST(Card, TradeWorthNeedsAProductionTypeAndAnExactName) {
    EXPECT_EQ(MakeCard("Silver Smelter")->AvgTradeWorth(), 2.6);
    EXPECT_EQ(MakeCard("Library")->AvgTradeWorth(), 0.0);
    const CardRef renamed = MakeCard("Silver Smelter");
    renamed->SetBuildingType(1);
    EXPECT_EQ(renamed->AvgTradeWorth(), 0.0);
    renamed->SetBuildingType(0);
    renamed->SetBuildingName("Silver smelter");
    EXPECT_EQ(renamed->AvgTradeWorth(), 0.0);
}

TEST(Card, GoodChangedFiresOnPlacingAndRemoving) {
    const CardRef building = MakeCard("Sugar Mill");
    const CardRef good = MakeCard("Hero");
    std::vector<CardRef> seen;
    Subscription s = building->GoodChanged.Subscribe([&](const CardRef& g) { seen.push_back(g); });
    building->SetGoodPresent(good);
    building->SetGoodPresent(nullptr);
    EXPECT_EQ(seen, (std::vector<CardRef>{good, nullptr}));
    EXPECT_EQ(building->GoodPresent(), nullptr);
}

TEST(Card, PicturesAreNamedAfterTheBuilding) {
    const CardRef well = MakeCard("Well");
    EXPECT_EQ(well->Picture(), ProgramFolder() / "Images" / "Small" / "Well.BMP");
    EXPECT_EQ(well->BigPict(), ProgramFolder() / "Images" / "Large" / "Well.BMP");
    well->SetBuildingName("   ");
    EXPECT_TRUE(well->Picture().empty());
    EXPECT_TRUE(well->BigPict().empty());
}
