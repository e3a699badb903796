#pragma once

#include "game/StandardDecider.h"

class StrongPlayer;
class Table;

// A computer seat whose role choice and build choice look ahead with a strong player (owned by
// whoever set up the game, and living as long as it); its other decisions follow the standard
// rules. The table keeps running while it thinks.
class StrongDecider : public StandardDecider {
  public:
    StrongDecider(StrongPlayer& player, Table& table) : mPlayer(player), mTable(table) {}

    int PickRole(const qlGame& game, qlPlayer& seat) override;
    DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) override;

  private:
    StrongPlayer& mPlayer;
    Table& mTable;
};
