#pragma once

#include "cards/CardRefs.h"
#include "core/Random.h"
#include "core/Types.h"

class qlGame;
class qlPlayer;

// Every decision the rules leave to a seat, asked by the phases of `game` for `seat`: the
// human answers at the table, a computer seat by the standard rules or by looking ahead, and a
// copy of the game as its thinker forces it. The game's values a decision reads (the number of
// players, the buildings left) come with `game`. A new kind of player is one new class.
class SeatDecider {
  public:
    virtual ~SeatDecider() = default;

    // The role (0 Councillor to 4 Prospector) among those free in `game`; -1 when the seat
    // left the game instead.
    virtual int PickRole(const qlGame& game, qlPlayer& seat) = 0;
    // 0 or 1 hand card to bury under the chapel.
    virtual DeckRef ChapelCard(const qlGame& game, qlPlayer& seat) = 0;
    // Cuts the hand to `limit` cards; returns the cards given up.
    virtual DeckRef KeepHandOf(const qlGame& game, qlPlayer& seat, Integer limit) = 0;
    // 0 or 1 building of the city for the crane to build over; a computer seat leaves it to
    // chance, drawn from the game's `random` sequence.
    virtual DeckRef CraneCover(const qlGame& game, qlPlayer& seat, Random::Stream& random) = 0;
    // Up to `most` buildings whose goods are spent at the black market.
    virtual DeckRef BlackMarketGoods(const qlGame& game, qlPlayer& seat, Integer most) = 0;
    // The hand card to build first (none: nothing), with `savings` of its cost already covered.
    virtual DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) = 0;
    // `cost` hand cards to pay with.
    virtual DeckRef Payment(const qlGame& game, qlPlayer& seat, Integer cost) = 0;
    // The cards kept of those `drawn` for the councillor (with the Archive, of the hand and
    // those drawn: the new hand); leaves `drawn` holding the cards given up, in the order they
    // go to the discard pile.
    virtual DeckRef CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn,
                                Integer keep, bool archive) = 0;
    // The card taken from the four of a gold mine that found gold.
    virtual DeckRef GoldMineCard(const qlGame& game, qlPlayer& seat, const DeckRef& mine) = 0;
    // Up to `goods` buildings to produce on, or to sell the goods of.
    virtual DeckRef ProductionGoods(const qlGame& game, qlPlayer& seat, Integer goods) = 0;
    virtual DeckRef TradingGoods(const qlGame& game, qlPlayer& seat, Integer goods) = 0;
    // Lets the table follow a computer seat's move the rules decided for it.
    virtual void PauseAfterMove(const qlPlayer& seat) = 0;
};
