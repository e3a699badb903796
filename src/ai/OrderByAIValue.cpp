// Ordering a collection by the card value, best first.

#include <algorithm>
#include <vector>

#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

void qlCards::OrderByAIValue(const qlPlayer& player, bool divideByCost) {
    // Each card's key is worked out once: the card value reads the whole table, and a hand is
    // ordered many times per decision. The selection below then picks exactly as a selection
    // sort over freshly computed keys would, ties going to the card that stood earlier.
    std::vector<double> keys;
    keys.reserve(mCol.size());
    for (const CardRef& card : mCol) {
        // A card of cost 0 would divide by zero; it counts as costing 1.
        const double divisor = divideByCost ? std::max<double>(card->Cost(), 1) : 1;
        keys.push_back(card->AIValue(player) / divisor);
    }

    std::vector<std::size_t> remaining(mCol.size());
    for (std::size_t i = 0; i < remaining.size(); ++i) {
        remaining[i] = i;
    }
    std::vector<CardRef> ordered;
    std::vector<std::string> orderedKeys;
    ordered.reserve(mCol.size());
    while (!remaining.empty()) {
        double best = -9999;
        // A card worth -9999 or less never beats the starting mark; the earliest card left is
        // then taken, so that every card still finds its place.
        std::size_t bestPosition = 0;
        for (std::size_t i = 0; i < remaining.size(); ++i) {
            if (keys[remaining[i]] > best) {
                best = keys[remaining[i]];
                bestPosition = i;
            }
        }
        ordered.push_back(mCol[remaining[bestPosition]]);
        if (!mKeys.empty()) {
            orderedKeys.push_back(mKeys[remaining[bestPosition]]);
        }
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(bestPosition));
    }
    mCol = std::move(ordered);
    mKeys = std::move(orderedKeys);
}
