#include "game/StandardDecider.h"

#include "ai/ComputerPlayer.h"
#include "game/qlGame.h"

// The standard rules read the number of players and the buildings left from the values of the
// seat's own game.

int StandardDecider::PickRole(const qlGame& game, qlPlayer& seat) {
    return ai::AIPickRole(seat, game.RolesFree());
}

DeckRef StandardDecider::ChapelCard(const qlGame&, qlPlayer& seat) {
    return ai::AIPickChapelCard(seat);
}

DeckRef StandardDecider::KeepHandOf(const qlGame&, qlPlayer& seat, Integer limit) {
    return ai::AIDiscardDownTo(seat, limit);
}

DeckRef StandardDecider::CraneCover(const qlGame&, qlPlayer& seat, Random::Stream& random) {
    return ai::AIUseCrane(seat, random);
}

DeckRef StandardDecider::BlackMarketGoods(const qlGame&, qlPlayer& seat, Integer) {
    return ai::AIBlackMarket(seat);
}

DeckRef StandardDecider::Building(const qlGame&, qlPlayer& seat, Integer savings) {
    return ai::AIGetCardToBuild(seat, savings);
}

DeckRef StandardDecider::Payment(const qlGame&, qlPlayer& seat, Integer cost) {
    return ai::AIGetBuildPaymentCards(seat, cost);
}

DeckRef StandardDecider::CouncilKeep(const qlGame&, qlPlayer& seat, const DeckRef& drawn, Integer,
                                     bool) {
    return ai::AIPickCouncillorCards(seat, drawn);
}

DeckRef StandardDecider::GoldMineCard(const qlGame&, qlPlayer& seat, const DeckRef& mine) {
    return ai::AIPickGoldMineCard(seat, mine);
}

DeckRef StandardDecider::ProductionGoods(const qlGame&, qlPlayer& seat, Integer goods) {
    return ai::AIChooseProductionGoods(seat, goods);
}

DeckRef StandardDecider::TradingGoods(const qlGame&, qlPlayer& seat, Integer goods) {
    return ai::AIChooseTradingGoods(seat, goods);
}

void StandardDecider::PauseAfterMove(const qlPlayer& seat) {
    ai::Pause(seat);
}
