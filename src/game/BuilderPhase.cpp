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
    qlPlayer& player = Player(mCurrentPlayer);
    if (player.CardsInHand()->Empty()) {
        if (IsHuman(player.PlayerNumber())) {
            mTable->ShowMessage(1, 1, "You have nothing to build...");
        }
        Tell([&] { return table_events::NothingBuilt(player); });
        return;
    }
    if (player.HasBuiltCard("Crane") && player.BuiltCards()->Count() >= 2) {
        Await(DecisionKind::CraneCover);
        return;
    }
    AfterCrane(NewDeck());
}

void qlGame::AfterCrane(const DeckRef& cover) {
    qlPlayer& player = Player(mCurrentPlayer);
    mTurn.covered = cover->Count() == 1 ? cover->Item(1) : Card{};
    if (player.HasBuiltCard("Black Market") && player.BuildingsWithGoods()->Count() >= 1) {
        Await(DecisionKind::BlackMarket);
        return;
    }
    AfterBlackMarket(NewDeck());
}

void qlGame::AfterBlackMarket(const DeckRef& goods) {
    for (const Card& building : *goods) {
        ++mTurn.goodsUsed;
        DiscardGood(Player(mCurrentPlayer), building);
    }
    Await(DecisionKind::Build);
}

std::optional<Integer> qlGame::BuildSavings() const {
    if (mStep != Step::Decide || mAwaiting != DecisionKind::Build) {
        return std::nullopt;
    }
    return static_cast<Integer>(mTurn.goodsUsed + (mTurn.covered ? mTurn.covered->Cost() : 0));
}

void qlGame::ChooseBuilding(const DeckRef& choice) {
    qlPlayer& player = Player(mCurrentPlayer);
    if (choice->Empty()) {
        Tell([&] { return table_events::NothingBuilt(player); });
        mStep = Step::TurnDone;
        return;
    }
    mTurn.building = choice->Item(1);
    player.CardsInHand()->RemoveCard(mTurn.building);
    const Integer craneCredit = mTurn.covered ? mTurn.covered->Cost() : Integer{0};
    mTurn.cost = static_cast<Integer>(
        std::max(0, player.GetBuildCost(*mTurn.building) - mTurn.goodsUsed - craneCredit));
    if (mTurn.cost > 0) {
        Await(DecisionKind::Payment);
        return;
    }
    FinishBuild(nullptr);
}

void qlGame::FinishBuild(const DeckRef& payment) {
    qlPlayer& player = Player(mCurrentPlayer);
    if (payment) {
        mDiscard->AddCards(payment);
        player.CardsInHand()->RemoveCards(payment);
    }
    const Card building = mTurn.building;
    // Made before the build changes the city; told once the build is done and paid for.
    std::optional<TableEvent> told;
    if (mTable->FollowsEvents()) {
        told = table_events::BuildCost(player, *building, mTurn.covered, mTurn.goodsUsed);
    }
    Build(player, building, mTurn.covered);
    const Long handBefore = player.CardsInHand()->Count();
    DrawAfterBuilding(player, building);
    WriteGameLog([&] {
        return "Player " + std::to_string(player.PlayerNumber()) +
               " Built: " + building->BuildingName();
    });
    if (told) {
        mTable->ShowEvent(
            table_events::Built(std::move(*told), IsHuman(player.PlayerNumber()), payment,
                                static_cast<int>(player.CardsInHand()->Count() - handBefore)));
    }
    mStep = Step::TurnDone;
}

void qlGame::Build(qlPlayer& player, const Card& building, const Card& covered) {
    if (!covered) {
        player.BuildCard(building);
        return;
    }
    LogOverBuild(player, " Ready To OverBuild", Card{});
    // A covered building leaves the city with its slot: its good is discarded first.
    DiscardGood(player, covered);
    player.BuildOverCard(building, covered);
    LogOverBuild(player, " OverBuilt: ", covered);
}

void qlGame::DrawAfterBuilding(qlPlayer& player, const Card& building) {
    if (player.HasBuiltCard("Carpenter") && building->BuildingType() == 1 &&
        building->BuildingName() != "Carpenter") {
        player.CardsInHand()->AddCards(Draw(1));
    }
    if (player.HasBuiltCard("Poor House") && player.CardsInHand()->Count() < 2 &&
        building->BuildingName() != "Poor House") {
        player.CardsInHand()->AddCards(Draw(1));
    }
}
