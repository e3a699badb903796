#pragma once

#include <string>
#include <vector>

#include "game/Decision.h"

class qlGame;

// The choices the expert player weighs at one decision of its seat. Cards of one name are alike
// to the seat, so each choice is named by its kind and the names of the cards it takes (its
// label), the same in every copy of the game where the seat sees the same. The choice the
// standard rules make comes first. Where there are only a few ways to choose, every way is
// weighed; where there are many (a hand cut to its limit, a payment, a keep with the Archive),
// only the standard choice and those one card away from it, the likeliest first by card value.
struct ExpertCandidate {
    std::string label;
    Choice choice;
};

// The most choices weighed at one decision.
inline constexpr std::size_t kMostCandidates = 10;

// The candidates for `decision`, pending in `game`; each is a choice Apply takes there. None
// for a decision that is not a seat's.
std::vector<ExpertCandidate> ExpertCandidates(const qlGame& game, const Decision& decision);
