#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/Types.h"

class qlGame;

// How a copy of the game played on by a computer seat's look-ahead went for that seat.
struct PlayOutResult {
    bool won = false;
    int margin = 0;  // the seat's points over the best other seat's
};

// What a look-ahead's decision found: the option taken, the copies it counted for that option,
// the copies of those it won, and the seat's points over the best other seat summed over them.
struct LookAheadVerdict {
    int option = 0;
    long wins = 0;
    long games = 0;
    long margin = 0;
};

// A copy still without a full city this many rounds on counts as neither won nor lost.
inline constexpr Long kRoundsAhead = 40;

// The result for `seat` of `game`, played to its end.
PlayOutResult ResultFor(const qlGame& game, Integer seat);

// Mixes a decision's seed with a sample number into the seed of one copy.
std::uint64_t SampleSeed(std::uint64_t decisionSeed, int sample);

// Plays every option left (`alive`, numbers counting from 0) on the deals numbered `first` to
// `first + count - 1`, the same deals for each.
using HalvingRound = std::function<void(const std::vector<int>& alive, int first, int count)>;
// Whether option `a` did better than option `b` so far.
using HalvingOrder = std::function<bool(int a, int b)>;

// A look-ahead's successive halving over `options` options (at least one), `budget` plays in
// all: each round plays every option left on the same deals, as many as leave the budget evenly
// spread over the rounds, ranks them by `better` (a tie keeping the earlier option first) and
// drops the worse half, until one is left or `stopped` says thinking must end. The option kept.
int SuccessiveHalving(int options, int budget, const HalvingRound& play, const HalvingOrder& better,
                      const std::function<bool()>& stopped);
