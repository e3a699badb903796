// The hint: the expert player's choice for a seat at any of its decisions, from that seat's view
// only, a choice the rules take, asked without changing the game.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedTable.h"
#include "game/HeadlessTable.h"
#include "game/Hint.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

namespace {

// Seat 2 decides by the standard rules, but first asks for a hint at every other decision of
// its own: once in the game itself and once in a copy whose hidden cards are dealt afresh,
// which must give the same hint, one that the rules take in a copy of the game.
class HintAsker : public StandardDecider {
  public:
    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override {
        if (++mAsked % 2 == 0) {
            Compare(game, decision);
        }
        return StandardDecider::Answer(game, decision, random);
    }

    std::array<int, 12> kinds{};  // the hints with more than one choice weighed, by kind

  private:
    void Compare(const qlGame& game, const Decision& decision) {
        HeadlessTable table;
        qlGame redealt(game, table);
        redealt.RedealHidden(2, static_cast<std::uint64_t>(mAsked) * 977);
        const Hint here = AskForHint(game, 2, table, 12);
        const Hint there = AskForHint(redealt, 2, table, 12);
        EXPECT_EQ(here.kind, decision.kind);
        EXPECT_EQ(here.Text(), there.Text()) << "decision " << mAsked;
        EXPECT_EQ(here.choice.role, there.choice.role);
        EXPECT_EQ(testing_support::Ids(here.choice.cards),
                  testing_support::Ids(there.choice.cards));
        qlGame taken(game, table);
        EXPECT_NO_THROW(taken.Apply(here.choice)) << here.Text();
        if (here.games > 0) {
            ++kinds[static_cast<std::size_t>(decision.kind)];
        }
    }

    int mAsked = 0;
};

TEST(Hint, EveryDecisionsHintIsLegalAlikeWhereOnlyHiddenCardsDifferAndLeavesTheGameAsItWas) {
    HeadlessTable table;
    qlGame game(table, 3, 0, Random::SeededSource(44));
    auto asker = std::make_unique<HintAsker>();
    const HintAsker& hints = *asker;
    game.SetDecider(2, std::move(asker));
    testing_support::ExpectLogsOfSeeded(testing_support::PlayLogged(game), 3, 44);
    testing_support::ExpectEachCounted(
        hints.kinds, {DecisionKind::Role, DecisionKind::Build, DecisionKind::Payment,
                      DecisionKind::CouncilKeep});

    using testing_support::MakeDeck;
    EXPECT_EQ((Hint{DecisionKind::Role, {.role = 3}, 41, 96}.Text()),
              "Trader: wins 43 % of 96 sampled games");
    EXPECT_EQ((Hint{DecisionKind::Build, {}, 0, 12}.Text()),
              "build nothing: wins 0 % of 12 sampled games");
    EXPECT_EQ((Hint{DecisionKind::Build, {.cards = MakeDeck({"Well"})}, 0, 0}.Text()),
              "Well, the only choice");
    EXPECT_EQ(
        (Hint{DecisionKind::CouncilKeep, {.cards = MakeDeck({"Smithy", "Well"})}, 7, 20}.Text()),
        "keep Smithy and Well: wins 35 % of 20 sampled games");
    EXPECT_EQ((Hint{DecisionKind::Payment, {.cards = MakeDeck({"Chapel", "Smithy", "Well"})}, 1, 3}
                   .Text()),
              "pay with Chapel, Smithy and Well: wins 33 % of 3 sampled games");
    EXPECT_EQ((Hint{DecisionKind::Trade, {}, 2, 8}.Text()),
              "sell nothing: wins 25 % of 8 sampled games");
}

}  // namespace
