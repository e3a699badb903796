#pragma once

#include <cmath>

#include "players/GameValues.h"

// The game-wide numbers that the computer player's valuations weigh everything by, read from
// the values of the seat's own game.
namespace ai {

// The number of players, as a Double.
inline double Players(const GameValues& game) {
    return static_cast<double>(game.NumberOfPlayers);
}

// The number of players for the role scale: a two-player game is weighed like three players,
// since each seat then chooses a role more often.
inline double PlayersForScale(const GameValues& game) {
    return game.NumberOfPlayers == 2 ? 3.0 : Players(game);
}

// BuildingsLeft, as a Double.
inline double Stage(const GameValues& game) {
    return static_cast<double>(game.BuildingsLeft);
}

// The role scale F: what a building that improves a role is worth, falling to 0 as the game
// nears its end.
inline double RoleScale(const GameValues& game) {
    return PlayersForScale(game) * Stage(game) / 5;
}

// A Double made whole the way the program always rounds: to nearest, a half to the even side.
inline long RoundToEven(double value) {
    return std::lrint(value);
}

}  // namespace ai
