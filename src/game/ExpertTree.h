#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Types.h"

class qlGame;

// One search tree of the expert player, over what its seat knows: a node stands for the seat's
// own choices so far in the decision being thought about, whatever the other seats did and
// whatever was dealt meanwhile, and its edges are the choices (by label) of the seat's next
// decision. Each iteration plays one copy of the game in which everything the seat cannot see
// is dealt afresh, taking the choice it is given at the decision thought about: below it the
// seat takes, among the choices open in that copy, the one with the best upper confidence
// bound, counting how often each was open; the first choice never tried ends the descent, and
// the copy is played to its end by the standard rules for every seat. The result, worth less
// the more roles it took, is counted on every edge taken.
class ExpertTree {
  public:
    struct Node;
    // One choice of a node, and what followed it.
    struct Edge {
        std::string label;
        long visits = 0;     // iterations that took it
        long available = 0;  // iterations in which it could be taken
        double reward = 0;   // summed over the iterations that took it
        long wins = 0;
        long margin = 0;
        std::unique_ptr<Node> next;  // the seat's next decision after it; none yet
    };
    struct Node {
        std::vector<Edge> edges;
    };

    explicit ExpertTree(Integer seat);

    // Plays one iteration from `game`, which waits for a decision of the seat, on a copy dealt
    // afresh from `sampleSeed`, taking there the choice labelled `first`; the number of the
    // seat's decisions in the copy, the measure of the iteration's work.
    long Iterate(const qlGame& game, std::uint64_t sampleSeed, const std::string& first);
    // The choices of the decision thought about.
    const std::vector<Edge>& RootEdges() const { return mRoot.edges; }

  private:
    class Walk;

    Integer mSeat;
    Node mRoot;
};
