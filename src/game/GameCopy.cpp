// Copying a game whole, and the copies a strong player thinks with: what a seat cannot see
// dealt afresh, and a future of its own.

#include <algorithm>
#include <utility>
#include <vector>

#include "cards/qlCard.h"
#include "game/qlGame.h"

qlGame::qlGame(const qlGame& other, Table& table)
    : mTable(&table),
      mValues(other.mValues),
      mRandom(other.mRandom),
      mTradeTiles(other.mTradeTiles),
      mGoodValues(other.mGoodValues),
      mCurrentRole(other.mCurrentRole),
      mRolesFree(other.mRolesFree),
      mStep(other.mStep),
      mAwaiting(other.mAwaiting),
      mFirstRound(other.mFirstRound),
      mGameOver(other.mGameOver),
      mSeatsExist(other.mSeatsExist),
      mPlayStarted(other.mPlayStarted),
      mCatalogueSize(other.mCatalogueSize),
      mCoveredCount(other.mCoveredCount),
      mRounds(other.mRounds),
      mRolesChosen(other.mRolesChosen),
      mTilesTurned(other.mTilesTurned),
      mCatalogueFile(other.mCatalogueFile) {
    UseStandardDeciders();
    if (!other.mSeatsExist) {
        return;
    }
    // Cards are values: the copy names the same ones.
    const auto counterpart = [](const Card& card) { return card; };
    const auto copyDeck = [&counterpart](const qlCards& deck) {
        DeckRef copy = NewDeck();
        for (const Card& card : deck) {
            copy->AddCard(counterpart(card));
        }
        return copy;
    };
    for (std::size_t i = 0; i < 4; ++i) {
        mPlayers[i] = std::make_unique<qlPlayer>(mValues);
        mPlayers[i]->CopyStateFrom(*other.mPlayers[i], counterpart);
    }
    mCurrentPlayer = other.mCurrentPlayer;
    mGovernor = other.mGovernor;
    mRoleChooser = other.mRoleChooser;
    mReserve = copyDeck(*other.mReserve);
    mDiscard = copyDeck(*other.mDiscard);
    mReserve->SetDiscardDeck(mDiscard);
    mGovernorSeat = other.mGovernorSeat;
    mTurn = {other.mTurn.covered,
             other.mTurn.goodsUsed,
             other.mTurn.building,
             other.mTurn.cost,
             other.mTurn.offered ? copyDeck(*other.mTurn.offered) : nullptr,
             other.mTurn.keep,
             other.mTurn.archive};
    FollowSeats();
}

void qlGame::RedealHidden(Integer viewer, std::uint64_t seed) {
    Random::Generator generator(seed);
    std::vector<Card> pool;
    pool.reserve(static_cast<std::size_t>(mCatalogueSize));
    const auto gather = [&pool](const qlCards& cards) {
        pool.insert(pool.end(), cards.begin(), cards.end());
    };
    gather(*mReserve);
    gather(*mDiscard);
    std::vector<std::pair<qlPlayer*, Card>> goodSlots;
    for (Integer n = 1; n <= mValues.NumberOfPlayers; ++n) {
        qlPlayer& seat = Player(n);
        if (n != viewer) {
            gather(*seat.CardsInHand());
            gather(*seat.ChapelCards());
        }
        auto good = seat.CityGoods().begin();
        for (const Card& building : *seat.BuiltCards()) {
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
    refill(*mReserve);
    refill(*mDiscard);
    for (Integer n = 1; n <= mValues.NumberOfPlayers; ++n) {
        if (n != viewer) {
            refill(*Player(n).CardsInHand());
            refill(*Player(n).ChapelCards());
        }
    }
    for (const auto& [seat, building] : goodSlots) {
        seat->SetGood(building, pool[next++]);
    }
    if (mTradeTiles) {
        mTradeTiles->ShuffleUnseen(static_cast<Integer>(std::min<Long>(mTilesTurned, 5)),
                                   generator);
    }
    mRandom.SetSeeds(Random::SeededSource(generator.NextBits()));
}
