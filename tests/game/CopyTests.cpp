// Copies of a game: taken at any role choice, keep or build, played on at their own tables, on
// any thread, without touching the original.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/HeadlessTable.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

namespace {

struct Played {
    std::string gameLog;
    std::string results;
};

Played PlaySeeded(Integer players, std::uint64_t seed) {
    HeadlessTable table;
    qlGame game(table, players, 0, Random::SeededSource(seed));
    std::ostringstream log;
    std::ostringstream gameLog;
    game.SetLogFiles(&log, &gameLog);
    game.PlayGame();
    return {gameLog.str(), log.str()};
}

Played PlayOn(const qlGame& original) {
    HeadlessTable table;
    qlGame copy(original, table);
    std::ostringstream log;
    std::ostringstream gameLog;
    copy.SetLogFiles(&log, &gameLog);
    EXPECT_EQ(copy.PlayOn(), qlGame::Outcome::Finished);
    return {gameLog.str(), log.str()};
}

// Plays a copy of the game on wherever it is asked to, noting where the original's game log
// stood.
struct Copier {
    const std::ostringstream& gameLog;
    std::vector<std::size_t> copiedAt;
    std::vector<Played> copies;

    void Copy(const qlGame& game) {
        copiedAt.push_back(gameLog.str().size());
        copies.push_back(PlayOn(game));
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
            const Played untouched = PlaySeeded(players, seed);
            HeadlessTable table;
            qlGame game(table, players, 0, Random::SeededSource(seed));
            std::ostringstream log;
            std::ostringstream gameLog;
            game.SetLogFiles(&log, &gameLog);
            Copier roleChoices{gameLog, {}, {}};
            Copier decisions{gameLog, {}, {}};
            Subscription copying =
                game.BeforeRoleChoice.Subscribe([&](const qlGame& g) { roleChoices.Copy(g); });
            for (Integer seat = 1; seat <= players; ++seat) {
                game.SetDecider(seat, std::make_unique<CopyingDecider>(decisions, kinds));
            }
            game.PlayGame();

            EXPECT_EQ(gameLog.str(), untouched.gameLog);
            EXPECT_EQ(log.str(), untouched.results);
            EXPECT_EQ(static_cast<Long>(roleChoices.copies.size()), game.RolesChosen());
            for (const Copier* copier : {&roleChoices, &decisions}) {
                for (std::size_t k = 0; k < copier->copies.size(); ++k) {
                    ASSERT_EQ(copier->copies[k].gameLog,
                              untouched.gameLog.substr(copier->copiedAt[k]))
                        << players << " players, seed " << seed << ", copy " << k;
                    ASSERT_EQ(copier->copies[k].results, untouched.results);
                }
            }
        }
    }
    // Every kind of decision the standard rules meet in these games was copied at.
    for (const DecisionKind kind :
         {DecisionKind::Role, DecisionKind::Chapel, DecisionKind::HandLimit,
          DecisionKind::CraneCover, DecisionKind::BlackMarket, DecisionKind::Build,
          DecisionKind::Payment, DecisionKind::CouncilKeep, DecisionKind::GoldMine,
          DecisionKind::Produce, DecisionKind::Trade}) {
        EXPECT_GT(kinds[static_cast<std::size_t>(kind)], 0) << static_cast<int>(kind);
    }
}

TEST(GameCopy, CopiesPlayOnAtOnceOnWorkerThreads) {
    HeadlessTable table;
    qlGame game(table, 3, 0, Random::SeededSource(5));
    std::vector<Played> results(4);
    Subscription copying = game.BeforeRoleChoice.Subscribe([&](const qlGame& g) {
        if (g.Rounds() != 4 || g.RoleChooser() != g.Governor()) {
            return;
        }
        std::vector<std::thread> workers;
        for (Played& result : results) {
            workers.emplace_back([&g, &result] { result = PlayOn(g); });
        }
        for (std::thread& worker : workers) {
            worker.join();
        }
    });
    game.PlayGame();
    ASSERT_FALSE(results[0].gameLog.empty());
    for (const Played& result : results) {
        EXPECT_EQ(result.gameLog, results[0].gameLog);
        EXPECT_EQ(result.results, results[0].results);
    }
}

}  // namespace

TEST(GameCopy, HasNoHumanWhileTheOriginalsHumanIsTheSeatWithTheHumansDecider) {
    HeadlessTable table;
    qlGame game(table, 3, 2, Random::SeededSource(9));
    EXPECT_FALSE(game.IsHuman(0));
    EXPECT_FALSE(game.IsHuman(1));
    EXPECT_TRUE(game.IsHuman(2));
    EXPECT_FALSE(game.IsHuman(3));
    const qlGame copy(game, table);
    for (Integer n = 1; n <= 4; ++n) {
        EXPECT_FALSE(copy.IsHuman(n)) << n;
    }
    EXPECT_TRUE(game.IsHuman(2));
    game.SetDecider(2, std::make_unique<StandardDecider>());
    EXPECT_FALSE(game.IsHuman(2));
}
