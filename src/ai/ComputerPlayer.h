#pragma once

#include <array>

#include "ai/CardValue.h"
#include "ai/Opponents.h"
#include "cards/qlCards.h"
#include "core/Random.h"
#include "players/qlPlayer.h"

// The computer seat's decisions. Each reads the seat it decides for (and, where the card value
// weighs them, its `opponents`) and returns a new collection, changing nothing unless its
// comment says otherwise.
namespace ai {

// The best role (0 Councillor, 1 Builder, 2 Producer, 3 Trader, 4 Prospector) among those
// still free; 0 after a pause when none is.
int AIPickRole(const qlPlayer& seat, Opponents opponents, const std::array<bool, 5>& rolesFree);
// 0 or 1 hand card to bury under the chapel.
qlCards AIPickChapelCard(const qlPlayer& seat, Opponents opponents);
// The best `maxCards` distinct cards (then the best duplicates) to keep, as the new hand holds
// them; `givenUp` receives the others, in the order they are discarded.
qlCards AIDiscardDownTo(const qlPlayer& seat, Opponents opponents, int maxCards, qlCards& givenUp);
// 0 or 1 building of the city for the crane to build over; a random choice.
qlCards AIUseCrane(const qlPlayer& seat, Random::Stream& random);
// 0 to 2 buildings whose goods are spent at the black market.
qlCards AIBlackMarket(const qlPlayer& seat);
// The hand card to build with `savings` of cost already covered, or none. The second form
// values the cards with those of a decision under way.
Card AIGetCardToBuild(const qlPlayer& seat, Opponents opponents, int savings);
Card AIGetCardToBuild(CardValues& values, int savings);
// True at the opening while the seat holds a card worth waiting for (a Library, or failing that
// a Coffee Roaster): then it builds that card or nothing.
bool AIWaitsForOpening(const qlPlayer& seat);
// `numCards` hand cards to pay with (the whole hand when it holds fewer).
qlCards AIGetBuildPaymentCards(const qlPlayer& seat, Opponents opponents, int numCards);
// The drawn cards to keep. Leaves `newCards` holding the cards not kept, best first.
qlCards AIPickCouncillorCards(const qlPlayer& seat, Opponents opponents, qlCards& newCards);
// One card of `newCards` to take; may reorder `newCards` but removes nothing.
qlCards AIPickGoldMineCard(const qlPlayer& seat, Opponents opponents, qlCards& newCards);
// Up to `numUnits` open production buildings to produce on, best good first.
qlCards AIChooseProductionGoods(const qlPlayer& seat, int numUnits);
// Up to `numUnits` buildings carrying a good to sell from, best good first.
qlCards AIChooseTradingGoods(const qlPlayer& seat, int numUnits);

// The hand cards the seat cannot build that share their name with another such card.
qlCards GetUselessCards(const qlPlayer& seat);

}  // namespace ai
