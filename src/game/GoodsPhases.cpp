// The producer and trader phases: goods laid on production buildings from the draw pile, and
// goods sold for cards at the prices of the tile turned up for the role.

#include <vector>

#include "cards/Good.h"
#include "cards/qlCard.h"
#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::ProducerPhase(const qlCards& chosen) {
    qlPlayer& player = Player(mState.currentPlayer);
    const Long handBefore = player.CardsInHand().Count();
    for (const Card& building : chosen) {
        // When both piles are dry the building stays without a good.
        if (const Card good = DrawCard()) {
            LayGood(player, building, good);
        }
    }
    if (chosen.Count() >= 2 && player.HasBuiltCard("Well")) {
        DrawInto(player);
    }
    ShowCards(player);
    Tell([&] {
        return table_events::Produced(player, chosen,
                                      static_cast<int>(player.CardsInHand().Count() - handBefore));
    });
    mState.step = RulesStep::TurnDone;
}

void qlGame::TraderPhase(const qlCards& chosen) {
    qlPlayer& player = Player(mState.currentPlayer);
    int total = 0;
    for (const Card& building : chosen) {
        total += GoodValue(*building);
        DiscardGood(player, building);
    }
    if (chosen.Count() >= 2 && player.HasBuiltCard("Market Stand")) {
        ++total;
    }
    if (chosen.Count() >= 1 && player.HasBuiltCard("Market Hall")) {
        ++total;
    }
    const Long handBefore = player.CardsInHand().Count();
    if (total > 0) {
        player.CardsInHand().AddCards(Draw(total));
    }
    ShowCards(player);
    Tell([&] {
        std::vector<int> prices;
        for (const Card& building : chosen) {
            prices.push_back(GoodValue(*building));
        }
        return table_events::Sold(player, chosen, prices,
                                  static_cast<int>(player.CardsInHand().Count() - handBefore));
    });
    mState.step = RulesStep::TurnDone;
}

void qlGame::DiscardGood(qlPlayer& player, const Card& building) {
    if (const Card good = player.GoodOn(*building)) {
        mState.discard.AddCard(good);
        LayGood(player, building, Card{});
        if (!mSilent) {
            mTable->PilesChanged(mState.reserve.Count(), mState.discard.Count());
        }
    }
}

void qlGame::LayGood(qlPlayer& player, Card building, Card good) {
    player.SetGood(building, good);
    if (!mSilent) {
        mTable->GoodChanged(player, building);
    }
}

void qlGame::DrawTradeTile() {
    if (!mState.tradeTiles) {
        mState.tradeTiles.emplace(mState.random);
    }
    mState.goodValues = mState.tradeTiles->GetTile();
    ++mState.tilesTurned;
    if (!mSilent) {
        mTable->ShowTradePrices(mState.goodValues);
    }
}

Integer qlGame::GoodValue(const qlCard& building) const {
    const std::optional<Good> good = GoodOf(building.Id());
    return good ? mState.goodValues[static_cast<std::size_t>(*good)] : Integer{0};
}
