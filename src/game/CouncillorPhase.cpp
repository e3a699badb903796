// The councillor phase of one seat: draw, keep one (two with the Prefecture), discard the
// rest; with the Archive the hand joins the drawn cards in the choice.

#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::CouncillorPhase() {
    qlPlayer& player = Player(mState.currentPlayer);
    int draw = 2;
    if (player.GetsRoleBenefit()) {
        draw = player.LibraryActive() ? 8 : 5;
    }
    mState.turn.offered = Draw(draw);
    if (!mSilent) {
        mTable->PilesChanged(mState.reserve.Count(), mState.discard.Count());
    }
    mState.turn.keep = player.HasBuiltCard("Prefecture") ? 2 : 1;
    mState.turn.archive = player.HasBuiltCard("Archive");
    if (IsHuman(player.PlayerNumber())) {
        const int held = mState.turn.archive ? static_cast<int>(player.CardsInHand().Count()) : 0;
        Tell([&] {
            return table_events::KeepAsked(player, static_cast<int>(mState.turn.offered.Count()),
                                           mState.turn.keep, held);
        });
    }
    Await(DecisionKind::CouncilKeep);
}

void qlGame::KeepCouncilCards(const Choice& choice) {
    qlPlayer& player = Player(mState.currentPlayer);
    const auto offered = static_cast<int>(mState.turn.offered.Count());
    const int held = mState.turn.archive ? static_cast<int>(player.CardsInHand().Count()) : 0;
    if (mState.turn.archive) {
        player.SetCardsInHand(choice.cards);
    } else {
        player.CardsInHand().AddCards(choice.cards);
    }
    mState.discard.AddCards(choice.givenUp);
    ShowCards(player);
    Tell([&] {
        return table_events::Councillor(player, IsHuman(player.PlayerNumber()), offered,
                                        choice.cards, held);
    });
    mState.step = RulesStep::TurnDone;
}
