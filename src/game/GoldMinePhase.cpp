// The prospector's role for one seat: the chooser's privilege card, then the gold mine, whose
// four cards are always shown to the human.

#include <array>
#include <string>

#include "cards/qlCard.h"
#include "game/TableEvents.h"
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
    qlPlayer& player = Player(mState.currentPlayer);
    if (player.GetsRoleBenefit()) {
        const qlCards drawn = Draw(player.LibraryActive() ? 2 : 1);
        player.CardsInHand().AddCards(drawn);
        ShowCards(player);
        Tell([&] {
            return table_events::ForSeat(TableEvent::Kind::Prospected, player,
                                         static_cast<int>(drawn.Count()));
        });
        if (DeciderOf(player.PlayerNumber()).PausesAfterMoves()) {
            mTable->Pause(kComputerPause);
        }
    }
    mState.step = RulesStep::GoldMine;  // once the pause is over
}

void qlGame::GoldMineStep() {
    mState.step = RulesStep::TurnDone;  // unless the gold mine waits for a decision
    if (Player(mState.currentPlayer).HasBuiltCard("Gold Mine")) {
        WorkGoldMine();
    }
}

void qlGame::WorkGoldMine() {
    mState.turn.offered = Draw(4);
    if (!mSilent) {
        mTable->PilesChanged(mState.reserve.Count(), mState.discard.Count());
    }
    if (AllDifferentCosts(mState.turn.offered)) {
        Await(DecisionKind::GoldMine);
        return;
    }
    FinishGoldMine(qlCards());
}

void qlGame::FinishGoldMine(const qlCards& taken) {
    qlPlayer& player = Player(mState.currentPlayer);
    const qlCards mine = mState.turn.offered;
    const bool gold = AllDifferentCosts(mine);
    // The human is shown every mine; the one that found gold for the human was the question.
    // A silent table shows nobody the mine.
    if (!mSilent && (!IsHuman(player.PlayerNumber()) || !gold)) {
        ShowGoldMine(player, mine, gold, taken);
    }
    if (!taken.Empty()) {
        player.CardsInHand().AddCards(taken);
    }
    mState.discard.AddCards(mine);
    mState.discard.RemoveCards(taken);
    ShowCards(player);
    Tell([&] { return table_events::GoldMine(player, mine, taken); });
    mState.step = RulesStep::TurnDone;
}

void qlGame::ShowGoldMine(const qlPlayer& player, const qlCards& mine, bool gold,
                          const qlCards& taken) {
    const std::string number = std::to_string(player.PlayerNumber());
    // Only seen: the table holds the game until the player has read it.
    const auto read = [](CardChooser&) {};
    mTable->Ask(
        0,
        [&](CardChooser& c) {
            c.SetCards(mine);
            c.SetMinAmt(0);
            c.SetMaxAmt(0);
            c.SetCardsActive(false);
            if (IsHuman(player.PlayerNumber())) {
                c.SetCaption("Sorry!  No gold found today.  Press OK.");
            } else if (gold) {
                c.SetCaption("Player " + number + " found gold!  Press OK.");
            } else {
                c.SetCaption("Player " + number + ", no gold found today.  Press OK.");
            }
            c.SetStartImage(4);
            if (mTable->GoldMineViews()) {
                c.SetAutoClose(2);
                c.SetTimeDelay(static_cast<Integer>(2 * mTable->Delay()));
            }
            if (gold && !taken.Empty()) {
                c.HighlightCard(taken.Item(1));
            }
        },
        read);
}
