#pragma once

#include "game/SeatDecider.h"

// A computer seat deciding by the standard rules: the seat's own computer-player members.
class StandardDecider : public SeatDecider {
  public:
    int PickRole(const qlGame& game, qlPlayer& seat) override;
    DeckRef ChapelCard(const qlGame& game, qlPlayer& seat) override;
    DeckRef KeepHandOf(const qlGame& game, qlPlayer& seat, Integer limit) override;
    DeckRef CraneCover(const qlGame& game, qlPlayer& seat, Random::Stream& random) override;
    DeckRef BlackMarketGoods(const qlGame& game, qlPlayer& seat, Integer most) override;
    DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) override;
    DeckRef Payment(const qlGame& game, qlPlayer& seat, Integer cost) override;
    DeckRef CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn, Integer keep,
                        bool archive) override;
    DeckRef GoldMineCard(const qlGame& game, qlPlayer& seat, const DeckRef& mine) override;
    DeckRef ProductionGoods(const qlGame& game, qlPlayer& seat, Integer goods) override;
    DeckRef TradingGoods(const qlGame& game, qlPlayer& seat, Integer goods) override;
    void PauseAfterMove(const qlPlayer& seat) override;
};
