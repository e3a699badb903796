#pragma once

#include <functional>

#include "core/Random.h"
#include "game/Decision.h"

class qlGame;
class qlPlayer;

// Whoever decides for a seat: the human answers at the table, a computer seat by the standard
// rules or by looking ahead. It answers the decision `game` waits for with a choice and moves no
// card itself; the game carries the choice out. The game's values a decision reads (the number
// of players, the buildings left) come with `game`. A new kind of player is one new class.
class SeatDecider {
  public:
    virtual ~SeatDecider() = default;

    // How an answer that comes later reaches the game.
    using Reply = std::function<void(const Choice&)>;

    // The answer to `decision`, pending in `game`. A decision the rules leave to chance (the
    // standard rules' crane) draws from the game's own `random` sequence. Not for a decision
    // the seat answers later.
    virtual Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random);
    // Whether the seat answers `decision` later, through Ask: the human at a table, or a seat
    // that thinks beside the game.
    virtual bool AnswersLater(const Decision&) const { return false; }
    // Starts the answer to `decision` and returns; `reply` gets it on the game's thread, at once
    // or later, exactly once unless Cancel comes first.
    virtual void Ask(const qlGame& game, const Decision& decision, Reply reply);
    // Gives up the answer under way: its reply never comes.
    virtual void Cancel() {}
    // Whether the table pauses after `choice`, this seat's answer to `decision` in `game` (as
    // the game stood when it was asked), so that a player can follow a computer seat's move.
    virtual bool PausesAfter(const qlGame& game, const Decision& decision,
                             const Choice& choice) const = 0;
    // Whether the table pauses after a move the rules made for this seat (the prospector's card).
    virtual bool PausesAfterMoves() const = 0;
    // Whether the seat is the human's: the rules word some messages and events for the human.
    virtual bool IsHuman() const { return false; }
};
