#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cards/Card.h"
#include "cards/qlCards.h"
#include "core/Types.h"
#include "players/GameValues.h"
#include "players/ScoreBreakdown.h"

// One seat at the table, human or computer, as plain data: its hand, city and the goods on it,
// chapel, hand limit and per-round flags, the values its buildings give and its points. A seat
// is copied with `=`.
class qlPlayer {
  public:
    qlPlayer() = default;
    // A seat of a game whose values are `game`.
    explicit qlPlayer(const GameValues& game) : mGame(game) {}

    // City operations. The phases check the rules; these only move the cards.
    void BuryCard(Card card);
    void BuildCard(Card cardBuilt);
    void BuildOverCard(Card newCard, Card oldCard);
    // One point a card buried under the Chapel; the cards lie face down, seen by their seat only.
    Integer ChapelPoints() const { return static_cast<Integer>(mChapelCards.Count()); }
    const qlCards& ChapelCards() const { return mChapelCards; }
    qlCards& ChapelCards() { return mChapelCards; }

    // The good lying on a building of the city; nothing when it has none or is not in the city.
    Card GoodOn(const qlCard& building) const;
    // Lays `good` on a building of the city, or takes its good off with nothing; a building
    // outside the city is passed over.
    void SetGood(Card building, Card good);
    // The good of each building, in city order; nothing where a building has none.
    const qlCards& CityGoods() const { return mGoods; }

    // The city's production buildings: all, those without a good, those with one.
    qlCards ProductionBuildings() const;
    qlCards OpenProductionBuildings() const;
    qlCards BuildingsWithGoods() const;
    // Which production buildings a visit takes: those with a good on them, those without one,
    // or all of them.
    enum class GoodsOn { Some, None, Any };
    // Hands `visit` each production building of the city with a good on it (`withGood`) or
    // without one, in city order, making no collection.
    template <typename Visit>
    void VisitProduction(bool withGood, Visit&& visit) const {
        VisitProduction(withGood ? GoodsOn::Some : GoodsOn::None, visit);
    }
    template <typename Visit>
    void VisitProduction(GoodsOn goods, Visit&& visit) const {
        const Card* const city = mBuiltCards.begin();
        if (!SlotsIndexed()) {
            const Card* good = mGoods.begin();
            for (const Card& building : mBuiltCards) {
                const bool hasGood = static_cast<bool>(*good++);
                if (building->BuildingType() == 0 &&
                    (goods == GoodsOn::Any || hasGood == (goods == GoodsOn::Some))) {
                    visit(building);
                }
            }
            return;
        }
        const std::uint64_t wanted = goods == GoodsOn::Some   ? mGoodSlots
                                     : goods == GoodsOn::None ? ~mGoodSlots
                                                              : ~std::uint64_t{0};
        for (std::uint64_t marks = mProductionSlots & wanted; marks != 0; marks &= marks - 1) {
            visit(city[std::countr_zero(marks)]);
        }
    }
    // The production buildings of the city, and those of them without a good.
    Long ProductionCount() const;
    Long OpenProductionCount() const;

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
    // The values of the game the seat's decisions weigh: its number of players and the
    // buildings left, as the game last gave them.
    const GameValues& Game() const { return mGame; }
    void SetGame(const GameValues& game) { mGame = game; }
    // The city itself; it changes only through BuildCard and BuildOverCard.
    const qlCards& BuiltCards() const { return mBuiltCards; }
    // The city's printed points and its violet and production buildings, kept as the city
    // changes: the score asks for them at every valuation of a crane or a palace.
    struct CityTally {
        int printed = 0;
        int violet = 0;
        int production = 0;
    };
    const CityTally& CityCounts() const { return mTally; }
    // The hand itself: the phases draw into it, pay from it and discard from it.
    const qlCards& CardsInHand() const { return mCardsInHand; }
    qlCards& CardsInHand() { return mCardsInHand; }
    void SetCardsInHand(const qlCards& hand) { mCardsInHand = hand; }
    Integer PlayerNumber() const { return mPlayerNumber; }
    void SetPlayerNumber(Integer number) { mPlayerNumber = number; }

    // Cards the seat pays to build `card`: its cost less the discount, at least 0.
    Integer GetBuildCost(const qlCard& card) const;

    // Whether the city holds a building: one test for the buildings the rules name.
    bool HasBuiltCard(RuleBuilding building) const {
        return (mCityIds & (std::uint64_t{1} << building.Id())) != 0;
    }
    bool HasBuilt(BuildingId id) const {
        return id < 64 ? (mCityIds & (std::uint64_t{1} << id)) != 0 : mBuiltCards.ContainsId(id);
    }
    bool HasBuiltName(std::string_view cardName) const {
        return HasBuilt(buildings::FindId(cardName));
    }
    bool HoldsCard(RuleBuilding building) const { return mCardsInHand.ContainsId(building.Id()); }
    bool HoldsName(std::string_view cardName) const { return mCardsInHand.ContainsName(cardName); }

    // The cards of `cardChoices` (the hand when none) that the seat can afford with
    // `lessCards` more buying power and has not built yet.
    qlCards GetBuildableCards(const qlCards& cardChoices, int lessCards) const;
    qlCards GetBuildableCards(int lessCards = 0) const {
        return GetBuildableCards(mCardsInHand, lessCards);
    }
    // Hands `visit` each card GetBuildableCards(cardChoices, lessCards) would give, in order,
    // making no collection.
    template <typename Visit>
    void VisitBuildable(const qlCards& cardChoices, int lessCards, Visit&& visit) const {
        const int productionPower = lessCards + ProductionBuildPower();
        const int violetPower = lessCards + VioletBuildPower();
        for (const Card& card : cardChoices) {
            if (Affords(*card, productionPower, violetPower)) {
                visit(card);
            }
        }
    }
    // Whether GetBuildableCards of the hand with `lessCards` would give any card; and the
    // number of production buildings carrying a good. Neither makes a collection.
    bool CanBuildFromHand(int lessCards = 0) const;
    Long GoodsOnBuildings() const;
    // The cards of `cardChoices` the human may build now with `goodsUsed` goods spent: unlike
    // GetBuildableCards it bars only a second violet building, not a second production one.
    qlCards GetHumanBuildableCards(const qlCards& cardChoices, int goodsUsed) const;
    // The first card of each building name in the hand, in hand order.
    qlCards UniqueCardsInHand() const;

    // Goods the seat may sell in one trader phase, or produce in one producer phase (1 to 4).
    Integer TradingPower(bool roleChooser, bool library) const;
    Integer ProducingPower(bool roleChooser, bool library) const;

  private:
    Integer BuildModifier(RuleBuilding costBuilding) const;
    bool Affords(const qlCard& card, int productionPower, int violetPower) const;
    void OnBuilt(const qlCard& card);
    // Indexes the city's ids without `leaving` (which may be nothing), or adds one building to
    // the ids and the tally.
    void IndexCity(Card leaving);
    void IndexArrival(const qlCard& building);
    // Counts a building into the city's tally (`sign` 1), or out of it (-1).
    void Tally(const qlCard& building, int sign);
    // The city slot of a building, or the city's size when it is not there.
    std::size_t SlotOf(const qlCard& building) const;
    // The production buildings with a good, or those without one.
    qlCards ProductionBuildingsByGood(bool withGood) const;
    // Marks the slots of the production buildings and of the goods afresh, from the city.
    void IndexSlots();
    // Whether the slot marks cover the whole city: they mark its first 64 slots only.
    bool SlotsIndexed() const { return mBuiltCards.Count() <= 64; }

    Integer mPlayerNumber = 0;
    qlCards mBuiltCards;
    // Parallel to the city: a good follows its building's slot, and goes when it is covered.
    qlCards mGoods;
    // Bit k set while the city holds a building of id k, for ids below 64; rebuilt from the
    // city whenever a building is covered, since a name may stand in it twice.
    std::uint64_t mCityIds = 0;
    // Bit s set while slot s of the city holds a production building, and while it holds a
    // good; no bit is set past the city's last slot.
    std::uint64_t mProductionSlots = 0;
    std::uint64_t mGoodSlots = 0;
    CityTally mTally;
    Integer mCardsAllowed = 7;
    bool mSelectedRole = false;
    bool mGetsRoleBenefit = false;
    GameValues mGame;
    bool mLibraryActive = false;
    qlCards mChapelCards;
    qlCards mCardsInHand;
};
