#include <gtest/gtest.h>

#include <string>

#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using testing_support::MakeCard;
using testing_support::Seat;

namespace {

Integer PointsOf(const std::string& city, const std::string& chapel = "") {
    auto seat = Seat(city, chapel);
    while (!seat->CardsInHand()->Empty()) {
        seat->BuryCard(seat->CardsInHand()->Item(1));
    }
    return seat->Points();
}

}  // namespace

TEST(Scoring, PointsChapelAndTheBonusBuildings) {
    EXPECT_EQ(PointsOf("Indigo Plant,Hero,Library"), 9);
    EXPECT_EQ(PointsOf("Indigo Plant", "Well,Well,Hero"), 1 + 3);  // one point a buried card
    // The arch: 4, 6 or 8 for one, two or three different monuments.
    EXPECT_EQ(PointsOf("Triumphal Arch,Indigo Plant"), 1);
    EXPECT_EQ(PointsOf("Triumphal Arch,Hero,Hero"), 10 + 4);
    EXPECT_EQ(PointsOf("Triumphal Arch,Statue,Hero"), 8 + 6);
    EXPECT_EQ(PointsOf("Triumphal Arch,Statue,Victory Column,Hero"), 12 + 8);
    // City Hall: one a violet building, itself included; Guild Hall: two a production building.
    EXPECT_EQ(PointsOf("City Hall,Smithy,Well,Indigo Plant,Sugar Mill"), 4 + 3);
    EXPECT_EQ(PointsOf("Guild Hall,Smithy,Well,Indigo Plant,Sugar Mill"), 4 + 4);
    EXPECT_EQ(PointsOf("Guild Hall,City Hall,Indigo Plant"), 1 + 2 + 2);
    // The palace: a quarter of everything else, rounded down, chapel and bonuses included.
    EXPECT_EQ(PointsOf("Palace,Hero,Sugar Mill,Indigo Plant"), 7 + 1);
    EXPECT_EQ(PointsOf("Palace,Hero,Statue", "Well,Well,Well,Well"), 12 + 3);
    EXPECT_EQ(PointsOf("Palace,Triumphal Arch,Statue,City Hall"), 11 + 2);

    auto seat = Seat("Triumphal Arch,Statue,Indigo Plant");  // a covered building counts no more
    seat->BuildOverCard(MakeCard("Well"), seat->BuiltCards()->Item(2));
    EXPECT_EQ(seat->Points(), 1 + 1);
}
