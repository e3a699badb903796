// The computer seat's choices of cards outside the builder phase: the chapel, the hand limit,
// the councillor's draw, the gold mine, and the buildings that produce or sell.

#include <algorithm>

#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

namespace {

// The best card of `choices` that the seat could build with its hand as it is, when the hand
// itself offers nothing to build; otherwise nothing.
CardRef BuildableFromDraw(const qlPlayer& player, const DeckRef& choices) {
    if (player.CanBuildFromHand()) {
        return nullptr;
    }
    DeckRef buildable = player.GetBuildableCards(choices, 0);
    buildable->OrderByAIValue(player, false);
    return buildable->Item(1);
}

// The production buildings to use, best good first, at most `numUnits` of them.
DeckRef BestGoods(DeckRef buildings, int numUnits) {
    buildings->OrderByGoodValue();
    while (buildings->Count() > std::max(numUnits, 0)) {
        buildings->Remove(buildings->Count());
    }
    return buildings;
}

}  // namespace

DeckRef qlPlayer::AIPickChapelCard() const {
    // Burying costs a card of buying power; it is done only while something stays buildable
    // after it.
    const int lessCards = mGetsRoleBenefit ? -1 : -2;
    DeckRef buildable = GetBuildableCards(nullptr, lessCards);
    DeckRef result = NewDeck();
    if (buildable->Empty()) {
        return result;
    }
    DeckRef sorted = NewDeck(mCardsInHand->Count());
    sorted->AddCards(mCardsInHand);
    sorted->OrderByAIValue(*this, false);
    const CardRef lowest = sorted->Item(sorted->Count());
    buildable->RemoveCard(lowest);
    if (!buildable->Empty()) {
        result->AddCard(lowest);
    } else if (sorted->Count() >= 2) {
        // The lowest card is the one thing left to build: the next lowest goes instead.
        result->AddCard(sorted->Item(sorted->Count() - 1));
    }
    return result;
}

DeckRef qlPlayer::AIDiscardDownTo(int maxCards) {
    // Early on cheap cards are worth keeping for their value per card of cost.
    const bool perCost = Game().BuildingsLeft > 9;
    const DeckRef hand = mCardsInHand;
    DeckRef unique = UniqueCardsInHand();
    unique->OrderByAIValue(*this, perCost);
    DeckRef kept = NewDeck();
    if (unique->Count() >= maxCards) {
        for (int i = 0; i < maxCards; ++i) {
            const CardRef card = unique->Item(1);
            kept->AddCard(card);
            hand->RemoveCard(card);
            unique->Remove(1);
        }
    } else {
        for (const CardRef& card : *unique) {
            kept->AddCard(card);
            hand->RemoveCard(card);
        }
        hand->OrderByAIValue(*this, perCost);
        while (kept->Count() < maxCards && !hand->Empty()) {
            kept->AddCard(hand->Item(1));
            hand->Remove(1);
        }
    }
    SetCardsInHand(kept);
    return hand;
}

DeckRef qlPlayer::AIPickCouncillorCards(const DeckRef& newCards) const {
    int keep = HasBuiltCard("Prefecture") ? 2 : 1;
    DeckRef result = NewDeck();
    // A seat that cannot build first makes sure of a card it can.
    if (const CardRef card = BuildableFromDraw(*this, newCards)) {
        result->AddCard(card);
        newCards->RemoveCard(card);
        --keep;
    }
    if (HasBuiltCard("Archive")) {
        newCards->AddCards(mCardsInHand);
        keep += mCardsInHand->Count();
    }
    newCards->OrderByAIValue(*this, false);
    while (keep > 0 && !newCards->Empty()) {
        result->AddCard(newCards->Item(1));
        newCards->Remove(1);
        --keep;
    }
    Pause();
    return result;
}

DeckRef qlPlayer::AIPickGoldMineCard(const DeckRef& newCards) const {
    CardRef taken = BuildableFromDraw(*this, newCards);
    if (!taken) {
        newCards->OrderByAIValue(*this, false);
        taken = newCards->Item(1);
    }
    DeckRef result = NewDeck();
    if (taken) {
        result->AddCard(taken);
    }
    Pause();
    return result;
}

DeckRef qlPlayer::AIChooseProductionGoods(int numUnits) const {
    DeckRef chosen = BestGoods(OpenProductionBuildings(), numUnits);
    Pause();
    return chosen;
}

DeckRef qlPlayer::AIChooseTradingGoods(int numUnits) const {
    DeckRef chosen = BestGoods(BuildingsWithGoods(), numUnits);
    Pause();
    return chosen;
}
