// The computer seat's choices of cards outside the builder phase: the chapel, the hand limit,
// the councillor's draw, the gold mine, and the buildings that produce or sell.

#include <algorithm>

#include "ai/CardValue.h"
#include "ai/ComputerPlayer.h"

namespace {

// The best card of `choices` that the seat could build with its hand as it is, when the hand
// itself offers nothing to build; otherwise nothing.
Card BuildableFromDraw(ai::CardValues& values, const qlCards& choices) {
    const qlPlayer& player = values.Seat();
    if (player.CanBuildFromHand()) {
        return {};
    }
    return ai::BestBuildableByAIValue(choices, 0, values).card;
}

// Keeps the production buildings to use, best good first, at most `numUnits` of them.
void KeepBestGoods(qlCards& buildings, int numUnits) {
    buildings.OrderByGoodValue();
    while (buildings.Count() > std::max(numUnits, 0)) {
        buildings.Remove(buildings.Count());
    }
}

}  // namespace

namespace ai {

qlCards AIPickChapelCard(const qlPlayer& seat, Opponents opponents) {
    // Burying costs a card of buying power; it is done only while something stays buildable
    // after it.
    const int lessCards = seat.GetsRoleBenefit() ? -1 : -2;
    qlCards buildable = seat.GetBuildableCards(lessCards);
    qlCards result;
    if (buildable.Empty()) {
        return result;
    }
    qlCards sorted = seat.CardsInHand();
    OrderByAIValue(sorted, seat, opponents, false);
    const Card lowest = sorted.Item(sorted.Count());
    buildable.RemoveCard(lowest);
    if (!buildable.Empty()) {
        result.AddCard(lowest);
    } else if (sorted.Count() >= 2) {
        // The lowest card is the one thing left to build: the next lowest goes instead.
        result.AddCard(sorted.Item(sorted.Count() - 1));
    }
    return result;
}

qlCards AIDiscardDownTo(const qlPlayer& seat, Opponents opponents, int maxCards, qlCards& givenUp) {
    // Early on cheap cards are worth keeping for their value per card of cost.
    const bool perCost = seat.Game().BuildingsLeft > 9;
    qlCards hand = seat.CardsInHand();
    qlCards unique = seat.UniqueCardsInHand();
    CardValues values(seat, opponents);
    OrderByAIValue(unique, values, perCost);
    qlCards kept;
    if (unique.Count() >= maxCards) {
        for (int i = 0; i < maxCards; ++i) {
            const Card card = unique.Item(1);
            kept.AddCard(card);
            hand.RemoveCard(card);
            unique.Remove(1);
        }
    } else {
        for (const Card& card : unique) {
            kept.AddCard(card);
            hand.RemoveCard(card);
        }
        OrderByAIValue(hand, values, perCost);
        while (kept.Count() < maxCards && !hand.Empty()) {
            kept.AddCard(hand.Item(1));
            hand.Remove(1);
        }
    }
    givenUp.AddCards(hand);
    return kept;
}

qlCards AIPickCouncillorCards(const qlPlayer& seat, Opponents opponents, qlCards& newCards) {
    int keep = seat.HasBuiltCard("Prefecture") ? 2 : 1;
    qlCards result;
    CardValues values(seat, opponents);
    // A seat that cannot build first makes sure of a card it can.
    if (const Card card = BuildableFromDraw(values, newCards)) {
        result.AddCard(card);
        newCards.RemoveCard(card);
        --keep;
    }
    if (seat.HasBuiltCard("Archive")) {
        newCards.AddCards(seat.CardsInHand());
        keep += seat.CardsInHand().Count();
    }
    OrderByAIValue(newCards, values, false);
    while (keep > 0 && !newCards.Empty()) {
        result.AddCard(newCards.Item(1));
        newCards.Remove(1);
        --keep;
    }
    return result;
}

qlCards AIPickGoldMineCard(const qlPlayer& seat, Opponents opponents, qlCards& newCards) {
    CardValues values(seat, opponents);
    Card taken = BuildableFromDraw(values, newCards);
    if (!taken) {
        OrderByAIValue(newCards, values, false);
        taken = newCards.Item(1);
    }
    qlCards result;
    if (taken) {
        result.AddCard(taken);
    }
    return result;
}

qlCards AIChooseProductionGoods(const qlPlayer& seat, int numUnits) {
    qlCards goods = seat.OpenProductionBuildings();
    KeepBestGoods(goods, numUnits);
    return goods;
}

qlCards AIChooseTradingGoods(const qlPlayer& seat, int numUnits) {
    qlCards goods = seat.BuildingsWithGoods();
    KeepBestGoods(goods, numUnits);
    return goods;
}

}  // namespace ai
