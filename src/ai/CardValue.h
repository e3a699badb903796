#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ai/Opponents.h"
#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

// The card value: what a card is worth as a building to one seat, and collections ordered by
// it.
namespace ai {

// A card with its worth to a seat.
struct ValuedCard {
    Card card;
    double value = 0;
};

// The card values of one decision of `seat`, facing `opponents`, at the present stage of the
// game. What the rules read of the seat and the game is taken once, and each building is valued
// once: the hand, the draw and the buildable cards of one decision repeat buildings. Neither
// the seat nor its opponents may change while it is in use.
class CardValues {
  public:
    CardValues(const qlPlayer& seat, Opponents opponents);

    // Worth of `card` as a building to the seat; may be negative.
    double Of(const qlCard& card);
    const qlPlayer& Seat() const { return mFacts.seat; }
    Opponents Others() const { return mFacts.opponents; }
    // The most valuable card of the seat's hand that it can build with its own buying power
    // (BestBuildableByAIValue of the hand), found once: the role choice asks for it twice.
    const ValuedCard& BestBuildableInHand();

    // The seat and the game as the rules of the card value read them.
    struct Facts {
        const qlPlayer& seat;
        Opponents opponents;
        double bl;  // BuildingsLeft
        double np;  // the plain number of players
        double f;   // the role scale
        double n;   // the production buildings in the city
        Integer productionModifier;
        Integer violetModifier;
    };

  private:
    // Room for every building the rules name, by id.
    static constexpr BuildingId kKnownIds = 32;
    struct Known {
        const Building* building;
        double value;
    };

    Facts mFacts;
    std::uint32_t mKnownIds = 0;  // bit k: mKnown[k] holds a value
    std::array<Known, kKnownIds> mKnown;
    std::optional<ValuedCard> mBestBuildable;
};

// Worth of `card` as a building to `seat`, facing `opponents`, at the present stage of the
// game; may be negative.
double AIValue(const qlCard& card, const qlPlayer& seat, Opponents opponents);

// Orders `cards` best first by their worth to the seat, per card of cost when `divideByCost`;
// equal worths keep their order. Raises no event.
void OrderByAIValue(qlCards& cards, CardValues& values, bool divideByCost);
void OrderByAIValue(qlCards& cards, const qlPlayer& seat, Opponents opponents, bool divideByCost);

// The card OrderByAIValue would put first, with its worth, without ordering anything; none,
// worth 0, of an empty collection.
ValuedCard BestByAIValue(const qlCards& cards, CardValues& values);
// The same of the cards of `choices` the seat of `values` can build with `lessCards` more
// buying power (its GetBuildableCards), without making that collection.
ValuedCard BestBuildableByAIValue(const qlCards& choices, int lessCards, CardValues& values);

}  // namespace ai
