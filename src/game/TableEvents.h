#pragma once

#include <string>

#include "cards/qlCards.h"
#include "game/TableEvent.h"

class qlPlayer;

// The table events of the phases, made from what the phase has at hand. Each keeps to what
// the human may see: a computer seat's hand cards are counted, never named; `human` says
// whether the seat is the human's.
namespace table_events {

TableEvent ForSeat(TableEvent::Kind kind, const qlPlayer& seat, int count = 0);
TableEvent RoleChosen(const qlPlayer& seat, const std::string& role);
// A build before it is paid for: the building, its printed cost and what lowers it, read while
// the city is as it was (a Quarry built or covered now changes only the builds after it).
TableEvent BuildCost(const qlPlayer& seat, const qlCard& building, const Card& covered, int goods);
// The build once done, from its BuildCost, for the human's seat or another: `payment` may be
// nothing (a free build); `drawn` the cards drawn after building.
TableEvent Built(TableEvent build, bool human, const qlCards& payment, int drawn);
TableEvent NothingBuilt(const qlPlayer& seat);
// The buildings of `chosen` that now carry a good.
TableEvent Produced(const qlPlayer& seat, const qlCards& chosen, int drawn);
TableEvent Sold(const qlPlayer& seat, const qlCards& chosen, const std::vector<int>& prices,
                int drawn);
TableEvent Councillor(const qlPlayer& seat, bool human, int drawn, const qlCards& kept, int held);
TableEvent GoldMine(const qlPlayer& seat, const qlCards& mine, const qlCards& taken);
// `buried` holds the one card buried, or nothing.
TableEvent Chapel(const qlPlayer& seat, bool human, const qlCards& buried);
TableEvent HandLimit(const qlPlayer& seat, int discarded, int limit);

// The human's questions: the councillor's keep, the hand limit.
TableEvent KeepAsked(const qlPlayer& seat, int drawn, int keep, int held);
TableEvent LimitAsked(const qlPlayer& seat, int limit, bool firstRound);

}  // namespace table_events
