#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/Types.h"
#include "game/ComputerLevel.h"

class ExpertPlayer;
class LookAhead;
class StrongPlayer;
class Table;
class qlGame;

// The players that think for a game's computer seats, every seat in play but the human's, at the
// strong or the expert level (none at the standard level): made with their seeds from the game's,
// and set as the seats' deciders. They must outlive the game, whose deciders use them.
class ComputerSeats {
  public:
    // For `game`, played at `table` with the human at `humanSeat` and the seed `gameSeed`;
    // `budget` per decision instead of the level's default, on `threads` worker threads each
    // (0: one per core).
    ComputerSeats(ComputerLevel level, qlGame& game, Table& table, Integer humanSeat,
                  std::uint64_t gameSeed, std::optional<int> budget = std::nullopt,
                  int threads = 0);
    ComputerSeats(const ComputerSeats&) = delete;
    ComputerSeats& operator=(const ComputerSeats&) = delete;
    ~ComputerSeats();  // their threads end with them

    // The player thinking for seat `seat` (1 to 4); none for a seat that does not think.
    LookAhead* Of(Integer seat) const { return mSeats[static_cast<std::size_t>(seat - 1)]; }

  private:
    std::vector<std::unique_ptr<StrongPlayer>> mStrong;
    std::vector<std::unique_ptr<ExpertPlayer>> mExpert;
    std::array<LookAhead*, 4> mSeats{};
};
