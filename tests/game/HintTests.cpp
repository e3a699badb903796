// The hint: the strong player's choice for a seat, from that seat's view only, asked without
// changing the game.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ScriptedTable.h"
#include "game/HeadlessTable.h"
#include "game/Hint.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

namespace {

// Seat 2 decides by the standard rules, but first asks for a hint at some of its role and
// build choices: once in the game itself and once in a copy whose hidden cards are dealt
// afresh, which must give the same hint.
class HintAsker : public StandardDecider {
  public:
    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override {
        if (decision.kind == DecisionKind::Role || decision.kind == DecisionKind::Build) {
            Compare(game);
        }
        return StandardDecider::Answer(game, decision, random);
    }

    std::vector<Hint> hints;

  private:
    void Compare(const qlGame& game) {
        if (++mAsked % 5 != 2) {
            return;
        }
        HeadlessTable table;
        qlGame redealt(game, table);
        redealt.RedealHidden(2, static_cast<std::uint64_t>(mAsked) * 977);
        const Hint here = AskStrongPlayer(game, 2, table, 24);
        const Hint there = AskStrongPlayer(redealt, 2, table, 24);
        EXPECT_EQ(here.Text(), there.Text()) << "decision " << mAsked;
        EXPECT_EQ(here.role, there.role);
        EXPECT_EQ(here.building, there.building);
        hints.push_back(here);
    }

    int mAsked = 0;
};

TEST(Hint, AlikeWhereOnlyHiddenCardsDifferAndAskingLeavesTheGameAsItWas) {
    HeadlessTable table;
    qlGame game(table, 3, 0, Random::SeededSource(44));
    auto asker = std::make_unique<HintAsker>();
    const HintAsker& hints = *asker;
    game.SetDecider(2, std::move(asker));
    const testing_support::PlayedLogs played = testing_support::PlayLogged(game);
    ASSERT_EQ(played.outcome, qlGame::Outcome::Finished);
    int roles = 0;
    int builds = 0;
    for (const Hint& hint : hints.hints) {
        (hint.role >= 0 ? roles : builds) += 1;
    }
    EXPECT_GE(roles, 2);
    EXPECT_GE(builds, 1);
    const testing_support::PlayedLogs plain = testing_support::PlaySeeded(3, 44);
    EXPECT_EQ(played.gameLog, plain.gameLog);
    EXPECT_EQ(played.log, plain.log);

    EXPECT_EQ((Hint{3, "", 41, 96}.Text()), "Trader: wins 43 % of 96 sampled games");
    EXPECT_EQ((Hint{-1, "", 0, 12}.Text()), "build nothing: wins 0 % of 12 sampled games");
    EXPECT_EQ((Hint{-1, "Well", 0, 0}.Text()), "Well, the only choice");
}

}  // namespace
