#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What one run of the simulator plays.
struct SimOptions {
    int players = 0;
    long games = 0;
    std::uint64_t seed = 0;
    std::optional<std::filesystem::path> logs;
    std::optional<std::filesystem::path> catalogue;
    std::optional<std::filesystem::path> record;  // the record of games the results go to
    bool check = false;
    std::vector<int> strongSeats;  // seats played by the strong player
    bool strongRotate = false;     // one strong seat, seat (n mod players) + 1 in game n
    int playouts = 0;              // copies per strong decision; 0 the default
    std::vector<int> expertSeats;  // seats played by the expert player
    bool expertRotate = false;     // one expert seat, seat (n mod players) + 1 in game n
    int expertBudget = 0;          // iterations per expert decision; 0 the default
    bool othersStrong = false;     // beside the expert seats, every other seat strong
    int jobs = 1;                  // games played at once
    bool help = false;             // print the usage and play nothing
    bool version = false;

    // The strong and the expert seats of game n.
    std::vector<int> StrongSeatsOf(long n) const;
    std::vector<int> ExpertSeatsOf(long n) const;
    // Whether the run has expert seats, or failing them strong ones: those its summary sums up.
    bool HasExperts() const { return expertRotate || !expertSeats.empty(); }
    bool HasStrong() const { return strongRotate || !strongSeats.empty() || othersStrong; }
};

// Reads the command line (without the program name). Throws std::invalid_argument with a
// one-line message naming the bad option or value.
SimOptions ParseSimOptions(const std::vector<std::string>& args);

// The usage line.
extern const char* const kSimUsage;
