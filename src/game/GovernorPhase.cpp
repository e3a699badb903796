// The governor phase of one seat: its library wakes, it may bury a card under its chapel, and
// it cuts its hand to the limit (4 in the first round).

#include <string>

#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::GovernorPhase(qlPlayer& player, bool firstRound) {
    ShowStatus("Governor Phase...");
    Tell([&] { return table_events::ForSeat(TableEvent::Kind::TurnStarted, player); });
    if (player.HasBuiltCard("Library")) {
        player.SetLibraryActive(true);
    }
    BuryInChapel(player);
    CutHandToLimit(player, firstRound);
}

void qlGame::BuryInChapel(qlPlayer& player) {
    if (!player.HasBuiltCard("Chapel") || player.CardsInHand()->Empty()) {
        return;
    }
    const DeckRef chapel = DeciderOf(player).ChapelCard(*this, player);
    if (!player.IsHuman() && chapel->Count() >= 1) {
        mTable->ShowMessage(
            1, 0,
            "Player " + std::to_string(player.PlayerNumber()) + " placed a card under the chapel");
    }
    if (chapel->Count() == 1) {
        player.BuryCard(chapel->Item(1));
        mTable->ShowPoints(player.PlayerNumber() - 1, player.Points());
        Tell([&] { return table_events::Chapel(player, *chapel); });
    }
}

void qlGame::CutHandToLimit(qlPlayer& player, bool firstRound) {
    const Integer limit = firstRound ? Integer{4} : player.CardsAllowed();
    if (player.CardsInHand()->Count() <= limit) {
        return;
    }
    if (player.IsHuman()) {
        Tell([&] { return table_events::LimitAsked(player, limit, firstRound); });
    }
    const DeckRef discarded = DeciderOf(player).KeepHandOf(*this, player, limit);
    mDiscard->AddCards(discarded);
    Tell([&] {
        return table_events::HandLimit(player, static_cast<int>(discarded->Count()), limit);
    });
}
