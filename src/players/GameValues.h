#pragma once

#include <functional>

#include "core/Types.h"

// The values of a game that its seats' decisions weigh, owned by the game and read by its seats
// as the game moves on.
struct GameValues {
    Integer NumberOfPlayers = 4;  // seats in play, 2 to 4
    Integer BuildingsLeft = 11;   // 12 minus the largest city; 11 until a city grows
    // The computer seat's pause of so many milliseconds, the table's way: a window keeps
    // processing its events meanwhile. Empty: pauses return at once, as tests, the simulator
    // and the games a computer seat plays on want.
    std::function<void(Long milliseconds)> Pause;
};

// The milliseconds of a computer seat's pause after a move.
inline constexpr Long kComputerPause = 2000;
