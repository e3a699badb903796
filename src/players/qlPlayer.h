#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/CardRefs.h"
#include "cards/qlCards.h"
#include "core/Event.h"
#include "core/Types.h"
#include "players/GameValues.h"
#include "players/ScoreBreakdown.h"

// One seat at the table, human or computer: its hand, city and the goods on it, chapel, hand
// limit and per-round flags, the values its buildings give and its points.
class qlPlayer {
  public:
    // A seat of the game whose values are `game`: the computer seat's decisions weigh its
    // number of players and the buildings left, read there as the game moves on.
    explicit qlPlayer(const GameValues& game);
    qlPlayer(const qlPlayer&) = delete;
    qlPlayer& operator=(const qlPlayer&) = delete;

    // Takes on every piece of `other`'s state but its subscribers, with each
    // card replaced by `counterpart(card)`: the seat of a copied game.
    void CopyStateFrom(const qlPlayer& other, const std::function<Card(const Card&)>& counterpart);

    // City operations. The phases check the rules; these only move the cards and notify.
    void BuryCard(const Card& card);
    void BuildCard(const Card& cardBuilt);
    void BuildOverCard(const Card& newCard, const Card& oldCard);
    // One point a card buried under the Chapel; the cards lie face down, seen by their seat only.
    Integer ChapelPoints() const { return static_cast<Integer>(mChapelCards->Count()); }
    const DeckRef& ChapelCards() const { return mChapelCards; }
    DeckRef CopyOfBuiltCards() const;

    // The good lying on a building of the city; nothing when it has none or is not in the city.
    const Card& GoodOn(const qlCard& building) const;
    // Lays `good` on a building of the city, or takes its good off with nothing, and raises
    // GoodChanged; a building outside the city is passed over.
    void SetGood(const Card& building, Card good);
    // The good of each building, in city order; nothing where a building has none.
    const std::vector<Card>& CityGoods() const { return mGoods; }

    // The city's production buildings: all, those without a good, those with one.
    DeckRef ProductionBuildings() const;
    DeckRef OpenProductionBuildings() const;
    DeckRef BuildingsWithGoods() const;

    // Victory points of the city and the chapel, computed afresh on every call.
    Integer Points() const;
    // The same points part by part: printed points, chapel cards, each violet bonus.
    ScoreBreakdown PointsBreakdown() const;

    // Discounts (0 to 3) and the highest cost the hand can pay, per kind of building.
    Integer ProductionBuildModifier() const;
    Integer VioletBuildModifier() const;
    Integer ProductionBuildPower() const;
    Integer VioletBuildPower() const;

    bool GetsRoleBenefit() const { return mGetsRoleBenefit; }
    void SetGetsRoleBenefit(bool value) { mGetsRoleBenefit = value; }
    bool LibraryActive() const { return mLibraryActive; }
    void SetLibraryActive(bool value) { mLibraryActive = value; }
    bool SelectedRole() const { return mSelectedRole; }
    void SetSelectedRole(bool value) { mSelectedRole = value; }
    Integer CardsAllowed() const { return mCardsAllowed; }
    const GameValues& Game() const { return *mGame; }
    // The city itself; it changes only through BuildCard and BuildOverCard.
    const DeckRef& BuiltCards() const { return mBuiltCards; }
    // The hand itself: the phases draw into it, pay from it and discard from it.
    const DeckRef& CardsInHand() const { return mCardsInHand; }
    void SetCardsInHand(DeckRef hand);  // follows the new hand's size; nothing means empty
    Integer PlayerNumber() const { return mPlayerNumber; }
    void SetPlayerNumber(Integer number) { mPlayerNumber = number; }

    // Cards the seat pays to build `card`: its cost less the discount, at least 0.
    Integer GetBuildCost(const qlCard& card) const;

    // Whether the city holds a building: one test for the buildings the rules name.
    bool HasBuiltCard(RuleBuilding building) const {
        return (mCityIds & (std::uint64_t{1} << building.Id())) != 0;
    }
    bool HasBuilt(BuildingId id) const {
        return id < 64 ? (mCityIds & (std::uint64_t{1} << id)) != 0 : mBuiltCards->ContainsId(id);
    }
    bool HasBuiltName(std::string_view cardName) const {
        return HasBuilt(buildings::FindId(cardName));
    }
    bool HoldsCard(RuleBuilding building) const { return mCardsInHand->ContainsId(building.Id()); }
    bool HoldsName(std::string_view cardName) const { return mCardsInHand->ContainsName(cardName); }

    // The cards of `cardChoices` (the hand when none) that the seat can afford with
    // `lessCards` more buying power and has not built yet.
    DeckRef GetBuildableCards(const DeckRef& cardChoices = nullptr, int lessCards = 0) const;
    // Whether GetBuildableCards of the hand with `lessCards` would give any card; and the
    // number of production buildings carrying a good. Neither makes a collection.
    bool CanBuildFromHand(int lessCards = 0) const;
    Long GoodsOnBuildings() const;
    // The cards of `cardChoices` the human may build now with `goodsUsed` goods spent: unlike
    // GetBuildableCards it bars only a second violet building, not a second production one.
    DeckRef GetHumanBuildableCards(const qlCards& cardChoices, int goodsUsed) const;
    // The first card of each building name in the hand, in hand order.
    DeckRef UniqueCardsInHand() const;

    // Goods the seat may sell in one trader phase, or produce in one producer phase (1 to 4).
    Integer TradingPower(bool roleChooser, bool library) const;
    Integer ProducingPower(bool roleChooser, bool library) const;

    Event<const DeckRef&> PlayersCardsChanged;
    Event<const Card&> BuiltNewCard;
    Event<const Card&> CoverOldCard;
    // The building whose good came or went.
    Event<const Card&> GoodChanged;

  private:
    Integer BuildModifier(RuleBuilding costBuilding) const;
    bool Affords(const qlCard& card, int productionPower, int violetPower) const;
    void OnBuilt(const qlCard& card);
    // Indexes the city without `leaving` (which may be nothing), or adds one building to it.
    void IndexCity(Card leaving);
    void IndexArrival(const qlCard& building);
    // The city slot of a building, or the city's size when it is not there.
    std::size_t SlotOf(const qlCard& building) const;
    DeckRef ProductionBuildingsWhere(bool (*keep)(const Card& good)) const;
    void FollowHand(DeckRef hand);

    Integer mPlayerNumber = 0;
    DeckRef mBuiltCards;
    // Parallel to the city: a good follows its building's slot, and goes when it is covered.
    std::vector<Card> mGoods;
    // Bit k set while the city holds a building of id k, for ids below 64; rebuilt from the
    // city whenever a building is covered, since a name may stand in it twice.
    std::uint64_t mCityIds = 0;
    Integer mCardsAllowed = 7;
    bool mSelectedRole = false;
    bool mGetsRoleBenefit = false;
    const GameValues* mGame;
    bool mLibraryActive = false;
    DeckRef mChapelCards;
    DeckRef mCardsInHand;
    Subscription mHandSubscription;
};
