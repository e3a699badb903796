#include "cards/qlTradeTiles.h"

#include <algorithm>
#include <utility>

#include "core/Random.h"

namespace {

// The tiles in the order they are laid; prices by good index (Indigo Plant to Silver Smelter).
constexpr std::array<qlTradeTiles::Tile, 5> kTiles{{
    {1, 2, 2, 3, 3},
    {1, 1, 2, 2, 3},
    {1, 2, 2, 2, 3},
    {1, 1, 1, 2, 2},
    {1, 1, 2, 2, 2},
}};

}  // namespace

qlTradeTiles::qlTradeTiles(Random::Stream& random) {
    random.Reseed();
    for (const Tile& tile : kTiles) {
        int slot = random.NextIndex(5);
        while (mSlots[static_cast<std::size_t>(slot)][0] != 0) {
            slot = random.NextIndex(5);
        }
        mSlots[static_cast<std::size_t>(slot)] = tile;
    }
}

qlTradeTiles::Tile qlTradeTiles::GetTile() {
    const Tile tile = mSlots[static_cast<std::size_t>(mNextSlot)];
    mNextSlot = static_cast<Integer>((mNextSlot + 1) % 5);
    return tile;
}

void qlTradeTiles::ShuffleUnseen(Integer turned, Random::Generator& generator) {
    std::sort(mSlots.begin() + turned, mSlots.end());  // where they lay is not known
    for (int i = 5; i > turned + 1; --i) {
        const int j = turned + generator.NextIndex(i - turned);
        std::swap(mSlots[static_cast<std::size_t>(i - 1)], mSlots[static_cast<std::size_t>(j)]);
    }
}
