#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using testing_support::MakeDeck;
using testing_support::Seat;

namespace {

Integer PointsOf(const std::string& city, int chapelCards = 0) {
    auto seat = Seat(city);
    seat->SetCardsInHand(MakeDeck(std::vector<std::string>(chapelCards, "Well")));
    while (seat->CardsInHand()->Count() > 0) {
        seat->BuryCard(seat->CardsInHand()->Item(1));
    }
    return seat->Points();
}

}  // namespace

TEST(Scoring, PrintedPointsAndChapelCardsAddUp) {
    EXPECT_EQ(PointsOf(""), 0);
    EXPECT_EQ(PointsOf("Indigo Plant,Hero,Library"), 9);
    EXPECT_EQ(PointsOf("Indigo Plant", 3), 4);
}

TEST(Scoring, ThePalaceAddsAQuarterOfEverythingElseRoundedDown) {
    EXPECT_EQ(PointsOf("Palace,Hero,Sugar Mill,Indigo Plant"), 8);  // 7 + 1
    EXPECT_EQ(PointsOf("Palace,Hero,Statue"), 10);                  // 8 + 2
    EXPECT_EQ(PointsOf("Palace,Statue"), 3);                        // 3 + 0
    EXPECT_EQ(PointsOf("Palace,Hero,Statue", 4), 15);               // 12 + 3
    // The quarter includes the other bonuses: 3 + 4 (arch) + 4 (city hall, four violet) = 11, + 2.
    EXPECT_EQ(PointsOf("Palace,Triumphal Arch,Statue,City Hall"), 13);
}

TEST(Scoring, TheTriumphalArchCountsEachMonumentOnce) {
    EXPECT_EQ(PointsOf("Triumphal Arch,Statue,Hero"), 8 + 6);
    EXPECT_EQ(PointsOf("Triumphal Arch,Statue,Victory Column,Hero"), 12 + 8);
    EXPECT_EQ(PointsOf("Triumphal Arch,Hero,Hero"), 10 + 4);
    EXPECT_EQ(PointsOf("Triumphal Arch,Indigo Plant"), 1);
    EXPECT_EQ(PointsOf("Statue,Hero"), 8);  // no arch, no bonus
}

TEST(Scoring, CityHallAndGuildHallCountTheirKinds) {
    // Three violet buildings (the hall included) and two production buildings.
    EXPECT_EQ(PointsOf("City Hall,Smithy,Well,Indigo Plant,Sugar Mill"), 4 + 3);
    EXPECT_EQ(PointsOf("Guild Hall,Smithy,Well,Indigo Plant,Sugar Mill"), 4 + 4);
    EXPECT_EQ(PointsOf("Guild Hall,City Hall,Indigo Plant"), 1 + 2 + 2);
}

TEST(Scoring, ABuildingBuiltOverNoLongerCounts) {
    auto seat = Seat("Triumphal Arch,Statue,Indigo Plant");
    EXPECT_EQ(seat->Points(), 3 + 1 + 4);
    seat->BuildOverCard(testing_support::MakeCard("Well"), seat->BuiltCards()->Item(2));
    EXPECT_EQ(seat->Points(), 1 + 1);
}
