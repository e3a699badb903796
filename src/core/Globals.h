#pragma once

#include "core/GameContext.h"
#include "core/Types.h"

// Game-wide values that every layer reads: set by the start dialog and the game driver. They
// belong to the game being played on this thread (see GameContext).
namespace modGlobal {
inline Integer NumberOfPlayers() {
    return CurrentGameContext().NumberOfPlayers;
}
inline void SetNumberOfPlayers(Integer value) {
    CurrentGameContext().NumberOfPlayers = value;
}
inline Integer HumanSeat() {
    return CurrentGameContext().HumanSeat;
}
inline Integer BuildingsLeft() {
    return CurrentGameContext().BuildingsLeft;
}
inline void SetBuildingsLeft(Integer value) {
    CurrentGameContext().BuildingsLeft = value;
}
inline Long PauseLength() {
    return CurrentGameContext().PauseLength;
}
inline void SetPauseLength(Long value) {
    CurrentGameContext().PauseLength = value;
}
}  // namespace modGlobal
