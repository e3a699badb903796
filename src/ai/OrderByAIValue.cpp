// Ordering a collection by the card value, best first.

#include <algorithm>
#include <array>
#include <vector>

#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

void qlCards::OrderByAIValue(const qlPlayer& player, bool divideByCost) {
    // Each card's key is worked out once: the card value reads the whole table, and a hand is
    // ordered many times per decision. The order is the one a selection sort over freshly
    // computed keys gives: best first, ties to the card that stood earlier, and the cards whose
    // key never beats its starting mark of -9999 last, in the order they stood.
    constexpr double kMark = -9999;
    constexpr std::size_t kInPlace = 32;
    std::array<double, kInPlace> inPlace{};
    std::vector<double> spilled;
    double* keys = inPlace.data();
    if (mCol.size() > kInPlace) {
        spilled.resize(mCol.size());
        keys = spilled.data();
    }
    for (std::size_t i = 0; i < mCol.size(); ++i) {
        // A card of cost 0 would divide by zero; it counts as costing 1.
        const double divisor = divideByCost ? std::max<double>(mCol[i]->Cost(), 1) : 1;
        keys[i] = mCol[i]->AIValue(player) / divisor;
    }
    const auto before = [](double a, double b) { return a > kMark && (!(b > kMark) || a > b); };
    // A stable insertion sort: hands are short, and it needs no room of its own.
    for (std::size_t i = 1; i < mCol.size(); ++i) {
        std::size_t j = i;
        while (j > 0 && before(keys[i], keys[j - 1])) {
            --j;
        }
        if (j == i) {
            continue;
        }
        std::rotate(keys + j, keys + i, keys + i + 1);
        std::rotate(mCol.begin() + static_cast<std::ptrdiff_t>(j),
                    mCol.begin() + static_cast<std::ptrdiff_t>(i),
                    mCol.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        if (!mKeys.empty()) {
            std::rotate(mKeys.begin() + static_cast<std::ptrdiff_t>(j),
                        mKeys.begin() + static_cast<std::ptrdiff_t>(i),
                        mKeys.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    }
}
