// The councillor phase of one seat: draw, keep one (two with the Prefecture), discard the
// rest; with the Archive the hand joins the drawn cards in the choice.

#include <utility>

#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::CouncillorPhase() {
    qlPlayer& player = *mCurrentPlayer;
    int draw = 2;
    if (player.GetsRoleBenefit()) {
        draw = player.LibraryActive() ? 8 : 5;
    }
    // A copy taken while the seat decides what to keep finishes the phase from here.
    const Integer keep = player.HasBuiltCard("Prefecture") ? 2 : 1;
    mPendingKeep = PendingKeep{Draw(draw), keep, player.HasBuiltCard("Archive")};
    KeepCouncilCards(player);
}

void qlGame::KeepCouncilCards(qlPlayer& player) {
    const PendingKeep& pending = *mPendingKeep;
    const bool archive = pending.archive;
    const auto offered = static_cast<int>(pending.drawn->Count());
    const int held = archive ? static_cast<int>(player.CardsInHand()->Count()) : 0;
    if (player.IsHuman()) {
        Tell([&] { return table_events::KeepAsked(player, offered, pending.keep, held); });
    }
    const DeckRef kept =
        DeciderOf(player).CouncilKeep(*this, player, pending.drawn, pending.keep, archive);
    const DeckRef drawn = std::move(mPendingKeep->drawn);
    mPendingKeep.reset();
    if (archive) {
        player.SetCardsInHand(kept);
    } else {
        player.CardsInHand()->AddCards(kept);
    }
    mDiscard->AddCards(drawn);
    Tell([&] { return table_events::Councillor(player, offered, *kept, held); });
}
