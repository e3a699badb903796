#pragma once

#include "core/Types.h"

// The values of a game that its seats' decisions weigh, owned by the game and read by its seats
// as the game moves on.
struct GameValues {
    Integer NumberOfPlayers = 4;  // seats in play, 2 to 4
    Integer BuildingsLeft = 11;   // 12 minus the largest city; 11 until a city grows
};
