#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/ComputerLevel.h"

// What the command line of the game asks for. Choices left out keep the start dialog's own.
struct AppOptions {
    std::optional<std::uint64_t> seed;  // the game's seed; the clock's when absent
    std::optional<int> players;
    std::optional<int> seat;
    std::optional<ComputerLevel> computers;  // --computer
    bool start = false;                      // play at once, without the start dialog
    bool resume = false;  // take up the unfinished game, without the start dialog
    bool help = false;
    bool version = false;
};

// Reads the command line (without the program name). Throws std::invalid_argument with a
// one-line message naming the bad option or value.
AppOptions ParseAppOptions(const std::vector<std::string>& args);

// The text --help prints.
extern const char* const kAppHelp;

// The command that replays a game: "quellin --seed S --players P --seat H --computer C".
std::string ReplayCommand(std::uint64_t seed, int players, int seat, ComputerLevel computers);
