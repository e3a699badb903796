#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using testing_support::MakeCard;
using testing_support::Seat;

namespace {

// A seat with this city and these cards buried under its Chapel.
std::unique_ptr<qlPlayer> Scored(const std::string& city, const std::string& chapel) {
    auto seat = Seat(city, chapel);
    while (!seat->CardsInHand().Empty()) {
        seat->BuryCard(seat->CardsInHand().Item(1));
    }
    return seat;
}

Integer PointsOf(const std::string& city, const std::string& chapel = "") {
    const auto seat = Scored(city, chapel);
    EXPECT_EQ(seat->PointsBreakdown().Total(), seat->Points()) << city;
    return seat->Points();
}

std::vector<std::string> LinesOf(const std::string& city, const std::string& chapel = "") {
    return Scored(city, chapel)->PointsBreakdown().Lines();
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
    EXPECT_EQ(PointsOf("Guild Hall,Indigo Plant,Sugar Mill,Tobacco Storage,Coffee Roaster,"
                       "Silver Smelter"),
              9 + 2 * 5);
    // The palace: a quarter of everything else, rounded down, chapel and bonuses included.
    EXPECT_EQ(PointsOf("Palace,Hero,Sugar Mill,Indigo Plant"), 7 + 1);
    EXPECT_EQ(PointsOf("Palace,Hero,Statue", "Well,Well,Well,Well"), 12 + 3);
    EXPECT_EQ(PointsOf("Palace,Triumphal Arch,Statue,City Hall"), 11 + 2);

    auto seat = Seat("Triumphal Arch,Statue,Indigo Plant");  // a covered building counts no more
    seat->BuildOverCard(MakeCard("Well"), seat->BuiltCards().Item(2));
    EXPECT_EQ(seat->Points(), 1 + 1);
}

TEST(Scoring, TheBreakdownNamesEachBonusBuildingAndWhatItCounted) {
    using Lines = std::vector<std::string>;
    // Printed 10; City Hall six violet, Guild Hall two production, the arch two monuments,
    // three chapel cards: 29, and the Palace's quarter of it.
    EXPECT_EQ(LinesOf("Palace,Triumphal Arch,Statue,Hero,City Hall,Guild Hall,Indigo Plant,"
                      "Sugar Mill",
                      "Well,Well,Well"),
              (Lines{"8 buildings: 10", "Chapel, 3 cards: 3", "City Hall, 6 violet buildings: +6",
                     "Guild Hall, 2 production buildings: +4", "Triumphal Arch, 2 monuments: +6",
                     "Palace, a quarter of 29: +7", "Total: 36"}));
    EXPECT_EQ(LinesOf("Indigo Plant", "Well"),
              (Lines{"1 building: 1", "Chapel, 1 card: 1", "Total: 2"}));
    EXPECT_EQ(LinesOf("Triumphal Arch,Victory Column"),
              (Lines{"2 buildings: 4", "Triumphal Arch, 1 monument: +4", "Total: 8"}));
    EXPECT_EQ(LinesOf("Guild Hall,Palace,Smithy"),
              (Lines{"3 buildings: 1", "Guild Hall, 0 production buildings: +0",
                     "Palace, a quarter of 1: +0", "Total: 1"}));
}
