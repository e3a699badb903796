// Copying a game whole, and the copies a strong player thinks with: what a seat cannot see
// dealt afresh, and a future of its own.

#include <algorithm>
#include <utility>
#include <vector>

#include "cards/qlCard.h"
#include "game/qlGame.h"

qlGame::qlGame(const qlGame& other, Table& table)
    : mTable(&table),
      mSilent(table.Silent()),
      mState(other.mState),
      mCatalogueFile(other.mCatalogueFile),
      mCatalogueEntries(other.mCatalogueEntries) {
    UseStandardDeciders();
    if (mState.seatsExist) {
        ShowSeats();
    }
}

void qlGame::RedealHidden(Integer viewer, std::uint64_t seed) {
    Random::Generator generator(seed);
    std::vector<Card> pool;
    pool.reserve(static_cast<std::size_t>(mState.catalogueSize));
    const auto gather = [&pool](const qlCards& cards) {
        pool.insert(pool.end(), cards.begin(), cards.end());
    };
    gather(mState.reserve);
    gather(mState.discard);
    std::vector<std::pair<qlPlayer*, Card>> goodSlots;
    for (Integer n = 1; n <= mState.values.NumberOfPlayers; ++n) {
        qlPlayer& seat = Player(n);
        if (n != viewer) {
            gather(seat.CardsInHand());
            gather(seat.ChapelCards());
        }
        auto good = seat.CityGoods().begin();
        for (const Card& building : seat.BuiltCards()) {
            if (*good) {
                pool.push_back(*good);
                goodSlots.emplace_back(&seat, building);
            }
            ++good;
        }
    }
    // Hidden cards of one name are alike to the seat: sorted first, the deal depends only on
    // what the seat knows, not on where the hidden cards happen to lie.
    std::stable_sort(pool.begin(), pool.end(), [](const Card& a, const Card& b) {
        return a->BuildingName() < b->BuildingName();
    });
    for (std::size_t i = pool.size(); i > 1; --i) {
        std::swap(pool[i - 1],
                  pool[static_cast<std::size_t>(generator.NextIndex(static_cast<int>(i)))]);
    }
    std::size_t next = 0;
    const auto refill = [&pool, &next](qlCards& cards) {
        const Long count = cards.Count();
        cards.Clear();
        for (Long i = 0; i < count; ++i) {
            cards.AddCard(pool[next++]);
        }
    };
    refill(mState.reserve);
    refill(mState.discard);
    for (Integer n = 1; n <= mState.values.NumberOfPlayers; ++n) {
        if (n != viewer) {
            refill(Player(n).CardsInHand());
            refill(Player(n).ChapelCards());
        }
    }
    for (const auto& [seat, building] : goodSlots) {
        seat->SetGood(building, pool[next++]);
    }
    if (mState.tradeTiles) {
        mState.tradeTiles->ShuffleUnseen(
            static_cast<Integer>(std::min<Long>(mState.tilesTurned, 5)), generator);
    }
    mState.random.SetSeeds(Random::SeededSource(generator.NextBits()));
}
