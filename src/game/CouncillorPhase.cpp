// The councillor phase of one seat: draw, keep one (two with the Prefecture), discard the
// rest; with the Archive the hand joins the drawn cards in the choice.

#include <algorithm>

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
    const DeckRef formerHand = player.CardsInHand();
    if (!player.IsHuman()) {
        const DeckRef kept = player.AIPickCouncillorCards(drawn);
        if (archive) {
            player.SetCardsInHand(kept);
        } else {
            player.CardsInHand()->AddCards(kept);
        }
        mDiscard->AddCards(drawn);
        return;
    }
    const DeckRef kept =
        Ask(0, [&](CardChooser& chooser) {
            chooser.SetCaption("Select Cards to Keep...");
            chooser.SetStartImage(2);
            // A short draw can offer fewer cards than the rule asks to keep;
            // the counts never ask for more cards than are offered.
            const Long held = archive ? formerHand->Count() : 0;
            const Long offered = held + drawn->Count();
            if (archive) {
                chooser.AddCards(formerHand);
                chooser.AddCards(drawn);
            } else {
                chooser.SetCards(drawn);
            }
            chooser.SetMaxAmt(static_cast<Integer>(std::min(held + keep, offered)));
            chooser.SetMinAmt(static_cast<Integer>(std::min(held + 1, offered)));
        })->SelectedCards();
    if (archive) {
        player.SetCardsInHand(kept);
    } else {
        player.CardsInHand()->AddCards(kept);
    }
    mDiscard->AddCards(drawn);
    mDiscard->RemoveCards(kept);
    if (archive) {
        for (const CardRef& card : *formerHand) {
            if (!kept->Contains(card)) {
                mDiscard->AddCard(card);
            }
        }
    }
}
