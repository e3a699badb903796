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
    std::vector<std::size_t> alive(candidates.size());
    std::iota(alive.begin(), alive.end(), 0);
    std::vector<Totals> totals(candidates.size());
    const int rounds = Halvings(static_cast<int>(candidates.size()));
    std::atomic<bool> stop{false};
    for (int dealt = 0; alive.size() > 1 && !stop;) {
        const int each = std::max(1, mBudget / (static_cast<int>(alive.size()) * rounds));
        mLastIterations +=
            PlayRound(game, table, trees, candidates, alive, {decisionSeed, dealt, each}, stop);
        dealt += each;
        totals = SumTrees(trees, candidates);
        std::stable_sort(alive.begin(), alive.end(), [&totals](std::size_t a, std::size_t b) {
            return totals[a].reward > totals[b].reward;
        });
        alive.resize((alive.size() + 1) / 2);
    }
    const std::size_t best = alive.front();
    mLastVerdict = totals[best].verdict;
    mLastVerdict.option = static_cast<int>(best);
    CountDecision(start);
    return std::move(candidates[best].choice);
}

long ExpertPlayer::PlayRound(const qlGame& game, Table& table, std::vector<ExpertTree>& trees,
                             const std::vector<ExpertCandidate>& candidates,
                             const std::vector<std::size_t>& alive, const Deals& deals,
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
                for (const std::size_t k : alive) {
                    done += tree.Iterate(game, seed, candidates[k].label);
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
