#pragma once

#include "core/Types.h"

// Game-wide values that every layer reads: set by the start dialog and the game driver.
namespace modGlobal {
inline Integer NumberOfPlayers = 4;  // seats in play, 2 to 4
inline Integer HumanSeat = 1;        // seat number of the human, 1 to 4
inline Integer BuildingsLeft = 11;   // 12 minus the largest city; 11 until a city grows
inline Long PauseLength = 2000;      // milliseconds of a computer seat's pause
}  // namespace modGlobal
