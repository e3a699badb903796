#include "players/qlPlayer.h"

#include <algorithm>
#include <cstdint>

namespace {

// The bits set in the marks of a city's slots: a few, counted one by one.
Long CountOf(std::uint64_t marks) {
    Long count = 0;
    for (; marks != 0; marks &= marks - 1) {
        ++count;
    }
    return count;
}

// The goods one phase handles: one, the privilege's second, the Library's third, and one more
// from the building that widens the phase.
Integer PhasePower(const qlPlayer& player, bool roleChooser, bool library, RuleBuilding building) {
    int power = 1;
    if (roleChooser) {
        power = library ? 3 : 2;
    }
    if (player.HasBuiltCard(building)) {
        ++power;
    }
    return static_cast<Integer>(power);
}

}  // namespace

qlCards qlPlayer::ProductionBuildings() const {
    qlCards result;
    for (const Card& card : mBuiltCards) {
        if (card->BuildingType() == 0) {
            result.AddCard(card);
        }
    }
    return result;
}

qlCards qlPlayer::ProductionBuildingsByGood(bool withGood) const {
    qlCards result;
    VisitProduction(withGood, [&result](const Card& building) { result.AddCard(building); });
    return result;
}

qlCards qlPlayer::OpenProductionBuildings() const {
    return ProductionBuildingsByGood(false);
}

qlCards qlPlayer::BuildingsWithGoods() const {
    return ProductionBuildingsByGood(true);
}

Long qlPlayer::ProductionCount() const {
    if (!SlotsIndexed()) {
        return static_cast<Long>(std::count_if(mBuiltCards.begin(), mBuiltCards.end(),
                                               [](Card b) { return b->BuildingType() == 0; }));
    }
    return CountOf(mProductionSlots);
}

Long qlPlayer::OpenProductionCount() const {
    Long open = 0;
    VisitProduction(false, [&open](const Card&) { ++open; });
    return open;
}

Integer qlPlayer::BuildModifier(RuleBuilding costBuilding) const {
    int modifier = HasBuiltCard(costBuilding) ? 1 : 0;
    if (mGetsRoleBenefit) {
        modifier += HasBuiltCard("Library") && mLibraryActive ? 2 : 1;
    }
    return static_cast<Integer>(modifier);
}

Integer qlPlayer::ProductionBuildModifier() const {
    return BuildModifier("Smithy");
}

Integer qlPlayer::VioletBuildModifier() const {
    return BuildModifier("Quarry");
}

Integer qlPlayer::ProductionBuildPower() const {
    return static_cast<Integer>(mCardsInHand.Count() - 1 + ProductionBuildModifier());
}

Integer qlPlayer::VioletBuildPower() const {
    return static_cast<Integer>(mCardsInHand.Count() - 1 + VioletBuildModifier());
}

Integer qlPlayer::TradingPower(bool roleChooser, bool library) const {
    return PhasePower(*this, roleChooser, library, "Trading Post");
}

Integer qlPlayer::ProducingPower(bool roleChooser, bool library) const {
    return PhasePower(*this, roleChooser, library, "Aqueduct");
}

Integer qlPlayer::GetBuildCost(const qlCard& card) const {
    const int modifier =
        card.BuildingType() == 0 ? ProductionBuildModifier() : VioletBuildModifier();
    return static_cast<Integer>(std::max(0, card.Cost() - modifier));
}

// The test behind GetBuildableCards, for one card at the given buying powers.
bool qlPlayer::Affords(const qlCard& card, int productionPower, int violetPower) const {
    const Long type = card.BuildingType();
    if (type != 0 && type != 1) {
        return false;
    }
    return card.Cost() <= (type == 0 ? productionPower : violetPower) && !HasBuilt(card.Id());
}

qlCards qlPlayer::GetBuildableCards(const qlCards& cardChoices, int lessCards) const {
    qlCards result;
    VisitBuildable(cardChoices, lessCards, [&result](const Card& card) { result.AddCard(card); });
    return result;
}

bool qlPlayer::CanBuildFromHand(int lessCards) const {
    const int productionPower = lessCards + ProductionBuildPower();
    const int violetPower = lessCards + VioletBuildPower();
    return std::any_of(mCardsInHand.begin(), mCardsInHand.end(), [&](const Card& card) {
        return Affords(*card, productionPower, violetPower);
    });
}

Long qlPlayer::GoodsOnBuildings() const {
    if (!SlotsIndexed()) {
        Long goods = 0;
        VisitProduction(true, [&goods](const Card&) { ++goods; });
        return goods;
    }
    return CountOf(mProductionSlots & mGoodSlots);
}

qlCards qlPlayer::GetHumanBuildableCards(const qlCards& cardChoices, int goodsUsed) const {
    const int productionPower = goodsUsed + ProductionBuildPower();
    const int violetPower = goodsUsed + VioletBuildPower();
    qlCards result;
    for (const Card& card : cardChoices) {
        if (card->BuildingType() == 1 && HasBuilt(card->Id())) {
            continue;
        }
        if (card->Cost() <= (card->BuildingType() == 0 ? productionPower : violetPower)) {
            result.AddCard(card);
        }
    }
    return result;
}

qlCards qlPlayer::UniqueCardsInHand() const {
    qlCards result;
    for (const Card& card : mCardsInHand) {
        if (!result.ContainsId(card->Id())) {
            result.AddCard(card);
        }
    }
    return result;
}
