// The producer and trader phases: goods laid on production buildings from the draw pile, and
// goods sold for cards at the prices of the tile turned up for the role.

#include "cards/qlCard.h"
#include "game/qlGame.h"

namespace {

constexpr std::array<const char*, 5> kGoodNames{"Indigo Plant", "Sugar Mill", "Tobacco Storage",
                                                "Coffee Roaster", "Silver Smelter"};

}  // namespace

void qlGame::ProducerPhase() {
    qlPlayer& player = *mCurrentPlayer;
    const Integer goods = player.ProducingPower(player.GetsRoleBenefit(), player.LibraryActive());
    DeckRef chosen;
    if (player.IsHuman()) {
        chosen = Ask(0, [this, &player, goods](CardChooser& chooser) {
                     chooser.SetMinAmt(0);
                     chooser.SetMaxAmt(goods);
                     chooser.SetCaption("Select buildings to produce goods...");
                     chooser.SetStartImage(3);
                     CloseWhenEmpty(chooser);
                     chooser.SetCards(player.OpenProductionBuildings());
                 })->SelectedCards();
    } else {
        chosen = player.AIChooseProductionGoods(goods);
    }
    for (const CardRef& building : *chosen) {
        // When both piles are dry the building stays without a good.
        const DeckRef good = mReserve->Deal(1);
        if (!good->Empty()) {
            building->SetGoodPresent(good->Item(1));
        }
    }
    if (chosen->Count() >= 2 && player.HasBuiltCard("Well")) {
        player.CardsInHand()->AddCards(mReserve->Deal(1));
    }
}

void qlGame::TraderPhase() {
    qlPlayer& player = *mCurrentPlayer;
    const Integer goods = player.TradingPower(player.GetsRoleBenefit(), player.LibraryActive());
    DeckRef chosen;
    if (player.IsHuman()) {
        chosen = Ask(1, [this, &player, goods](CardChooser& chooser) {
                     chooser.SetMinAmt(0);
                     chooser.SetMaxAmt(goods);
                     chooser.SetCaption("Select buildings to trade goods...");
                     chooser.SetStartImage(5);
                     CloseWhenEmpty(chooser);
                     chooser.SetCards(player.BuildingsWithGoods());
                 })->SelectedCards();
    } else {
        chosen = player.AIChooseTradingGoods(goods);
    }
    int total = 0;
    for (const CardRef& building : *chosen) {
        total += GoodValue(building->BuildingName());
        mDiscard->AddCard(building->GoodPresent());
        building->SetGoodPresent(nullptr);
    }
    if (chosen->Count() >= 2 && player.HasBuiltCard("Market Stand")) {
        ++total;
    }
    if (chosen->Count() >= 1 && player.HasBuiltCard("Market Hall")) {
        ++total;
    }
    if (total > 0) {
        player.CardsInHand()->AddCards(mReserve->Deal(total));
    }
}

void qlGame::DrawTradeTile() {
    if (!mTradeTiles) {
        mTradeTiles.emplace();
    }
    mGoodValues = mTradeTiles->GetTile();
    ++mTilesTurned;
    mTable->ShowTradePrices(mGoodValues);
}

Integer qlGame::GoodValue(const std::string& name) const {
    for (std::size_t i = 0; i < kGoodNames.size(); ++i) {
        if (name == kGoodNames[i]) {
            return mGoodValues[i];
        }
    }
    return 0;
}
