#pragma once

#include <array>

#include "core/Random.h"
#include "core/Types.h"

// The five trading-house tiles, laid in a random order once and then turned up one after
// another, round and round. Each tile gives a price in cards for each good, by good index.
class qlTradeTiles {
  public:
    using Tile = std::array<Integer, 5>;

    explicit qlTradeTiles(Random::Stream& random);  // reseeds `random` and lays the tiles

    // A copy of the prices of the next tile; the tile after the fifth is the first again.
    Tile GetTile();
    // Lays the tiles not turned up yet afresh: all but the first `turned` (0 to 5) of the
    // round, for a seat that has seen only those.
    void ShuffleUnseen(Integer turned, Random::Generator& generator);

  private:
    std::array<Tile, 5> mSlots{};
    Integer mNextSlot = 0;
};
