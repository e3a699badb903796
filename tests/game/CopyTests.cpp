// Copies of a game: taken at any role choice or decision, played on at their own tables,
// without touching the original.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptedTable.h"
#include "game/HeadlessTable.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

using testing_support::PlayCopy;
using testing_support::PlayedLogs;

namespace {

// Plays a copy of the game on wherever it is asked to, noting where the original's game log
// stood.
struct Copier {
    const std::ostringstream& gameLog;
    std::vector<std::size_t> copiedAt;
    std::vector<PlayedLogs> copies;

    void Copy(const qlGame& game) {
        copiedAt.push_back(gameLog.str().size());
        copies.push_back(PlayCopy(game));
    }
};

// A seat deciding by the standard rules that first has a copy of the game played on at each of
// its decisions, and counts them by kind.
class CopyingDecider : public StandardDecider {
  public:
    CopyingDecider(Copier& copier, std::array<int, 12>& kinds) : mCopier(copier), mKinds(kinds) {}

    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override {
        mCopier.Copy(game);
        ++mKinds[static_cast<std::size_t>(decision.kind)];
        return StandardDecider::Answer(game, decision, random);
    }

  private:
    Copier& mCopier;
    std::array<int, 12>& mKinds;
};

// Copies taken at every decision of every seat (and in the middle of the rules, as a role choice
// begins) play on as the original, which none of them changes: whatever the rules are waiting
// for, where the game stands is all in the copy.
TEST(GameCopy, ACopyAtAnyDecisionPlaysOnAsTheOriginalAndChangesNothingInIt) {
    std::array<int, 12> kinds{};
    for (const Integer players : {2, 3, 4}) {
        for (const std::uint64_t seed : {43u, 1207u}) {
            const PlayedLogs untouched = testing_support::PlaySeeded(players, seed);
            HeadlessTable table;
            qlGame game(table, players, 0, Random::SeededSource(seed));
            std::ostringstream log;
            std::ostringstream gameLog;
            game.SetLogFiles(&log, &gameLog);
            Copier roleChoices{gameLog, {}, {}};
            Copier decisions{gameLog, {}, {}};
            Subscription copying =
                game.BeforeRoleChoice.Subscribe([&](const qlGame& g) { roleChoices.Copy(g); });
            testing_support::SetEveryDecider(
                game, [&](Integer) { return std::make_unique<CopyingDecider>(decisions, kinds); });
            ASSERT_EQ(game.PlayGame(), qlGame::Outcome::Finished);

            EXPECT_EQ(gameLog.str(), untouched.gameLog);
            EXPECT_EQ(log.str(), untouched.log);
            EXPECT_EQ(static_cast<Long>(roleChoices.copies.size()), game.RolesChosen());
            for (const Copier* copier : {&roleChoices, &decisions}) {
                for (std::size_t k = 0; k < copier->copies.size(); ++k) {
                    const PlayedLogs& copy = copier->copies[k];
                    ASSERT_EQ(copy.outcome, qlGame::Outcome::Finished);
                    ASSERT_EQ(copy.gameLog, untouched.gameLog.substr(copier->copiedAt[k]))
                        << players << " players, seed " << seed << ", copy " << k;
                    ASSERT_EQ(copy.log, untouched.log);
                }
            }
        }
    }
    // Every kind of decision the standard rules meet in these games was copied at.
    testing_support::ExpectEachCounted(kinds, testing_support::kEveryDecisionKind);
}

// A copy has no human, so that it never waits for the table; the original's human is the seat
// whose decider is the human's.
TEST(GameCopy, HasNoHumanWhileTheOriginalsHumanIsTheSeatWithTheHumansDecider) {
    HeadlessTable table;
    qlGame game(table, 3, 2, Random::SeededSource(9));
    const qlGame copy(game, table);
    for (Integer n = 0; n <= 4; ++n) {
        EXPECT_EQ(game.IsHuman(n), n == 2) << n;
        EXPECT_FALSE(copy.IsHuman(n)) << n;
    }
    game.SetDecider(2, std::make_unique<StandardDecider>());
    EXPECT_FALSE(game.IsHuman(2));
}

}  // namespace
