#pragma once

#include <cmath>

#include "core/Globals.h"

// The game-wide numbers that the computer player's valuations weigh everything by.
namespace ai {

// The number of players, as a Double.
inline double Players() {
    return static_cast<double>(modGlobal::NumberOfPlayers());
}

// The number of players for the role scale: a two-player game is weighed like three players,
// since each seat then chooses a role more often.
inline double PlayersForScale() {
    return modGlobal::NumberOfPlayers() == 2 ? 3.0 : Players();
}

// BuildingsLeft, as a Double.
inline double Stage() {
    return static_cast<double>(modGlobal::BuildingsLeft());
}

// The role scale F: what a building that improves a role is worth, falling to 0 as the game
// nears its end.
inline double RoleScale() {
    return PlayersForScale() * Stage() / 5;
}

// A Double made whole the way the program always rounds: to nearest, a half to the even side.
inline long RoundToEven(double value) {
    return std::lrint(value);
}

}  // namespace ai
