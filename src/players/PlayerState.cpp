#include "players/qlPlayer.h"

#include <algorithm>
#include <cstddef>

void qlPlayer::OnBuilt(const qlCard& card) {
    if (card.Id() == buildings::Id("Tower")) {
        mCardsAllowed = 12;
    } else if (card.Id() == buildings::Id("Library")) {
        mLibraryActive = true;
    }
}

void qlPlayer::IndexCity(Card leaving) {
    mCityIds = 0;
    for (const Card building : mBuiltCards) {
        if (building != leaving && building->Id() < 64) {
            mCityIds |= std::uint64_t{1} << building->Id();
        }
    }
}

void qlPlayer::IndexArrival(const qlCard& building) {
    if (building.Id() < 64) {
        mCityIds |= std::uint64_t{1} << building.Id();
    }
    Tally(building, 1);
}

void qlPlayer::Tally(const qlCard& building, int sign) {
    mTally.printed += sign * building.VictoryPoints();
    mTally.violet += building.BuildingType() == 1 ? sign : 0;
    mTally.production += building.BuildingType() == 0 ? sign : 0;
}

void qlPlayer::IndexSlots() {
    mProductionSlots = 0;
    mGoodSlots = 0;
    const auto indexed = std::min<std::size_t>(static_cast<std::size_t>(mBuiltCards.Count()), 64);
    for (std::size_t s = 0; s < indexed; ++s) {
        if (mBuiltCards.begin()[s]->BuildingType() == 0) {
            mProductionSlots |= std::uint64_t{1} << s;
        }
        if (mGoods.begin()[s]) {
            mGoodSlots |= std::uint64_t{1} << s;
        }
    }
}

void qlPlayer::BuildCard(Card cardBuilt) {
    OnBuilt(*cardBuilt);
    IndexArrival(*cardBuilt);
    const auto slot = static_cast<std::size_t>(mBuiltCards.Count());
    if (slot < 64 && cardBuilt->BuildingType() == 0) {
        mProductionSlots |= std::uint64_t{1} << slot;
    }
    mGoods.AddCard({});
    mBuiltCards.AddCard(cardBuilt);
}

void qlPlayer::BuildOverCard(Card newCard, Card oldCard) {
    OnBuilt(*newCard);
    IndexCity(oldCard);
    if (const std::size_t slot = SlotOf(*oldCard);
        slot < static_cast<std::size_t>(mGoods.Count())) {
        mGoods.Remove(static_cast<Long>(slot) + 1);
    }
    const Long before = mBuiltCards.Count();
    mBuiltCards.RemoveCard(oldCard);
    if (mBuiltCards.Count() < before) {
        Tally(*oldCard, -1);
    }
    IndexArrival(*newCard);
    mGoods.AddCard({});
    mBuiltCards.AddCard(newCard);
    IndexSlots();
}

std::size_t qlPlayer::SlotOf(const qlCard& building) const {
    const auto found = std::find_if(mBuiltCards.begin(), mBuiltCards.end(),
                                    [&building](Card c) { return &*c == &building; });
    return static_cast<std::size_t>(found - mBuiltCards.begin());
}

Card qlPlayer::GoodOn(const qlCard& building) const {
    return mGoods.Item(static_cast<Long>(SlotOf(building)) + 1);
}

void qlPlayer::SetGood(Card building, Card good) {
    const std::size_t slot = SlotOf(*building);
    if (slot < static_cast<std::size_t>(mGoods.Count())) {
        mGoods.begin()[slot] = good;
        if (slot < 64) {
            const std::uint64_t bit = std::uint64_t{1} << slot;
            mGoodSlots = good ? mGoodSlots | bit : mGoodSlots & ~bit;
        }
    }
}

void qlPlayer::BuryCard(Card card) {
    mCardsInHand.RemoveCard(card);
    mChapelCards.AddCard(card);
}
