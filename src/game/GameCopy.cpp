// Copying a game whole, and the copies a strong player thinks with: what a seat cannot see
// dealt afresh, and a future of its own.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cards/qlCard.h"
#include "game/qlGame.h"

namespace {

// Puts `pool` in the order of its buildings' names, cards of one name in the order they came.
// Each name is compared with the others once, not once for every pair of cards: a card then
// goes by its name's place, found through the building's id (one id to a name).
void OrderByName(std::vector<Card>& pool) {
    BuildingId top = 0;
    for (const Card& card : pool) {
        top = std::max(top, card->Id());
    }
    std::vector<const std::string*> names(std::size_t{top} + 1, nullptr);
    for (const Card& card : pool) {
        names[card->Id()] = &card->BuildingName();
    }
    std::vector<BuildingId> ids;
    for (BuildingId id = 0; id <= top; ++id) {
        if (names[id]) {
            ids.push_back(id);
        }
    }
    std::sort(ids.begin(), ids.end(),
              [&names](BuildingId a, BuildingId b) { return *names[a] < *names[b]; });
    // Where each name's cards start, then the cards dealt into their places.
    std::vector<std::size_t> start(names.size(), 0);
    for (const Card& card : pool) {
        ++start[card->Id()];
    }
    std::size_t place = 0;
    for (const BuildingId id : ids) {
        place += std::exchange(start[id], place);
    }
    std::vector<Card> ordered(pool.size());
    for (const Card& card : pool) {
        ordered[start[card->Id()]++] = card;
    }
    pool = std::move(ordered);
}

}  // namespace

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
    OrderByName(pool);
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
