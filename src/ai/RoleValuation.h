#pragma once

#include "players/qlPlayer.h"

// The role valuation behind the computer seat's role choice.
namespace ai {

// What choosing `role` is worth to `seat`, as the deciding seat `me` estimates it from that
// seat's own hand, city and flags; `seat` may be `me` itself. 0 for a role outside 0 to 4.
double RoleEstimate(const qlPlayer& me, const qlPlayer& seat, int role);

// The deciding seat's advantage: its own estimate weighed by the number of opponents, less
// every opponent's estimate.
double RoleAdvantage(const qlPlayer& me, int role);

}  // namespace ai
