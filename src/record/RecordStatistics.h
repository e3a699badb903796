#pragma once

#include <optional>
#include <vector>

#include "record/GameRecord.h"

// The figures of a record of games, for the followed seat (the human's). Only games played to
// their end count; games left before it are counted apart.
struct RecordFigures {
    // The games of one number of players against one computer level.
    struct Group {
        int players = 0;
        ComputerLevel computers = ComputerLevel::Standard;
        int games = 0;
        int wins = 0;
        double WinRate() const { return games == 0 ? 0.0 : static_cast<double>(wins) / games; }
    };
    // One game of the chart: the followed seat's points and the winner's.
    struct ChartGame {
        int points = 0;
        int winnerPoints = 0;
    };

    int games = 0;
    int wins = 0;
    int exited = 0;
    std::vector<Group> groups;  // by players, then standard, strong, expert
    double averagePoints = 0;
    double averageMargin = 0;  // points less the best other seat's, won or lost
    // The most points; of those the widest margin, then the first.
    std::optional<GameRecord> best;
    int currentStreak = 0;  // wins since the last loss
    int longestStreak = 0;
    std::vector<ChartGame> lastGames;  // the last kChartGames, oldest first

    static constexpr std::size_t kChartGames = 50;
    double WinRate() const { return games == 0 ? 0.0 : static_cast<double>(wins) / games; }
};

// The figures of `games`, given oldest first.
RecordFigures Summarise(const std::vector<GameRecord>& games);
