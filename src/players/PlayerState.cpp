#include "players/qlPlayer.h"

#include <algorithm>
#include <cstddef>
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

void qlPlayer::IndexCity(Card leaving) {
    mCityIds = 0;
    for (const Card& building : *mBuiltCards) {
        if (building != leaving && building->Id() < 64) {
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
void qlPlayer::BuildCard(const Card& cardBuilt) {
    OnBuilt(*cardBuilt);
    IndexArrival(*cardBuilt);
    mGoods.emplace_back();
    mBuiltCards->AddCard(cardBuilt);
    BuiltNewCard.Raise(cardBuilt);
}

void qlPlayer::BuildOverCard(const Card& newCard, const Card& oldCard) {
    OnBuilt(*newCard);
    IndexCity(oldCard);
    if (const std::size_t slot = SlotOf(*oldCard); slot < mGoods.size()) {
        mGoods.erase(mGoods.begin() + static_cast<std::ptrdiff_t>(slot));
    }
    mBuiltCards->RemoveCard(oldCard);
    CoverOldCard.Raise(oldCard);
    IndexArrival(*newCard);
    mGoods.emplace_back();
    mBuiltCards->AddCard(newCard);
    BuiltNewCard.Raise(newCard);
}

std::size_t qlPlayer::SlotOf(const qlCard& building) const {
    const auto found = std::find_if(mBuiltCards->begin(), mBuiltCards->end(),
                                    [&building](const Card& c) { return &*c == &building; });
    return static_cast<std::size_t>(found - mBuiltCards->begin());
}

const Card& qlPlayer::GoodOn(const qlCard& building) const {
    static const Card kNoGood;
    const std::size_t slot = SlotOf(building);
    return slot < mGoods.size() ? mGoods[slot] : kNoGood;
}

void qlPlayer::SetGood(const Card& building, Card good) {
    const std::size_t slot = SlotOf(*building);
    if (slot < mGoods.size()) {
        mGoods[slot] = std::move(good);
        GoodChanged.Raise(building);
    }
}

void qlPlayer::BuryCard(const Card& card) {
    mCardsInHand->RemoveCard(card);
    mChapelCards->AddCard(card);
}

DeckRef qlPlayer::CopyOfBuiltCards() const {
    DeckRef copy = NewDeck();
    copy->AddCards(mBuiltCards);
    return copy;
}

void qlPlayer::CopyStateFrom(const qlPlayer& other,
                             const std::function<Card(const Card&)>& counterpart) {
    mPlayerNumber = other.mPlayerNumber;
    mCardsAllowed = other.mCardsAllowed;
    mSelectedRole = other.mSelectedRole;
    mGetsRoleBenefit = other.mGetsRoleBenefit;
    mLibraryActive = other.mLibraryActive;
    mChapelCards = NewDeck(other.mChapelCards->Count());
    for (const Card& card : *other.mChapelCards) {
        mChapelCards->AddCard(counterpart(card));
    }
    mBuiltCards = NewDeck(other.mBuiltCards->Count());
    for (const Card& card : *other.mBuiltCards) {
        mBuiltCards->AddCard(counterpart(card));
    }
    mGoods.clear();
    for (const Card& good : other.mGoods) {
        mGoods.push_back(good ? counterpart(good) : Card{});
    }
    IndexCity({});
    DeckRef hand = NewDeck(other.mCardsInHand->Count());
    for (const Card& card : *other.mCardsInHand) {
        hand->AddCard(counterpart(card));
    }
    FollowHand(std::move(hand));
}
