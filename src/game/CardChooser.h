#pragma once

#include <string>

#include "cards/qlCards.h"
#include "core/Types.h"

class qlPlayer;

// One card question to the human: the phase fills it in the order the rules give, the table
// shows it, and the phase reads the answer. The window's chooser enforces every count.
class CardChooser {
  public:
    virtual ~CardChooser() = default;

    // Least number of checked cards for OK; OK is enabled at once exactly when it is 0.
    virtual void SetMinAmt(Integer amount) = 0;
    // Most cards that may be checked; shows "Selections Left:" with it when at least 1.
    virtual void SetMaxAmt(Integer amount) = 0;
    // 0 never closes by itself, 1 closes after the delay when shown empty, 2 always closes.
    virtual void SetAutoClose(Integer mode) = 0;
    // The close delay in half-seconds.
    virtual void SetTimeDelay(Integer halfSeconds) = 0;
    // The role picture (0 to 5) shown in the detail area until a card is hovered.
    virtual void SetStartImage(Integer roleIndex) = 0;
    // False shows the cards without letting any be checked.
    virtual void SetCardsActive(bool active) = 0;
    // The window caption.
    virtual void SetCaption(const std::string& caption) = 0;
    // Replaces the offered cards and lets them be checked.
    virtual void SetCards(const qlCards& cards) = 0;
    // The offered buildings show the goods they carry in `seat`'s city.
    virtual void ShowGoodsOf(const qlPlayer& seat) = 0;
    // Appends cards to the offer.
    virtual void AddCards(const qlCards& cards) = 0;
    virtual void AddCard(Card card) = 0;
    // Offers only what `player` may build with `goodsUsed` of cost covered; 0 or 1 card, OK on.
    virtual void EnableBuildMode(const qlPlayer& player, Integer goodsUsed) = 0;
    // Takes every offered "Crane" out of the offer.
    virtual void RemoveCrane() = 0;
    // Frames this very card object: the computer's choice shown to the human.
    virtual void HighlightCard(const Card& card) = 0;
    // The checked and the unchecked cards, in offer order; new collections, never absent.
    virtual qlCards SelectedCards() const = 0;
    virtual qlCards DiscardedCards() const = 0;
};
