// Ordering a collection by the card value, best first.

#include <algorithm>
#include <array>
#include <vector>

#include "ai/CardValue.h"

namespace ai {

namespace {

// The mark every key starts against: a card whose key never beats it goes last.
constexpr double kMark = -9999;

}  // namespace

void OrderByAIValue(qlCards& cards, CardValues& values, bool divideByCost) {
    // Each card's key is worked out once: the card value reads the whole table, and a hand is
    // ordered many times per decision. The order is the one a selection sort over freshly
    // computed keys gives: best first, ties to the card that stood earlier, and the cards whose
    // key never beats its starting mark of -9999 last, in the order they stood.
    constexpr std::size_t kInPlace = 32;
    const auto count = static_cast<std::size_t>(cards.Count());
    std::array<double, kInPlace> inPlace;
    std::vector<double> spilled;
    double* keys = inPlace.data();
    if (count > kInPlace) {
        spilled.resize(count);
        keys = spilled.data();
    }
    Card* const order = cards.begin();
    for (std::size_t k = 0; k < count; ++k) {
        const Card card = order[k];
        // A card of cost 0 would divide by zero; it counts as costing 1.
        const double divisor = divideByCost ? std::max<double>(card->Cost(), 1) : 1;
        keys[k] = values.Of(*card) / divisor;
    }
    const auto before = [](double a, double b) { return a > kMark && (!(b > kMark) || a > b); };
    // A stable insertion sort: hands are short, and it needs no room of its own. Each card
    // moves up past those it beats, carrying its key along.
    for (std::size_t i = 1; i < count; ++i) {
        const double key = keys[i];
        const Card card = order[i];
        std::size_t j = i;
        for (; j > 0 && before(key, keys[j - 1]); --j) {
            keys[j] = keys[j - 1];
            order[j] = order[j - 1];
        }
        keys[j] = key;
        order[j] = card;
    }
}

void OrderByAIValue(qlCards& cards, const qlPlayer& seat, Opponents opponents, bool divideByCost) {
    CardValues values(seat, opponents);
    OrderByAIValue(cards, values, divideByCost);
}

namespace {

// The first of the highest keys above the mark, or the first card when none is above it, of
// the cards offered in turn.
class Best {
  public:
    explicit Best(CardValues& values) : mValues(values) {}
    void Offer(Card card) {
        const double value = mValues.Of(*card);
        const bool first = !mBest.card;
        if (first || (value > kMark && (!mAboveMark || value > mBest.value))) {
            mBest = {card, value};
            mAboveMark = value > kMark;
        }
    }
    const ValuedCard& Found() const { return mBest; }

  private:
    CardValues& mValues;
    ValuedCard mBest;
    bool mAboveMark = false;
};

}  // namespace

ValuedCard BestByAIValue(const qlCards& cards, CardValues& values) {
    Best best(values);
    for (const Card& card : cards) {
        best.Offer(card);
    }
    return best.Found();
}

ValuedCard BestBuildableByAIValue(const qlCards& choices, int lessCards, CardValues& values) {
    Best best(values);
    values.Seat().VisitBuildable(choices, lessCards,
                                 [&best](const Card& card) { best.Offer(card); });
    return best.Found();
}

const ValuedCard& CardValues::BestBuildableInHand() {
    if (!mBestBuildable) {
        mBestBuildable = BestBuildableByAIValue(Seat().CardsInHand(), 0, *this);
    }
    return *mBestBuildable;
}

}  // namespace ai
