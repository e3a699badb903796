#pragma once

#include <array>

#include "ai/CardValue.h"
#include "players/qlPlayer.h"

// The role valuation behind the computer seat's role choice.
namespace ai {

// What choosing each role (0 Councillor to 4 Prospector) is worth to `seat`, as the deciding
// seat (the seat of `mine`, facing its opponents) estimates it from that seat's own hand, city
// and flags; `seat` may be the deciding seat itself.
std::array<double, 5> RoleEstimates(CardValues& mine, const qlPlayer& seat);

// The deciding seat's advantage from choosing each role: its own estimate weighed by the number
// of opponents, less every opponent's estimate, taken in play order.
std::array<double, 5> AIRoleValues(CardValues& mine);

// Expected cards from one trade, and expected worth in cards of one production.
double CardsFromTradingAvg(const qlPlayer& seat, bool roleChooser, bool library);
double CardsFromProducingAvg(const qlPlayer& seat, bool roleChooser, bool library);

}  // namespace ai
