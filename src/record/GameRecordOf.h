#pragma once

#include <cstdint>
#include <string>

#include "record/GameRecord.h"

class qlGame;

// What the record keeps of a game that the game itself does not know.
struct GameCircumstances {
    std::uint64_t seed = 0;
    int humanSeat = 1;  // the seat the statistics follow
    ComputerLevel computers = ComputerLevel::Standard;
    long long durationMs = 0;
    bool resumed = false;
    std::string source = "table";
};

// The record of `game` as it stands: ended, or left before its end when `exited`; dated now.
GameRecord RecordOf(const qlGame& game, bool exited, const GameCircumstances& circumstances);
