#pragma once

#include <string>

#include "game/StrongPlayer.h"

class qlGame;
class Table;

// What the strong computer player would do in a seat's place at a role or build choice.
struct Hint {
    int role = -1;         // at a role choice: 0 Councillor to 4 Prospector
    std::string building;  // at a build choice: the building to build, "" for none
    long wins = 0;         // copies won with that choice...
    long games = 0;        // ...of those played with it; 0 when there was nothing to weigh

    // "Builder: wins 41 % of 96 sampled games", "build nothing: ...", or for a choice that
    // was the only one, "Trader, the only choice".
    std::string Text() const;
};

// Asks the strong player for `seat` at the role or build choice `game` stands at, on the
// budget's number of copies. It decides from the seat's own view only: everything the seat
// cannot see is dealt afresh in every copy, as for its own decisions. It reads `game` and
// changes nothing, and stops early once `table` asks to leave.
Hint AskStrongPlayer(const qlGame& game, Integer seat, Table& table,
                     int budget = StrongPlayer::kDefaultBudget);
