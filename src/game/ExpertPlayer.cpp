#include "game/ExpertPlayer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <numeric>

#include "game/ExpertCandidates.h"
#include "game/ExpertTree.h"
#include "game/PlayOut.h"
#include "game/WorkerPool.h"
#include "game/qlGame.h"

ExpertPlayer::ExpertPlayer(Integer seat, std::uint64_t seed, int budget, int threads)
    : LookAhead(seat, seed, budget, threads) {}

namespace {

// What the iterations that took one candidate first came to, over all the trees.
struct Totals {
    LookAheadVerdict verdict;
    double reward = 0;
};

// The candidates' totals, summed in the trees' order.
std::vector<Totals> SumTrees(const std::vector<ExpertTree>& trees,
                             const std::vector<ExpertCandidate>& candidates) {
    std::vector<Totals> totals(candidates.size());
    for (const ExpertTree& tree : trees) {
        for (const ExpertTree::Edge& edge : tree.RootEdges()) {
            const auto k = static_cast<std::size_t>(
                std::find_if(candidates.begin(), candidates.end(),
                             [&edge](const ExpertCandidate& c) { return c.label == edge.label; }) -
                candidates.begin());
            if (k < candidates.size()) {
                totals[k].verdict.games += edge.visits;
                totals[k].verdict.wins += edge.wins;
                totals[k].verdict.margin += edge.margin;
                totals[k].reward += edge.reward;
            }
        }
    }
    return totals;
}

}  // namespace

Choice ExpertPlayer::Decide(const qlGame& game, Table& table) {
    std::vector<ExpertCandidate> candidates = ExpertCandidates(game, game.Pending());
    mLastVerdict = {};
    mLastIterations = 0;
    if (candidates.size() <= 1) {
        return candidates.empty() ? Choice{} : candidates.front().choice;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t decisionSeed = mGenerator.NextBits();
    std::vector<ExpertTree> trees;
    trees.reserve(kTrees);
    for (int t = 0; t < kTrees; ++t) {
        trees.emplace_back(mSeat);
    }
    std::vector<Totals> totals(candidates.size());
    std::atomic<bool> stop{false};
    const auto play = [&](const std::vector<int>& alive, int first, int each) {
        mLastIterations +=
            PlayRound(game, table, trees, candidates, alive, {decisionSeed, first, each}, stop);
        totals = SumTrees(trees, candidates);
    };
    const auto better = [&totals](int a, int b) {
        return totals[static_cast<std::size_t>(a)].reward >
               totals[static_cast<std::size_t>(b)].reward;
    };
    const auto best =
        static_cast<std::size_t>(SuccessiveHalving(static_cast<int>(candidates.size()), mBudget,
                                                   play, better, [&stop] { return stop.load(); }));
    mLastVerdict = totals[best].verdict;
    mLastVerdict.option = static_cast<int>(best);
    CountDecision(start);
    return std::move(candidates[best].choice);
}

long ExpertPlayer::PlayRound(const qlGame& game, Table& table, std::vector<ExpertTree>& trees,
                             const std::vector<ExpertCandidate>& candidates,
                             const std::vector<int>& alive, const Deals& deals,
                             std::atomic<bool>& stop) {
    std::vector<long> played(trees.size(), 0);
    mPool->Run(
        static_cast<int>(trees.size()),
        [&](int t) {
            // The tree's share of the deals, each played with every candidate left.
            const int share = deals.count / kTrees + (t < deals.count % kTrees ? 1 : 0);
            const long work = kWorkPerIteration * share * static_cast<long>(alive.size());
            ExpertTree& tree = trees[static_cast<std::size_t>(t)];
            long done = 0;
            for (int deal = t; deal < deals.count && done < work && !stop; deal += kTrees) {
                const std::uint64_t seed = SampleSeed(deals.seed, deals.first + deal);
                for (const int k : alive) {
                    done += tree.Iterate(game, seed, candidates[static_cast<std::size_t>(k)].label);
                    ++played[static_cast<std::size_t>(t)];
                }
            }
        },
        [&] {
            stop = stop || table.ExitRequested();
            return !stop;
        });
    return std::accumulate(played.begin(), played.end(), 0L);
}
