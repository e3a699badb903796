// The choices outside the builder phase. Values at BuildingsLeft 8 for a city of one plant
// (points weigh 3/8, F = 6.4): Prefecture 4.15, Market Hall 3.15, Smithy 1.375, Gold Mine 0.975,
// Well -0.025, Victory Column -0.5, Hero -1.125, Tower -1.45, Chapel -2.25.

#include <gtest/gtest.h>

#include "support/TableHelpers.h"

using namespace testing_support;

TEST(AIPickChapelCard, BuriesTheLowestUnlessItIsTheLastThingToBuild) {
    TableGlobals g(4, 8);
    PauseCounter pauses;
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
    EXPECT_EQ(pauses.count, 0);
}

TEST(AIDiscardDownTo, KeepsTheBestDistinctCardsThenTheBestDuplicates) {
    PauseCounter pauses;
    const char* nine =
        "Chapel,Tower,Hero,Victory Column,Well,Gold Mine,Smithy,Market Hall,Prefecture";
    TableGlobals g(4, 8);
    auto seat = Seat("Indigo Plant", nine);
    int changes = 0;
    const auto sub = seat->PlayersCardsChanged.Subscribe([&](const DeckRef&) { ++changes; });
    const DeckRef oldHand = seat->CardsInHand();
    const DeckRef given = seat->AIDiscardDownTo(7);
    EXPECT_EQ(Names(*seat->CardsInHand()),
              Split("Prefecture,Market Hall,Smithy,Gold Mine,Well,Victory Column,Hero"));
    EXPECT_EQ(Names(*given), Split("Chapel,Tower"));
    EXPECT_EQ(given, oldHand);  // the former hand collection holds what is given up
    EXPECT_GT(changes, 0);
    // Early, per card of cost: Prefecture 5.2/3, Gold Mine and Smithy 1.1, Market Hall 4.2/4.
    modGlobal::SetBuildingsLeft(10);
    seat = Seat("Indigo Plant", nine);
    seat->AIDiscardDownTo(3);
    EXPECT_EQ(Names(*seat->CardsInHand()), Split("Prefecture,Gold Mine,Smithy"));
    modGlobal::SetBuildingsLeft(8);
    seat = Seat("Indigo Plant",
                "Prefecture,Chapel,Chapel,Tower,Prefecture,Smithy,Smithy,Hero,Tower,Chapel");
    const auto h = Ids(*seat->CardsInHand());
    const DeckRef dropped = seat->AIDiscardDownTo(7);
    EXPECT_EQ(Ids(*seat->CardsInHand()), (std::vector{h[0], h[5], h[7], h[3], h[1], h[4], h[6]}));
    EXPECT_EQ(Ids(*dropped), (std::vector{h[8], h[2], h[9]}));
    EXPECT_EQ(pauses.count, 0);
}
