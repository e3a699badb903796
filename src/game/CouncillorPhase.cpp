// The councillor phase of one seat: draw, keep one (two with the Prefecture), discard the
// rest; with the Archive the hand joins the drawn cards in the choice.

#include "game/qlGame.h"

void qlGame::CouncillorPhase() {
    qlPlayer& player = *mCurrentPlayer;
    const Integer keep = player.HasBuiltCard("Prefecture") ? 2 : 1;
    const bool archive = player.HasBuiltCard("Archive");
    int draw = 2;
    if (player.GetsRoleBenefit()) {
        draw = player.LibraryActive() ? 8 : 5;
    }
    const DeckRef drawn = mReserve->Deal(draw);
    const DeckRef kept = DeciderOf(player).CouncilKeep(*this, player, drawn, keep, archive);
    if (archive) {
        player.SetCardsInHand(kept);
    } else {
        player.CardsInHand()->AddCards(kept);
    }
    mDiscard->AddCards(drawn);
}
