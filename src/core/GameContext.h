#pragma once

#include <cstdint>

#include "core/Pause.h"
#include "core/Random.h"
#include "core/Types.h"

// The values that every layer reads while a game is played, and the random generator's state.
// Each game owns one and makes it current on its thread while it plays, so that several games
// (a game and the copies a computer seat plays on) can run at once without sharing any of it.
struct GameContext {
    Integer NumberOfPlayers = 4;  // seats in play, 2 to 4
    Integer HumanSeat = 1;        // seat number of the human, 1 to 4
    Integer BuildingsLeft = 11;   // 12 minus the largest city; 11 until a city grows
    Long PauseLength = 2000;      // milliseconds of a computer seat's pause
    std::uint64_t RandomState = 0;
    Random::SeedSource SeedSource = Random::TimeOfDaySource();
    PauseHandler Pause;  // empty: pauses return at once
};

// The context of the game being played on this thread; each thread has one of its own
// when no game has made its own current.
GameContext& CurrentGameContext();

// Makes a context current on this thread for its lifetime, then restores the one before.
class GameContextScope {
  public:
    explicit GameContextScope(GameContext& context);
    GameContextScope(const GameContextScope&) = delete;
    GameContextScope& operator=(const GameContextScope&) = delete;
    ~GameContextScope();

  private:
    GameContext* mPrevious;
};
