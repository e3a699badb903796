// The councillor phase of one seat: draw, keep one (two with the Prefecture), discard the
// rest; with the Archive the hand joins the drawn cards in the choice.

#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::CouncillorPhase() {
    qlPlayer& player = Player(mCurrentPlayer);
    int draw = 2;
    if (player.GetsRoleBenefit()) {
        draw = player.LibraryActive() ? 8 : 5;
    }
    mTurn.offered = Draw(draw);
    mTurn.keep = player.HasBuiltCard("Prefecture") ? 2 : 1;
    mTurn.archive = player.HasBuiltCard("Archive");
    if (IsHuman(player.PlayerNumber())) {
        const int held = mTurn.archive ? static_cast<int>(player.CardsInHand()->Count()) : 0;
        Tell([&] {
            return table_events::KeepAsked(player, static_cast<int>(mTurn.offered->Count()),
                                           mTurn.keep, held);
        });
    }
    Await(DecisionKind::CouncilKeep);
}

void qlGame::KeepCouncilCards(const Choice& choice) {
    qlPlayer& player = Player(mCurrentPlayer);
    const auto offered = static_cast<int>(mTurn.offered->Count());
    const int held = mTurn.archive ? static_cast<int>(player.CardsInHand()->Count()) : 0;
    if (mTurn.archive) {
        player.SetCardsInHand(choice.cards);
    } else {
        player.CardsInHand()->AddCards(choice.cards);
    }
    mDiscard->AddCards(choice.givenUp);
    Tell([&] {
        return table_events::Councillor(player, IsHuman(player.PlayerNumber()), offered,
                                        *choice.cards, held);
    });
    mStep = Step::TurnDone;
}
