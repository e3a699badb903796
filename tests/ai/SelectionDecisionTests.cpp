// The choices outside the builder phase. Values at BuildingsLeft 8 for a city of one plant
// (points weigh 3/8, F = 6.4): Prefecture 4.15, Market Hall 3.15, Smithy 1.375, Gold Mine 0.975,
// Well -0.025, Victory Column -0.5, Hero -1.125, Tower -1.45, Chapel -2.25.

#include <gtest/gtest.h>

#include "support/TableHelpers.h"

using namespace testing_support;

namespace {

using Strings = std::vector<std::string>;

}  // namespace

TEST(AIPickChapelCard, BuriesTheLowestUnlessItIsTheLastThingToBuild) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
    // Without a production building a plant is worth 3/8 - 1 = -0.625; a smithy 2.375.
    auto seat = MakeSeat({.city = {"Well"}, .hand = {"Smithy", "Well", "Well"}});
    EXPECT_TRUE(seat->AIPickChapelCard()->Empty());  // nothing buildable with 2 cards fewer
    // With the privilege only one card fewer counts, and violet cards cost one less: the poor
    // house stays buildable, and the second well (worth -1) goes.
    seat->SetCardsInHand(MakeDeck({"Poor House", "Well", "Well"}));
    seat->SetGetsRoleBenefit(true);
    EXPECT_EQ(Names(*seat->AIPickChapelCard()), Strings{"Well"});
    seat->SetGetsRoleBenefit(false);
    seat->SetCardsInHand(
        MakeDeck({"Indigo Plant", "Smithy", "Market Hall", "Prefecture", "Victory Column"}));
    EXPECT_EQ(Names(*seat->AIPickChapelCard()), Strings{"Indigo Plant"});
    seat->SetCardsInHand(MakeDeck({"Indigo Plant", "Market Hall", "Victory Column", "Prefecture"}));
    EXPECT_EQ(Names(*seat->AIPickChapelCard()), Strings{"Victory Column"});
    EXPECT_EQ(seat->CardsInHand()->Count(), 4);
    // With the privilege and an active Library a lone plant is buildable one card short, but
    // there is no other card to bury in its place.
    const auto lone = MakeSeat({.city = {"Smithy", "Library"},
                                .hand = {"Indigo Plant"},
                                .roleBenefit = true,
                                .libraryActive = true});
    EXPECT_TRUE(lone->AIPickChapelCard()->Empty());
    EXPECT_EQ(pauses.count, 0);
}

TEST(AIDiscardDownTo, KeepsTheBestDistinctCardsThenTheBestDuplicates) {
    PauseCounter pauses;
    const Strings nine = {"Chapel",    "Tower",  "Hero",        "Victory Column", "Well",
                          "Gold Mine", "Smithy", "Market Hall", "Prefecture"};
    {
        TableGlobals g(4, 8);
        auto seat = MakeSeat({.city = {"Indigo Plant"}, .hand = nine});
        int changes = 0;
        const auto sub = seat->PlayersCardsChanged.Subscribe([&](const DeckRef&) { ++changes; });
        const DeckRef oldHand = seat->CardsInHand();
        const DeckRef given = seat->AIDiscardDownTo(7);
        EXPECT_EQ(Names(*seat->CardsInHand()),
                  (Strings{"Prefecture", "Market Hall", "Smithy", "Gold Mine", "Well",
                           "Victory Column", "Hero"}));
        EXPECT_EQ(Names(*given), (Strings{"Chapel", "Tower"}));
        EXPECT_EQ(given, oldHand);  // the former hand collection holds what is given up
        EXPECT_GT(changes, 0);
    }
    {
        // Early on, per card of cost: Prefecture 5.2/3, Gold Mine and Smithy 1.1, Market Hall
        // 4.2/4 (by value alone Market Hall would come second).
        TableGlobals g(4, 10);
        auto seat = MakeSeat({.city = {"Indigo Plant"}, .hand = nine});
        seat->AIDiscardDownTo(3);
        EXPECT_EQ(Names(*seat->CardsInHand()), (Strings{"Prefecture", "Gold Mine", "Smithy"}));
    }
    TableGlobals g(4, 8);
    auto seat = MakeSeat({.city = {"Indigo Plant"},
                          .hand = {"Prefecture", "Chapel", "Chapel", "Tower", "Prefecture",
                                   "Smithy", "Smithy", "Hero", "Tower", "Chapel"}});
    const auto h = Ids(*seat->CardsInHand());
    const DeckRef given = seat->AIDiscardDownTo(7);
    using V = std::vector<const qlCard*>;
    EXPECT_EQ(Ids(*seat->CardsInHand()), (V{h[0], h[5], h[7], h[3], h[1], h[4], h[6]}));
    EXPECT_EQ(Ids(*given), (V{h[8], h[2], h[9]}));
    EXPECT_EQ(pauses.count, 0);
}

TEST(AIPickCouncillorCards, KeepsTheBestOrFirstSomethingBuildable) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
    auto draw = MakeDeck({"Tower", "Market Hall", "Hero"});
    const auto builder = MakeSeat({.city = {"Indigo Plant"}, .hand = {"Smithy", "Well"}});
    EXPECT_EQ(Names(*builder->AIPickCouncillorCards(draw)), Strings{"Market Hall"});
    EXPECT_EQ(Names(*draw), (Strings{"Hero", "Tower"}));

    // Nothing in hand is affordable: the smithy is kept first, then the best card.
    draw = MakeDeck({"Tower", "Market Hall", "Smithy", "Hero"});
    const auto stuck = MakeSeat({.city = {"Indigo Plant", "Prefecture"}, .hand = {"Hero", "Hero"}});
    EXPECT_EQ(Names(*stuck->AIPickCouncillorCards(draw)), (Strings{"Smithy", "Market Hall"}));
    EXPECT_EQ(Names(*draw), (Strings{"Hero", "Tower"}));

    // With an Archive the hand is chosen from too: hand size plus two cards are kept.
    draw = MakeDeck({"Tower", "Market Hall", "Hero"});
    const auto archive =
        MakeSeat({.city = {"Indigo Plant", "Prefecture", "Archive"}, .hand = {"Smithy", "Well"}});
    EXPECT_EQ(Names(*archive->AIPickCouncillorCards(draw)),
              (Strings{"Market Hall", "Smithy", "Well", "Hero"}));
    EXPECT_EQ(Names(*draw), Strings{"Tower"});
    EXPECT_EQ(archive->CardsInHand()->Count(), 2);
    EXPECT_EQ(pauses.count, 3);
}

TEST(AIPickGoldMineCard, TakesOneCardAndRemovesNone) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
    auto cards = MakeDeck({"Tower", "Market Hall", "Hero", "Chapel"});
    const auto builder = MakeSeat({.city = {"Indigo Plant"}, .hand = {"Smithy", "Well"}});
    EXPECT_EQ(Names(*builder->AIPickGoldMineCard(cards)), Strings{"Market Hall"});
    EXPECT_EQ(Names(*cards), (Strings{"Market Hall", "Hero", "Tower", "Chapel"}));

    const auto stuck = MakeSeat({.city = {"Indigo Plant"}, .hand = {"Hero", "Hero"}});
    cards = MakeDeck({"Tower", "Market Hall", "Smithy", "Chapel"});
    EXPECT_EQ(Names(*stuck->AIPickGoldMineCard(cards)), Strings{"Smithy"});
    EXPECT_EQ(Names(*cards), (Strings{"Tower", "Market Hall", "Smithy", "Chapel"}));
    cards = MakeDeck({"Tower", "Market Hall"});
    EXPECT_EQ(Names(*stuck->AIPickGoldMineCard(cards)), Strings{"Market Hall"});
    EXPECT_EQ(pauses.count, 3);
}

TEST(AIChooseGoods, BestGoodsFirstUpToTheLimit) {
    PauseCounter pauses;
    auto seat = MakeSeat({.city = {"Indigo Plant", "Silver Smelter", "Well", "Sugar Mill"}});
    EXPECT_EQ(Names(*seat->AIChooseProductionGoods(2)), (Strings{"Silver Smelter", "Sugar Mill"}));
    EXPECT_TRUE(seat->AIChooseTradingGoods(2)->Empty());
    PutGoods(*seat, {"Indigo Plant", "Silver Smelter", "Sugar Mill"});
    EXPECT_TRUE(seat->AIChooseProductionGoods(2)->Empty());
    const auto trader = MakeSeat({.city = {"Indigo Plant", "Coffee Roaster"}});
    PutGoods(*trader, {"Indigo Plant", "Coffee Roaster"});
    EXPECT_EQ(Names(*trader->AIChooseTradingGoods(1)), Strings{"Coffee Roaster"});
    EXPECT_EQ(Names(*trader->AIChooseTradingGoods(3)), (Strings{"Coffee Roaster", "Indigo Plant"}));
    EXPECT_EQ(pauses.count, 5);
}
