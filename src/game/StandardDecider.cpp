#include "game/StandardDecider.h"

#include "game/qlGame.h"

// The standard rules read the number of players and the buildings left from the values of the
// seat's own game.

int StandardDecider::PickRole(const qlGame& game, qlPlayer& seat) {
    return seat.AIPickRole(game.RolesFree());
}

DeckRef StandardDecider::ChapelCard(const qlGame&, qlPlayer& seat) {
    return seat.AIPickChapelCard();
}

DeckRef StandardDecider::KeepHandOf(const qlGame&, qlPlayer& seat, Integer limit) {
    return seat.AIDiscardDownTo(limit);
}

DeckRef StandardDecider::CraneCover(const qlGame&, qlPlayer& seat, Random::Stream& random) {
    return seat.AIUseCrane(random);
}

DeckRef StandardDecider::BlackMarketGoods(const qlGame&, qlPlayer& seat, Integer) {
    return seat.AIBlackMarket();
}

DeckRef StandardDecider::Building(const qlGame&, qlPlayer& seat, Integer savings) {
    return seat.AIGetCardToBuild(savings);
}

DeckRef StandardDecider::Payment(const qlGame&, qlPlayer& seat, Integer cost) {
    return seat.AIGetBuildPaymentCards(cost);
}

DeckRef StandardDecider::CouncilKeep(const qlGame&, qlPlayer& seat, const DeckRef& drawn, Integer,
                                     bool) {
    return seat.AIPickCouncillorCards(drawn);
}

DeckRef StandardDecider::GoldMineCard(const qlGame&, qlPlayer& seat, const DeckRef& mine) {
    return seat.AIPickGoldMineCard(mine);
}

DeckRef StandardDecider::ProductionGoods(const qlGame&, qlPlayer& seat, Integer goods) {
    return seat.AIChooseProductionGoods(goods);
}

DeckRef StandardDecider::TradingGoods(const qlGame&, qlPlayer& seat, Integer goods) {
    return seat.AIChooseTradingGoods(goods);
}

void StandardDecider::PauseAfterMove(const qlPlayer& seat) {
    seat.Pause();
}
