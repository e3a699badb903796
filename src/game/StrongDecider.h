#pragma once

#include "game/StandardDecider.h"

class StrongPlayer;
class Table;

// A computer seat whose role choice, build choice and councillor's keep look ahead with a strong
// player (owned by whoever set up the game, and living as long as it); its other decisions, and
// its keep with the Archive, follow the standard rules. The table keeps running while it
// thinks.
class StrongDecider : public StandardDecider {
  public:
    StrongDecider(StrongPlayer& player, Table& table) : mPlayer(player), mTable(table) {}

    int PickRole(const qlGame& game, qlPlayer& seat) override;
    DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) override;
    DeckRef CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn, Integer keep,
                        bool archive) override;

  private:
    StrongPlayer& mPlayer;
    Table& mTable;
};
