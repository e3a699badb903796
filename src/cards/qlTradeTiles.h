#pragma once

#include <array>

#include "core/Types.h"

// The five trading-house tiles, laid in a random order once and then turned up one after
// another, round and round. Each tile gives a price in cards for each good, by good index.
class qlTradeTiles {
  public:
    using Tile = std::array<Integer, 5>;

    qlTradeTiles();  // reseeds the random generator and lays the tiles

    // A copy of the prices of the next tile; the tile after the fifth is the first again.
    Tile GetTile();

  private:
    std::array<Tile, 5> mSlots{};
    Integer mNextSlot = 0;
};
