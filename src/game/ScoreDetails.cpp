#include "game/ScoreDetails.h"

#include <vector>

#include "game/qlGame.h"

namespace {

std::string Seat(const qlPlayer& seat) {
    return "Player " + std::to_string(seat.PlayerNumber());
}

// "Player 1 and Player 3", "Player 1, Player 2 and Player 4".
std::string Joined(const std::vector<const qlPlayer*>& seats) {
    std::string text;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == seats.size() ? " and " : ", ") + Seat(*seats[i]);
    }
    return text;
}

}  // namespace

std::string SeatScoreDetails(const qlGame& game, Integer seat) {
    const qlPlayer& player = game.Player(seat);
    std::string text = Seat(player) + (&player == &game.GetWinner() ? " wins" : "") + "\n";
    for (const std::string& line : player.PointsBreakdown().Lines()) {
        text += "    " + line + "\n";
    }
    return text;
}

std::string TieBreakText(const qlGame& game) {
    const qlPlayer& winner = game.GetWinner();
    std::vector<const qlPlayer*> level;
    bool stillLevel = false;
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        const qlPlayer& seat = game.Player(n);
        if (seat.Points() == winner.Points()) {
            level.push_back(&seat);
            stillLevel = stillLevel ||
                         (&seat != &winner && qlGame::TieValue(seat) == qlGame::TieValue(winner));
        }
    }
    if (level.size() < 2) {
        return "";
    }
    std::string text = Joined(level) + (level.size() == 2 ? " both" : " all") + " scored " +
                       std::to_string(winner.Points()) +
                       (winner.Points() == 1 ? " point" : " points") +
                       ".\nCards in hand plus goods break the tie:";
    for (std::size_t i = 0; i < level.size(); ++i) {
        text += (i == 0 ? " " : ", ") + Seat(*level[i]) + " has " +
                std::to_string(qlGame::TieValue(*level[i]));
    }
    text += ".\n";
    if (stillLevel) {
        return text + "Still level, the tie goes to the seat first from seat 1: " + Seat(winner) +
               " wins.\n";
    }
    return text + Seat(winner) + " wins with the most.\n";
}
