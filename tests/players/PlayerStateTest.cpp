#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

using testing_support::MakeCard;
using testing_support::MakeDeck;
using testing_support::Names;

namespace {

// Records the seat's events in the order they arrive.
struct EventLog {
    explicit EventLog(qlPlayer& p)
        : hand(p.PlayersCardsChanged.Subscribe(
              [this](const DeckRef& d) { lines.push_back("hand " + std::to_string(d->Count())); })),
          built(p.BuiltNewCard.Subscribe(
              [this](const CardRef& c) { lines.push_back("built " + c->BuildingName()); })),
          covered(p.CoverOldCard.Subscribe(
              [this](const CardRef& c) { lines.push_back("covered " + c->BuildingName()); })) {}
    std::vector<std::string> lines;
    Subscription hand, built, covered;
};

}  // namespace

TEST(PlayerState, TowerAndLibraryTakeEffectWhenBuiltAndStayWhenCovered) {
    qlPlayer seat;
    EventLog log(seat);
    seat.BuildCard(MakeCard("Indigo Plant"));
    const CardRef tower = MakeCard("Tower");
    seat.BuildOverCard(tower, seat.BuiltCards()->Item(1));
    EXPECT_EQ(seat.CardsAllowed(), 12);
    EXPECT_FALSE(seat.LibraryActive());
    const CardRef library = MakeCard("Library");
    seat.BuildOverCard(library, tower);
    EXPECT_EQ(seat.CardsAllowed(), 12);
    EXPECT_TRUE(seat.LibraryActive());
    seat.BuildCard(MakeCard("Crane"));
    seat.BuildOverCard(MakeCard("Well"), library);
    EXPECT_TRUE(seat.LibraryActive());
    EXPECT_EQ(Names(*seat.BuiltCards()), (std::vector<std::string>{"Crane", "Well"}));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"built Indigo Plant", "covered Indigo Plant", "built Tower",
                                        "covered Tower", "built Library", "built Crane",
                                        "covered Library", "built Well"}));
}

TEST(PlayerState, BuryingRemovesOneCardAndCountsIt) {
    qlPlayer seat;
    seat.SetCardsInHand(MakeDeck({"Well", "Hero", "Smithy"}));
    EventLog log(seat);
    seat.BuryCard(seat.CardsInHand()->Item(2));
    EXPECT_EQ(Names(*seat.CardsInHand()), (std::vector<std::string>{"Well", "Smithy"}));
    EXPECT_EQ(seat.ChapelPoints(), 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"hand 2"}));
}

TEST(PlayerState, TheSeatFollowsOnlyItsCurrentHand) {
    qlPlayer seat;
    const DeckRef oldHand = seat.CardsInHand();
    EventLog log(seat);
    const DeckRef newHand = MakeDeck({"Well"});
    seat.SetCardsInHand(newHand);
    oldHand->AddCard(MakeCard("Hero"));
    newHand->AddCard(MakeCard("Smithy"));
    EXPECT_EQ(seat.CardsInHand(), newHand);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"hand 1", "hand 2"}));
    seat.SetCardsInHand(nullptr);  // nothing stands for an empty hand
    EXPECT_EQ(seat.CardsInHand()->Count(), 0);
}

TEST(PlayerState, NamesMatchExactly) {
    qlPlayer seat;
    EXPECT_FALSE(seat.HasBuiltCard("Well"));
    EXPECT_FALSE(seat.HoldsCard("Well"));
    seat.BuildCard(MakeCard("Well"));
    seat.SetCardsInHand(MakeDeck({"Tower "}));
    EXPECT_TRUE(seat.HasBuiltCard("Well"));
    EXPECT_FALSE(seat.HasBuiltCard("well"));
    EXPECT_FALSE(seat.HoldsCard("Tower"));
    EXPECT_TRUE(seat.HoldsCard("Tower "));

    const DeckRef copy = seat.CopyOfBuiltCards();
    EXPECT_NE(copy, seat.BuiltCards());
    copy->Remove(1);
    EXPECT_EQ(seat.BuiltCards()->Count(), 1);
}
