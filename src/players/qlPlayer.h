#pragma once

#include <string>

#include "cards/CardRefs.h"
#include "cards/qlCards.h"
#include "core/Event.h"
#include "core/Types.h"

// One seat at the table, human or computer: its hand, city, chapel, hand limit and per-round
// flags, the values its buildings give, its points, and the computer seat's decisions.
class qlPlayer {
  public:
    qlPlayer();
    qlPlayer(const qlPlayer&) = delete;
    qlPlayer& operator=(const qlPlayer&) = delete;

    // City operations. The phases check the rules; these only move the cards and notify.
    void BuryCard(const CardRef& card);
    void BuildCard(const CardRef& cardBuilt);
    void BuildOverCard(const CardRef& newCard, const CardRef& oldCard);
    Integer ChapelPoints() const { return mChapelCount; }
    DeckRef CopyOfBuiltCards() const;

    // The city's production buildings: all, those without a good, those with one.
    DeckRef ProductionBuildings() const;
    DeckRef OpenProductionBuildings() const;
    DeckRef BuildingsWithGoods() const;

    // Victory points of the city and the chapel, computed afresh on every call.
    Integer Points() const;

    // Discounts (0 to 3) and the highest cost the hand can pay, per kind of building.
    Integer ProductionBuildModifier() const;
    Integer VioletBuildModifier() const;
    Integer ProductionBuildPower() const;
    Integer VioletBuildPower() const;

    bool GetsRoleBenefit() const { return mGetsRoleBenefit; }
    void SetGetsRoleBenefit(bool value) { mGetsRoleBenefit = value; }
    bool IsHuman() const { return mIsHuman; }
    void SetIsHuman(bool value) { mIsHuman = value; }
    bool LibraryActive() const { return mLibraryActive; }
    void SetLibraryActive(bool value) { mLibraryActive = value; }
    bool SelectedRole() const { return mSelectedRole; }
    void SetSelectedRole(bool value) { mSelectedRole = value; }
    Integer CardsAllowed() const { return mCardsAllowed; }
    qlPlayer* NextPlayer() const { return mNextPlayer; }
    void SetNextPlayer(qlPlayer* player) { mNextPlayer = player; }
    // The city itself; it changes only through BuildCard and BuildOverCard.
    const DeckRef& BuiltCards() const { return mBuiltCards; }
    // The hand itself: the phases draw into it, pay from it and discard from it.
    const DeckRef& CardsInHand() const { return mCardsInHand; }
    void SetCardsInHand(DeckRef hand);  // follows the new hand's size; nothing means empty
    Integer PlayerNumber() const { return mPlayerNumber; }
    void SetPlayerNumber(Integer number) { mPlayerNumber = number; }

    // Cards the seat pays to build `card`: its cost less the discount, at least 0.
    Integer GetBuildCost(const qlCard& card) const;

    bool HasBuiltCard(const std::string& cardName) const;
    bool HoldsCard(const std::string& cardName) const;

    // The cards of `cardChoices` (the hand when none) that the seat can afford with
    // `lessCards` more buying power and has not built yet.
    DeckRef GetBuildableCards(const DeckRef& cardChoices = nullptr, int lessCards = 0) const;
    // The cards of `cardChoices` the human may build now with `goodsUsed` goods spent: unlike
    // GetBuildableCards it bars only a second violet building, not a second production one.
    DeckRef GetHumanBuildableCards(const qlCards& cardChoices, int goodsUsed) const;
    // The first card of each building name in the hand, in hand order.
    DeckRef UniqueCardsInHand() const;

    Event<const DeckRef&> PlayersCardsChanged;
    Event<const CardRef&> BuiltNewCard;
    Event<const CardRef&> CoverOldCard;

  private:
    Integer BuildModifier(const char* costBuilding) const;
    void OnBuilt(const qlCard& card);
    void FollowHand(DeckRef hand);

    Integer mPlayerNumber = 0;
    DeckRef mBuiltCards;
    Integer mCardsAllowed = 7;
    bool mIsHuman = false;
    bool mSelectedRole = false;
    bool mGetsRoleBenefit = false;
    qlPlayer* mNextPlayer = nullptr;
    bool mLibraryActive = false;
    Integer mChapelCount = 0;
    DeckRef mCardsInHand;
    Subscription mHandSubscription;
};
