#pragma once

#include "ai/Opponents.h"
#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

// The card value: what a card is worth as a building to one seat, and collections ordered by
// it.
namespace ai {

// Worth of `card` as a building to `seat`, facing `opponents`, at the present stage of the
// game; may be negative.
double AIValue(const qlCard& card, const qlPlayer& seat, Opponents opponents);

// Orders `cards` best first by their worth to `seat`, per card of cost when `divideByCost`;
// equal worths keep their order. Raises no event.
void OrderByAIValue(qlCards& cards, const qlPlayer& seat, Opponents opponents, bool divideByCost);

// The card OrderByAIValue would put first, with its worth, without ordering anything; none,
// worth 0, of an empty collection.
struct ValuedCard {
    Card card;
    double value = 0;
};
ValuedCard BestByAIValue(const qlCards& cards, const qlPlayer& seat, Opponents opponents);

}  // namespace ai
