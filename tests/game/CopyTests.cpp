// Copies of a game: taken at any role choice, keep or build, played on at their own tables, on
// any thread, without touching the original.

#include <gtest/gtest.h>

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
// its keeps and builds.
class CopyingDecider : public StandardDecider {
  public:
    explicit CopyingDecider(Copier& copier) : mCopier(copier) {}

    DeckRef CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn, Integer keep,
                        bool archive) override {
        mCopier.Copy(game);
        return StandardDecider::CouncilKeep(game, seat, drawn, keep, archive);
    }
    DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) override {
        mCopier.Copy(game);
        return StandardDecider::Building(game, seat, savings);
    }

  private:
    Copier& mCopier;
};

// Copies taken at every role choice, and in the middle of a seat's turn while it decides what to
// keep of the councillor's draw or what to build, finish that turn and play on as the original,
// which none of them changes.
TEST(GameCopy, ACopyAtAnyDecisionPlaysOnAsTheOriginalAndChangesNothingInIt) {
    for (const Integer players : {2, 4}) {
        const Played untouched = PlaySeeded(players, 43);
        HeadlessTable table;
        qlGame game(table, players, 0, Random::SeededSource(43));
        std::ostringstream log;
        std::ostringstream gameLog;
        game.SetLogFiles(&log, &gameLog);
        Copier roleChoices{gameLog, {}, {}};
        Copier turns{gameLog, {}, {}};
        Subscription copying =
            game.BeforeRoleChoice.Subscribe([&](const qlGame& g) { roleChoices.Copy(g); });
        for (Integer seat = 1; seat <= players; ++seat) {
            game.SetDecider(seat, std::make_unique<CopyingDecider>(turns));
        }
        game.PlayGame();

        EXPECT_EQ(gameLog.str(), untouched.gameLog);
        EXPECT_EQ(log.str(), untouched.results);
        EXPECT_EQ(static_cast<Long>(roleChoices.copies.size()), game.RolesChosen());
        EXPECT_GT(turns.copies.size(), 30u);
        for (const Copier* copier : {&roleChoices, &turns}) {
            for (std::size_t k = 0; k < copier->copies.size(); ++k) {
                EXPECT_EQ(copier->copies[k].gameLog, untouched.gameLog.substr(copier->copiedAt[k]))
                    << players << " players, copy " << k;
                EXPECT_EQ(copier->copies[k].results, untouched.results);
            }
        }
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
