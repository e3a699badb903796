// The builder phase of one seat: the crane and the black market first, then one building
// paid for from the hand, then the carpenter's and the poor house's cards.

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "cards/qlCard.h"
#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::BuilderPhase() {
    qlPlayer& player = *mCurrentPlayer;
    if (player.CardsInHand()->Empty()) {
        if (player.IsHuman()) {
            mTable->ShowMessage(1, 1, "You have nothing to build...");
        }
        Tell([&] { return table_events::NothingBuilt(player); });
        return;
    }
    const CardRef covered = ChooseBuildingToCover(player);
    const Integer goodsUsed = SpendGoodsAtBlackMarket(player);
    // A copy taken while the seat decides what to build finishes the build from here.
    mPendingBuild = PendingBuild{covered, goodsUsed};
    const DeckRef choice = DeciderOf(player).Building(*this, player, Savings(*mPendingBuild));
    mPendingBuild.reset();
    FinishBuild(player, choice, covered, goodsUsed);
}

Integer qlGame::Savings(const PendingBuild& build) {
    return static_cast<Integer>(build.goodsUsed + (build.covered ? build.covered->Cost() : 0));
}

std::optional<Integer> qlGame::BuildSavings() const {
    if (!mPendingBuild) {
        return std::nullopt;
    }
    return Savings(*mPendingBuild);
}

void qlGame::ResumeBuild() {
    const PendingBuild build = *std::exchange(mPendingBuild, std::nullopt);
    qlPlayer& player = *mCurrentPlayer;
    FinishBuild(player, DeciderOf(player).Building(*this, player, Savings(build)), build.covered,
                build.goodsUsed);
}

void qlGame::FinishBuild(qlPlayer& player, const DeckRef& choice, const CardRef& covered,
                         Integer goodsUsed) {
    if (choice->Empty()) {
        Tell([&] { return table_events::NothingBuilt(player); });
        return;
    }
    const CardRef building = choice->Item(1);
    player.CardsInHand()->RemoveCard(building);
    // Made before the build changes the city; told once the build is done and paid for.
    std::optional<TableEvent> told;
    if (mTable->FollowsEvents()) {
        told = table_events::BuildCost(player, *building, covered, goodsUsed);
    }
    const Integer craneCredit = covered ? covered->Cost() : Integer{0};
    const int cost = std::max(0, player.GetBuildCost(*building) - goodsUsed - craneCredit);
    DeckRef payment;
    if (cost > 0) {
        payment = DeciderOf(player).Payment(*this, player, static_cast<Integer>(cost));
        mDiscard->AddCards(payment);
        player.CardsInHand()->RemoveCards(payment);
    }
    Build(player, building, covered);
    const Long handBefore = player.CardsInHand()->Count();
    DrawAfterBuilding(player, building);
    WriteGameLog([&] {
        return "Player " + std::to_string(player.PlayerNumber()) +
               " Built: " + building->BuildingName();
    });
    if (told) {
        mTable->ShowEvent(
            table_events::Built(std::move(*told), player, payment,
                                static_cast<int>(player.CardsInHand()->Count() - handBefore)));
    }
}

CardRef qlGame::ChooseBuildingToCover(qlPlayer& player) {
    if (!player.HasBuiltCard("Crane") || player.BuiltCards()->Count() < 2) {
        return nullptr;
    }
    const DeckRef selection = DeciderOf(player).CraneCover(*this, player, mRandom);
    return selection->Count() == 1 ? selection->Item(1) : nullptr;
}

Integer qlGame::SpendGoodsAtBlackMarket(qlPlayer& player) {
    const Long withGoods = player.BuildingsWithGoods()->Count();
    if (!player.HasBuiltCard("Black Market") || withGoods < 1) {
        return 0;
    }
    const DeckRef selection = DeciderOf(player).BlackMarketGoods(
        *this, player, static_cast<Integer>(std::min<Long>(withGoods, 2)));
    Integer goodsUsed = 0;
    for (const CardRef& building : *selection) {
        ++goodsUsed;
        mDiscard->AddCard(building->GoodPresent());
        building->SetGoodPresent(nullptr);
    }
    return goodsUsed;
}

void qlGame::Build(qlPlayer& player, const CardRef& building, const CardRef& covered) {
    if (!covered) {
        player.BuildCard(building);
        return;
    }
    LogOverBuild(player, " Ready To OverBuild", nullptr);
    player.BuildOverCard(building, covered);
    LogOverBuild(player, " OverBuilt: ", covered);
}

void qlGame::DrawAfterBuilding(qlPlayer& player, const CardRef& building) {
    if (player.HasBuiltCard("Carpenter") && building->BuildingType() == 1 &&
        building->BuildingName() != "Carpenter") {
        player.CardsInHand()->AddCards(Draw(1));
    }
    if (player.HasBuiltCard("Poor House") && player.CardsInHand()->Count() < 2 &&
        building->BuildingName() != "Poor House") {
        player.CardsInHand()->AddCards(Draw(1));
    }
}
