// The prospector's role for one seat: the chooser's privilege card, then the gold mine, whose
// four cards are always shown to the human.

#include <array>
#include <string>

#include "cards/qlCard.h"
#include "game/qlGame.h"

namespace {

// True when the printed costs of the four mine cards all differ. A short draw of fewer than
// four cards finds no gold.
bool AllDifferentCosts(const qlCards& cards) {
    if (cards.Count() != 4) {
        return false;
    }
    std::array<Integer, 4> costs{};
    for (Long i = 1; i <= 4; ++i) {
        costs[static_cast<std::size_t>(i - 1)] = cards.Item(i)->Cost();
    }
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = i + 1; j < 4; ++j) {
            if (costs[i] == costs[j]) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

void qlGame::ProspectorPhase() {
    qlPlayer& player = *mCurrentPlayer;
    if (player.GetsRoleBenefit()) {
        player.CardsInHand()->AddCards(mReserve->Deal(player.LibraryActive() ? 2 : 1));
        if (!player.IsHuman()) {
            player.Pause();
        }
    }
    if (player.HasBuiltCard("Gold Mine")) {
        WorkGoldMine(player);
    }
}

void qlGame::WorkGoldMine(qlPlayer& player) {
    const DeckRef mine = mReserve->Deal(4);
    const bool gold = AllDifferentCosts(*mine);
    DeckRef taken = NewDeck();
    if (!player.IsHuman() && gold) {
        taken = player.AIPickGoldMineCard(mine);
    }
    const std::string number = std::to_string(player.PlayerNumber());
    const std::unique_ptr<CardChooser> chooser = Ask(0, [&](CardChooser& c) {
        c.SetCards(mine);
        const bool humanChooses = player.IsHuman() && gold;
        if (humanChooses) {
            c.SetMinAmt(1);
            c.SetMaxAmt(1);
            c.SetCaption("Select card from Gold Mine...");
        } else {
            c.SetMinAmt(0);
            c.SetMaxAmt(0);
            c.SetCardsActive(false);
            if (player.IsHuman()) {
                c.SetCaption("Sorry!  No gold found today.  Press OK.");
            } else if (gold) {
                c.SetCaption("Player " + number + " found gold!  Press OK.");
            } else {
                c.SetCaption("Player " + number + ", no gold found today.  Press OK.");
            }
        }
        c.SetStartImage(4);
        if (!humanChooses && mTable->GoldMineViews()) {
            c.SetAutoClose(2);
            c.SetTimeDelay(static_cast<Integer>(2 * mTable->Delay()));
        }
        if (!player.IsHuman() && gold && !taken->Empty()) {
            c.HighlightCard(taken->Item(1));
        }
    });
    if (player.IsHuman()) {
        taken = chooser->SelectedCards();
    }
    if (!taken->Empty()) {
        player.CardsInHand()->AddCards(taken);
    }
    mDiscard->AddCards(mine);
    mDiscard->RemoveCards(taken);
}
