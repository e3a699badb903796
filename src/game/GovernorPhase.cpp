// The governor phase of one seat: its library wakes, it may bury a card under its chapel, and
// it cuts its hand to the limit (4 in the first round).

#include <string>

#include "game/TableEvents.h"
#include "game/qlGame.h"

namespace {

Integer HandLimitOf(const qlPlayer& player, bool firstRound) {
    return firstRound ? Integer{4} : player.CardsAllowed();
}

}  // namespace

void qlGame::StartGovernorTurn() {
    qlPlayer& player = Player(mState.governorSeat);
    ShowStatus("Governor Phase...");
    Tell([&] { return table_events::ForSeat(TableEvent::Kind::TurnStarted, player); });
    if (player.HasBuiltCard("Library")) {
        player.SetLibraryActive(true);
    }
    if (player.HasBuiltCard("Chapel") && !player.CardsInHand().Empty()) {
        Await(DecisionKind::Chapel);
    } else {
        mState.step = RulesStep::HandLimit;
    }
}

void qlGame::BuryInChapel(qlPlayer& player, const qlCards& chapel) {
    if (!IsHuman(player.PlayerNumber()) && chapel.Count() >= 1 && !mSilent) {
        mTable->ShowMessage(
            1, 0,
            "Player " + std::to_string(player.PlayerNumber()) + " placed a card under the chapel");
    }
    if (chapel.Count() == 1) {
        player.BuryCard(chapel.Item(1));
        if (!mSilent) {
            mTable->HandChanged(player);
            mTable->ShowPoints(player.PlayerNumber() - 1, player.Points());
        }
        Tell([&] { return table_events::Chapel(player, IsHuman(player.PlayerNumber()), chapel); });
    }
    mState.step = RulesStep::HandLimit;
}

void qlGame::StartHandLimit() {
    qlPlayer& player = Player(mState.governorSeat);
    const Integer limit = HandLimitOf(player, mState.firstRound);
    if (player.CardsInHand().Count() <= limit) {
        mState.step = RulesStep::NextGovernorTurn;
        return;
    }
    if (IsHuman(player.PlayerNumber())) {
        Tell([&] { return table_events::LimitAsked(player, limit, mState.firstRound); });
    }
    Await(DecisionKind::HandLimit);
}

void qlGame::CutHandToLimit(qlPlayer& player, const Choice& choice) {
    player.SetCardsInHand(choice.cards);
    mState.discard.AddCards(choice.givenUp);
    ShowCards(player);
    Tell([&] {
        return table_events::HandLimit(player, static_cast<int>(choice.givenUp.Count()),
                                       HandLimitOf(player, mState.firstRound));
    });
    mState.step = RulesStep::NextGovernorTurn;
}
