#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/Types.h"
#include "game/Decision.h"
#include "game/ExpertCandidates.h"
#include "game/LookAhead.h"

class ExpertTree;
class qlGame;
class Table;

// The expert computer player: every decision of its seat that offers more than one choice
// (roles, builds, payments, keeps, goods, the chapel, the crane, the black market, the gold
// mine, the hand limit) is thought about by a search over what the seat knows (see ExpertTree),
// planning its own later decisions as well as this one. The choices of the decision itself are
// compared by successive halving on shared deals, as the strong player compares its options:
// every choice left is played on the same copies, the worse half by their summed worth dropped,
// and the others played further until one is left; so two choices are weighed on equal luck,
// which at four seats is most of a copy's result. The budget of iterations is shared by a fixed
// number of trees, each given a fixed share of the deals and summed in their order, so that a
// seeded game repeats however many threads think; its own generator keeps its thinking apart
// from the game's random sequence. An iteration's work is the seat's decisions played in its
// copy, many early in the game and few late: each tree stops a round once its share of the work
// allowed the round is done, even short of its deals, so that no decision takes much longer
// than the usual one. The work is counted, not timed, so that a seeded game still repeats.
class ExpertPlayer : public LookAhead {
  public:
    // Iterations per decision: against three strong seats on two cores, a four-player decision's
    // median is 0.45 s and the longest 0.95 s; at a quarter of it the expert won fewer games
    // than an equal player would.
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
    // The deals of one round of the halving: `count` of them from number `first` on, their
    // seeds mixed from `seed`.
    struct Deals {
        std::uint64_t seed;
        int first;
        int count;
    };
    // Plays every candidate left (`alive`) on each of the round's `deals`, shared among the
    // trees, each tree stopping once its share of the round's work is done; the iterations
    // played.
    long PlayRound(const qlGame& game, Table& table, std::vector<ExpertTree>& trees,
                   const std::vector<ExpertCandidate>& candidates, const std::vector<int>& alive,
                   const Deals& deals, std::atomic<bool>& stop);

    long mLastIterations = 0;
};
