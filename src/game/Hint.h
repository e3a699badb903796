#pragma once

#include <string>

#include "core/Types.h"
#include "game/Decision.h"

class qlGame;
class Table;

// What the expert computer player would do in a seat's place at one of its decisions.
struct Hint {
    DecisionKind kind = DecisionKind::None;
    Choice choice;   // the role, or the cards to check in the question (the game's own)
    long wins = 0;   // copies won with that choice...
    long games = 0;  // ...of those played with it; 0 when there was nothing to weigh

    // "Builder: wins 41 % of 96 sampled games", "build nothing: ...", "keep Smithy and Well:
    // ...", or for a choice that was the only one, "Trader, the only choice".
    std::string Text() const;
};

// Iterations per hint: on two cores its median time is a strong seat's decision's at the strong
// default (0.32 s against 0.31 s over four-player games), though its longest take longer.
inline constexpr int kHintBudget = 3000;

// Asks the expert player for `seat` at the decision `game` waits for, one of the seat's, on
// the budget's number of iterations. It decides from the seat's own view only: everything the
// seat cannot see is dealt afresh in every copy, as for its own decisions. It reads `game` and
// changes nothing, and stops early once `table` asks to leave.
Hint AskForHint(const qlGame& game, Integer seat, Table& table, int budget = kHintBudget);
