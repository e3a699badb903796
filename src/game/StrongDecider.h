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

    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override;
    // Not after the choices it looked ahead for, but for the keep; otherwise as the standard
    // rules.
    bool PausesAfter(const qlGame& game, const Decision& decision,
                     const Choice& choice) const override;

  private:
    StrongPlayer& mPlayer;
    Table& mTable;
};
