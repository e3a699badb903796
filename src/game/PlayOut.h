#pragma once

#include <cstdint>

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

// How many times `options` must be halved (rounding up) to leave one: the rounds of a
// look-ahead's successive halving.
int Halvings(int options);
