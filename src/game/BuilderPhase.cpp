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
    qlPlayer& player = Player(mState.currentPlayer);
    if (player.CardsInHand().Empty()) {
        if (IsHuman(player.PlayerNumber())) {
            mTable->ShowMessage(1, 1, "You have nothing to build...");
        }
        Tell([&] { return table_events::NothingBuilt(player); });
        return;
    }
    if (player.HasBuiltCard("Crane") && player.BuiltCards().Count() >= 2) {
        Await(DecisionKind::CraneCover);
        return;
    }
    AfterCrane(qlCards());
}

void qlGame::AfterCrane(const qlCards& cover) {
    qlPlayer& player = Player(mState.currentPlayer);
    mState.turn.covered = cover.Count() == 1 ? cover.Item(1) : Card{};
    if (player.HasBuiltCard("Black Market") && player.BuildingsWithGoods().Count() >= 1) {
        Await(DecisionKind::BlackMarket);
        return;
    }
    AfterBlackMarket(qlCards());
}

void qlGame::AfterBlackMarket(const qlCards& goods) {
    for (const Card& building : goods) {
        ++mState.turn.goodsUsed;
        DiscardGood(Player(mState.currentPlayer), building);
    }
    Await(DecisionKind::Build);
}

std::optional<Integer> qlGame::BuildSavings() const {
    if (mState.step != RulesStep::Decide || mState.awaiting != DecisionKind::Build) {
        return std::nullopt;
    }
    return static_cast<Integer>(mState.turn.goodsUsed +
                                (mState.turn.covered ? mState.turn.covered->Cost() : 0));
}

void qlGame::ChooseBuilding(const qlCards& choice) {
    qlPlayer& player = Player(mState.currentPlayer);
    if (choice.Empty()) {
        Tell([&] { return table_events::NothingBuilt(player); });
        mState.step = RulesStep::TurnDone;
        return;
    }
    mState.turn.building = choice.Item(1);
    player.CardsInHand().RemoveCard(mState.turn.building);
    if (!mSilent) {
        mTable->HandChanged(player);
    }
    const Integer craneCredit = mState.turn.covered ? mState.turn.covered->Cost() : Integer{0};
    mState.turn.cost = static_cast<Integer>(std::max(
        0, player.GetBuildCost(*mState.turn.building) - mState.turn.goodsUsed - craneCredit));
    if (mState.turn.cost > 0) {
        Await(DecisionKind::Payment);
        return;
    }
    FinishBuild({});
}

void qlGame::FinishBuild(const qlCards& payment) {
    qlPlayer& player = Player(mState.currentPlayer);
    if (!payment.Empty()) {
        mState.discard.AddCards(payment);
        player.CardsInHand().RemoveCards(payment);
        ShowCards(player);
    }
    const Card building = mState.turn.building;
    // Made before the build changes the city; told once the build is done and paid for.
    std::optional<TableEvent> told;
    if (mTable->FollowsEvents()) {
        told =
            table_events::BuildCost(player, *building, mState.turn.covered, mState.turn.goodsUsed);
    }
    Build(player, building, mState.turn.covered);
    const Long handBefore = player.CardsInHand().Count();
    DrawAfterBuilding(player, building);
    WriteGameLog([&] {
        return "Player " + std::to_string(player.PlayerNumber()) +
               " Built: " + building->BuildingName();
    });
    if (told) {
        mTable->ShowEvent(
            table_events::Built(std::move(*told), IsHuman(player.PlayerNumber()), payment,
                                static_cast<int>(player.CardsInHand().Count() - handBefore)));
    }
    mState.step = RulesStep::TurnDone;
}

void qlGame::Build(qlPlayer& player, const Card& building, const Card& covered) {
    if (!covered) {
        player.BuildCard(building);
        Built(player, building);
        return;
    }
    LogOverBuild(player, " Ready To OverBuild", Card{});
    // A covered building leaves the city with its slot: its good is discarded first.
    DiscardGood(player, covered);
    player.BuildOverCard(building, covered);
    ++mState.coveredCount;
    if (!mSilent) {
        mTable->CardCovered(player, covered);
    }
    Built(player, building);
    LogOverBuild(player, " OverBuilt: ", covered);
}

// The game ends once a city holds twelve buildings.
void qlGame::Built(const qlPlayer& player, Card building) {
    if (player.BuiltCards().Count() == 12) {
        mState.gameOver = true;
    }
    if (!mSilent) {
        mTable->CardBuilt(player, building);
    }
}

void qlGame::DrawAfterBuilding(qlPlayer& player, const Card& building) {
    if (player.HasBuiltCard("Carpenter") && building->BuildingType() == 1 &&
        building->Id() != buildings::Id("Carpenter")) {
        DrawInto(player);
        ShowCards(player);
    }
    if (player.HasBuiltCard("Poor House") && player.CardsInHand().Count() < 2 &&
        building->Id() != buildings::Id("Poor House")) {
        DrawInto(player);
        ShowCards(player);
    }
}
