// The builder phase of one seat: the crane and the black market first, then one building
// paid for from the hand, then the carpenter's and the poor house's cards.

#include <algorithm>
#include <string>
#include <utility>

#include "cards/qlCard.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

void qlGame::BuilderPhase() {
    qlPlayer& player = *mCurrentPlayer;
    if (player.CardsInHand()->Empty()) {
        if (player.IsHuman()) {
            mTable->ShowMessage(1, 1, "You have nothing to build...");
        }
        return;
    }
    const CardRef covered = ChooseBuildingToCover(player);
    const Integer goodsUsed = SpendGoodsAtBlackMarket(player);
    // A copy taken while the seat decides what to build finishes the build from here.
    mPendingBuild = PendingBuild{covered, goodsUsed};
    const DeckRef choice = ChooseBuilding(player, Savings(*mPendingBuild));
    mPendingBuild.reset();
    FinishBuild(player, choice, covered, goodsUsed);
}

Integer qlGame::Savings(const PendingBuild& build) {
    return static_cast<Integer>(build.goodsUsed + (build.covered ? build.covered->Cost() : 0));
}

void qlGame::ResumeBuild() {
    const PendingBuild build = *std::exchange(mPendingBuild, std::nullopt);
    qlPlayer& player = *mCurrentPlayer;
    FinishBuild(player, ChooseBuilding(player, Savings(build)), build.covered, build.goodsUsed);
    mRoleChooser->SetGetsRoleBenefit(false);
}

void qlGame::FinishBuild(qlPlayer& player, const DeckRef& choice, const CardRef& covered,
                         Integer goodsUsed) {
    if (choice->Empty()) {
        return;
    }
    const CardRef building = choice->Item(1);
    player.CardsInHand()->RemoveCard(building);
    const Integer craneCredit = covered ? covered->Cost() : Integer{0};
    const int cost = std::max(0, player.GetBuildCost(*building) - goodsUsed - craneCredit);
    if (cost > 0) {
        const DeckRef payment = ChoosePayment(player, static_cast<Integer>(cost));
        mDiscard->AddCards(payment);
        player.CardsInHand()->RemoveCards(payment);
    }
    Build(player, building, covered);
    DrawAfterBuilding(player, building);
    WriteGameLog("Player " + std::to_string(player.PlayerNumber()) +
                 " Built: " + building->BuildingName());
}

CardRef qlGame::ChooseBuildingToCover(qlPlayer& player) {
    if (!player.HasBuiltCard("Crane") || player.BuiltCards()->Count() < 2) {
        return nullptr;
    }
    DeckRef selection;
    if (player.IsHuman()) {
        selection = Ask(0, [&player](CardChooser& chooser) {
                        chooser.SetMinAmt(0);
                        chooser.SetMaxAmt(1);
                        chooser.SetCaption("Use crane to build over building?");
                        chooser.SetStartImage(1);
                        chooser.SetCards(player.CopyOfBuiltCards());
                        chooser.RemoveCrane();
                    })->SelectedCards();
    } else {
        selection = player.AIUseCrane();
    }
    return selection->Count() == 1 ? selection->Item(1) : nullptr;
}

Integer qlGame::SpendGoodsAtBlackMarket(qlPlayer& player) {
    const Long withGoods = player.BuildingsWithGoods()->Count();
    if (!player.HasBuiltCard("Black Market") || withGoods < 1) {
        return 0;
    }
    DeckRef selection;
    if (player.IsHuman()) {
        selection = Ask(0, [&player, withGoods](CardChooser& chooser) {
                        chooser.SetMinAmt(0);
                        chooser.SetMaxAmt(static_cast<Integer>(std::min<Long>(withGoods, 2)));
                        chooser.SetCaption("Select black market goods...");
                        chooser.SetStartImage(1);
                        chooser.SetCards(player.BuildingsWithGoods());
                    })->SelectedCards();
    } else {
        selection = player.AIBlackMarket();
    }
    Integer goodsUsed = 0;
    for (const CardRef& building : *selection) {
        ++goodsUsed;
        mDiscard->AddCard(building->GoodPresent());
        building->SetGoodPresent(nullptr);
    }
    return goodsUsed;
}

DeckRef qlGame::ChooseBuilding(qlPlayer& player, Integer savings) {
    if (mForcedBuild) {
        const std::string name = *std::exchange(mForcedBuild, std::nullopt);
        DeckRef choice = NewDeck();
        if (const DeckRef named = player.CardsInHand()->GetCardsByName(name); !named->Empty()) {
            choice->AddCard(named->Item(1));
        }
        return choice;
    }
    if (player.IsHuman()) {
        return Ask(0,
                   [this, &player, savings](CardChooser& chooser) {
                       chooser.SetCaption("Select Card to Build...");
                       chooser.SetStartImage(1);
                       CloseWhenEmpty(chooser);
                       chooser.AddCards(player.CardsInHand());
                       chooser.EnableBuildMode(player, savings);
                   })
            ->SelectedCards();
    }
    if (const auto& strong = mStrongPlayers[player.PlayerNumber() - 1]) {
        return strong->ChooseBuilding(*this, *mTable, player, savings);
    }
    return player.AIGetCardToBuild(savings);
}

DeckRef qlGame::ChoosePayment(qlPlayer& player, Integer cost) {
    if (!player.IsHuman()) {
        return player.AIGetBuildPaymentCards(cost);
    }
    return Ask(0,
               [&player, cost](CardChooser& chooser) {
                   chooser.SetMaxAmt(cost);
                   chooser.SetMinAmt(cost);
                   chooser.SetCaption("Select Cards to Discard...");
                   chooser.SetStartImage(1);
                   chooser.SetCards(player.CardsInHand());
               })
        ->SelectedCards();
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
        player.CardsInHand()->AddCards(mReserve->Deal(1));
    }
    if (player.HasBuiltCard("Poor House") && player.CardsInHand()->Count() < 2 &&
        building->BuildingName() != "Poor House") {
        player.CardsInHand()->AddCards(mReserve->Deal(1));
    }
}
