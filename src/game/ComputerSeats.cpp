#include "game/ComputerSeats.h"

#include "game/ExpertDecider.h"
#include "game/ExpertPlayer.h"
#include "game/StrongDecider.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

ComputerSeats::ComputerSeats(ComputerLevel level, qlGame& game, Table& table, Integer humanSeat,
                             std::uint64_t gameSeed, std::optional<int> budget, int threads) {
    for (Integer seat = 1; seat <= game.NumberOfPlayers() && level != ComputerLevel::Standard;
         ++seat) {
        if (seat == humanSeat) {
            continue;
        }
        const std::uint64_t seed = StrongPlayer::SeedFor(gameSeed, seat);
        LookAhead*& player = mSeats[static_cast<std::size_t>(seat - 1)];
        if (level == ComputerLevel::Strong) {
            mStrong.push_back(std::make_unique<StrongPlayer>(
                seat, seed, budget.value_or(StrongPlayer::kDefaultBudget), threads));
            player = mStrong.back().get();
            game.SetDecider(seat, std::make_unique<StrongDecider>(*mStrong.back(), table));
        } else {
            mExpert.push_back(std::make_unique<ExpertPlayer>(
                seat, seed, budget.value_or(ExpertPlayer::kDefaultBudget), threads));
            player = mExpert.back().get();
            game.SetDecider(seat, std::make_unique<ExpertDecider>(*mExpert.back(), table));
        }
    }
}

ComputerSeats::~ComputerSeats() = default;
