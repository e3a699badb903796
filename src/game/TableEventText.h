#pragma once

#include <string>

#include "core/Types.h"
#include "game/TableEvent.h"

// One line of plain words for a table event, as the history shows it: seats are named as on
// the table ("Player 3"), the human's seat `humanSeat` as "You". Empty for an event that is
// no line of the history (whose turn it is).
std::string DescribeEvent(const TableEvent& event, Integer humanSeat);
