#pragma once

#include <cstdint>

#include "core/Types.h"
#include "game/Decision.h"
#include "game/LookAhead.h"

class qlGame;
class Table;

// The expert computer player: every decision of its seat that offers more than one choice
// (roles, builds, payments, keeps, goods, the chapel, the crane, the black market, the gold
// mine, the hand limit) is thought about by a search over what the seat knows (see ExpertTree),
// planning its own later decisions as well as this one. The budget of iterations is shared by a
// fixed number of trees, each grown from seeds fixed before the thinking starts and summed in
// their order, so that a seeded game repeats however many threads think; its own generator
// keeps its thinking apart from the game's random sequence. An iteration's work is the seat's
// decisions played in its copy, many early in the game and few late: each tree stops once its
// share of the work allowed a decision is done, even short of its iterations, so that no
// decision takes much longer than the usual one. The work is counted, not timed, so that a
// seeded game still repeats.
class ExpertPlayer : public LookAhead {
  public:
    // Iterations per decision: against three strong seats on two cores, a four-player decision's
    // median is 0.4 s and the longest 1.2 s; at a quarter of it the expert won fewer games than
    // an equal player would.
    static constexpr int kDefaultBudget = 8000;
    // Trees per decision, whatever the number of threads.
    static constexpr int kTrees = 4;
    // The seat's decisions played in copies allowed per iteration of the budget, on average
    // over a decision. An iteration plays 30 to 35 in the middle of a game and up to 70 in its
    // first round.
    static constexpr long kWorkPerIteration = 48;

    // For seat `seat`, seeded with `seed`; `budget` iterations per decision, on `threads`
    // worker threads (0: one per core) that live as long as the player.
    ExpertPlayer(Integer seat, std::uint64_t seed, int budget = kDefaultBudget, int threads = 0);

    // The seat's answer to the decision `game` waits for, one of the seat's. Thinking stops
    // once `table` asks to leave. Rethrows whatever a copy threw. Its verdict names the
    // candidate taken (see ExpertCandidates), the iterations that took it as their first
    // choice, the copies they won, and the seat's points over the best other seat over them.
    Choice Decide(const qlGame& game, Table& table);

    // The iterations the last decision thought about played, in all its trees.
    long LastIterations() const { return mLastIterations; }

  private:
    long mLastIterations = 0;
};
