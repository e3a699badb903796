#include "game/ExpertTree.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/ExpertCandidates.h"
#include "game/HeadlessTable.h"
#include "game/PlayOut.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

namespace {

// The weight of trying a choice less tried against taking the best so far, for rewards from 0
// to 1.
constexpr double kExploration = 0.7;

// A win is worth most; the points margin, up to this many points either way, splits the rest,
// so that a lost copy lost by less still counts for something.
constexpr double kWinShare = 0.8;
constexpr int kMarginSpan = 20;
// What a copy's result keeps of its worth for each role chosen in it after the decision: the
// same win is worth more sooner. Without it an expert that led at eleven buildings would put off
// ending the game, round after round, as every copy in which it waited was won by a few points
// more once the standard rules played on; the standard seat behind it never took the Builder
// either, and the game went on for ever.
constexpr double kDiscount = 0.98;

// The worth of a copy's `result`, `roles` roles after the decision.
double Reward(const PlayOutResult& result, Long roles) {
    const int margin = std::clamp(result.margin, -kMarginSpan, kMarginSpan);
    return std::pow(kDiscount, static_cast<double>(roles)) *
           ((result.won ? kWinShare : 0.0) +
            (1 - kWinShare) * (margin + kMarginSpan) / (2.0 * kMarginSpan));
}

}  // namespace

// The seat's decider in one iteration's copy: the choice it is given first, then down the tree
// while it can, then the standard rules. It keeps the edges taken for the result to be counted
// on.
class ExpertTree::Walk : public StandardDecider {
  public:
    Walk(Node& root, const std::string& first) : mNode(&root), mFirst(&first) {}

    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override {
        ++mDecisions;
        if (mNode == nullptr) {
            return StandardDecider::Answer(game, decision, random);
        }
        std::vector<ExpertCandidate> candidates = ExpertCandidates(game, decision);
        if (candidates.size() == 1) {
            return std::move(candidates.front().choice);  // nothing to weigh
        }
        std::vector<std::size_t> open;
        for (const ExpertCandidate& candidate : candidates) {
            open.push_back(EdgeOf(candidate.label));
        }
        const std::size_t taken = mFirst != nullptr ? First(candidates, open) : Select(open);
        mFirst = nullptr;
        Edge& edge = mNode->edges[open[taken]];
        mPath.emplace_back(mNode, open[taken]);
        if (edge.visits == 0) {
            mNode = nullptr;  // a choice never tried: the tree grows by this edge only
        } else {
            if (!edge.next) {
                edge.next = std::make_unique<Node>();
            }
            mNode = edge.next.get();
        }
        return std::move(candidates[taken].choice);
    }

    // The seat's decisions answered so far.
    long Decisions() const { return mDecisions; }

    // Counts the result, `roles` roles after the decision, on every edge taken.
    void Count(const PlayOutResult& result, Long roles) const {
        const double reward = Reward(result, roles);
        for (const auto& [node, index] : mPath) {
            Edge& edge = node->edges[index];
            ++edge.visits;
            edge.reward += reward;
            edge.wins += result.won ? 1 : 0;
            edge.margin += result.margin;
        }
    }

  private:
    // The node's edge of that label, made if it has none; counted as open.
    std::size_t EdgeOf(const std::string& label) {
        std::vector<Edge>& edges = mNode->edges;
        auto found = std::find_if(edges.begin(), edges.end(),
                                  [&label](const Edge& edge) { return edge.label == label; });
        if (found == edges.end()) {
            edges.emplace_back().label = label;
            found = edges.end() - 1;
        }
        ++found->available;
        return static_cast<std::size_t>(found - edges.begin());
    }

    // The candidate labelled as the walk's first choice. The seat sees the same in every copy,
    // so it is there; should it not be, the tree chooses.
    std::size_t First(const std::vector<ExpertCandidate>& candidates,
                      const std::vector<std::size_t>& open) const {
        const auto found = std::find_if(
            candidates.begin(), candidates.end(),
            [this](const ExpertCandidate& candidate) { return candidate.label == *mFirst; });
        return found != candidates.end() ? static_cast<std::size_t>(found - candidates.begin())
                                         : Select(open);
    }

    // Of the open edges, the first never tried, or the best upper confidence bound.
    std::size_t Select(const std::vector<std::size_t>& open) const {
        std::size_t best = 0;
        double bestBound = -1;
        for (std::size_t k = 0; k < open.size(); ++k) {
            const Edge& edge = mNode->edges[open[k]];
            if (edge.visits == 0) {
                return k;
            }
            const double visits = static_cast<double>(edge.visits);
            const double bound =
                edge.reward / visits +
                kExploration * std::sqrt(std::log(static_cast<double>(edge.available)) / visits);
            if (bound > bestBound) {
                best = k;
                bestBound = bound;
            }
        }
        return best;
    }

    Node* mNode;                // where the walk stands in the tree; none once it has left it
    const std::string* mFirst;  // the label of the first choice, until it is taken
    std::vector<std::pair<Node*, std::size_t>> mPath;
    long mDecisions = 0;
};

ExpertTree::ExpertTree(Integer seat) : mSeat(seat) {}

long ExpertTree::Iterate(const qlGame& game, std::uint64_t sampleSeed, const std::string& first) {
    HeadlessTable table;
    qlGame copy(game, table);
    copy.RedealHidden(mSeat, sampleSeed);
    copy.SetRoundLimit(game.Rounds() + kRoundsAhead);
    auto walk = std::make_unique<Walk>(mRoot, first);
    const Walk& counted = *walk;
    copy.SetDecider(mSeat, std::move(walk));
    const bool finished = copy.PlayOn() == qlGame::Outcome::Finished;
    counted.Count(finished ? ResultFor(copy, mSeat) : PlayOutResult{},
                  copy.RolesChosen() - game.RolesChosen());
    return counted.Decisions();
}
