#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/ComputerLevel.h"

// One game as the record of games keeps it: when and how it was played, and how each seat
// scored. The seat numbered humanSeat is the one the statistics follow: the human's at the
// table, seat 1 in the simulator's games.
struct GameRecord {
    struct Seat {
        int points = 0;
        int buildingCount = 0;
        int buildingPoints = 0;  // the printed points of the city
        int chapelPoints = 0;
        int bonusPoints = 0;  // the violet buildings' bonuses together
    };

    long long id = 0;      // the database's; 0 before it is written
    std::string playedAt;  // when it ended, "2026-12-09T21:05:00Z"
    std::uint64_t seed = 0;
    std::string programVersion;
    int humanSeat = 1;
    ComputerLevel computers = ComputerLevel::Standard;
    std::vector<Seat> seats;  // seat 1 first, one a player
    int winner = 1;
    long rounds = 0;
    long long durationMs = 0;
    bool exited = false;  // left before its end: the points are those at that moment
    bool resumed = false;
    std::string source = "table";  // "table" or "simulator"

    int Players() const { return static_cast<int>(seats.size()); }
    int HumanPoints() const { return seats.at(static_cast<std::size_t>(humanSeat - 1)).points; }
    int WinnerPoints() const { return seats.at(static_cast<std::size_t>(winner - 1)).points; }
    bool Won() const { return winner == humanSeat; }
    // The followed seat's points less the best of the other seats'.
    int Margin() const;
};

// The time `seconds` after the epoch as the record writes it: "2026-12-09T21:05:00Z".
std::string UtcText(long long seconds);
// Now, so written.
std::string UtcNow();
// This program's version, for the record.
const char* ProgramVersion();
