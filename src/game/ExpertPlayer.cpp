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
    std::vector<long> played(kTrees, 0);
    std::atomic<bool> stop{false};
    mPool->Run(
        kTrees,
        [&](int t) {
            const std::uint64_t treeSeed = SampleSeed(decisionSeed, t);
            const int iterations = mBudget / kTrees + (t < mBudget % kTrees ? 1 : 0);
            const long work = kWorkPerIteration * iterations;
            int i = 0;
            for (long done = 0; i < iterations && done < work && !stop; ++i) {
                done += trees[static_cast<std::size_t>(t)].Iterate(game, SampleSeed(treeSeed, i));
            }
            played[static_cast<std::size_t>(t)] = i;
        },
        [&] {
            stop = stop || table.ExitRequested();
            return !stop;
        });
    mLastIterations = std::accumulate(played.begin(), played.end(), 0L);
    // The trees' first choices summed in the trees' order; the most tried is taken.
    std::vector<Verdict> totals(candidates.size());
    std::vector<double> rewards(candidates.size(), 0);
    for (const ExpertTree& tree : trees) {
        for (const ExpertTree::Edge& edge : tree.RootEdges()) {
            const auto k = static_cast<std::size_t>(
                std::find_if(candidates.begin(), candidates.end(),
                             [&edge](const ExpertCandidate& c) { return c.label == edge.label; }) -
                candidates.begin());
            if (k < candidates.size()) {
                totals[k].games += edge.visits;
                totals[k].wins += edge.wins;
                totals[k].margin += edge.margin;
                rewards[k] += edge.reward;
            }
        }
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < candidates.size(); ++k) {
        if (totals[k].games > totals[best].games ||
            (totals[k].games == totals[best].games && rewards[k] > rewards[best])) {
            best = k;
        }
    }
    mLastVerdict = totals[best];
    mLastVerdict.option = static_cast<int>(best);
    CountDecision(start);
    return std::move(candidates[best].choice);
}
