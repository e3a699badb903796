#include "players/qlPlayer.h"

#include <utility>

qlPlayer::qlPlayer(const GameValues& game)
    : mBuiltCards(NewDeck()), mGame(&game), mChapelCards(NewDeck()) {
    FollowHand(NewDeck());
}

void qlPlayer::FollowHand(DeckRef hand) {
    mCardsInHand = hand ? std::move(hand) : NewDeck();
    mHandSubscription = mCardsInHand->DeckSizeChanged.Subscribe(
        [this](Integer) { PlayersCardsChanged.Raise(mCardsInHand); });
}

void qlPlayer::SetCardsInHand(DeckRef hand) {
    FollowHand(std::move(hand));
    PlayersCardsChanged.Raise(mCardsInHand);
}

void qlPlayer::OnBuilt(const qlCard& card) {
    if (card.Id() == buildings::Id("Tower")) {
        mCardsAllowed = 12;
    } else if (card.Id() == buildings::Id("Library")) {
        mLibraryActive = true;
    }
}

void qlPlayer::IndexCity(const qlCard* leaving) {
    mCityIds = 0;
    for (const CardRef& building : *mBuiltCards) {
        if (building.get() != leaving && building->Id() < 64) {
            mCityIds |= std::uint64_t{1} << building->Id();
        }
    }
}

void qlPlayer::IndexArrival(const qlCard& building) {
    if (building.Id() < 64) {
        mCityIds |= std::uint64_t{1} << building.Id();
    }
}

// The index is right before each change is announced: whoever follows the city may count.
void qlPlayer::BuildCard(const CardRef& cardBuilt) {
    OnBuilt(*cardBuilt);
    IndexArrival(*cardBuilt);
    mBuiltCards->AddCard(cardBuilt);
    BuiltNewCard.Raise(cardBuilt);
}

void qlPlayer::BuildOverCard(const CardRef& newCard, const CardRef& oldCard) {
    OnBuilt(*newCard);
    IndexCity(oldCard.get());
    mBuiltCards->RemoveCard(oldCard);
    CoverOldCard.Raise(oldCard);
    IndexArrival(*newCard);
    mBuiltCards->AddCard(newCard);
    BuiltNewCard.Raise(newCard);
}

void qlPlayer::BuryCard(const CardRef& card) {
    mCardsInHand->RemoveCard(card);
    mChapelCards->AddCard(card);
}

DeckRef qlPlayer::CopyOfBuiltCards() const {
    DeckRef copy = NewDeck();
    copy->AddCards(mBuiltCards);
    return copy;
}

void qlPlayer::CopyStateFrom(const qlPlayer& other,
                             const std::function<CardRef(const CardRef&)>& counterpart) {
    mPlayerNumber = other.mPlayerNumber;
    mCardsAllowed = other.mCardsAllowed;
    mSelectedRole = other.mSelectedRole;
    mGetsRoleBenefit = other.mGetsRoleBenefit;
    mLibraryActive = other.mLibraryActive;
    mChapelCards = NewDeck(other.mChapelCards->Count());
    for (const CardRef& card : *other.mChapelCards) {
        mChapelCards->AddCard(counterpart(card));
    }
    mBuiltCards = NewDeck(other.mBuiltCards->Count());
    for (const CardRef& card : *other.mBuiltCards) {
        mBuiltCards->AddCard(counterpart(card));
    }
    IndexCity(nullptr);
    DeckRef hand = NewDeck(other.mCardsInHand->Count());
    for (const CardRef& card : *other.mCardsInHand) {
        hand->AddCard(counterpart(card));
    }
    FollowHand(std::move(hand));
}
