#pragma once

#include <string>

#include "core/Types.h"

class qlGame;

// The final scores explained, for the player who wants to know why they are what they are.

// One seat: "Player n" (with " wins" for the winner), then its points part by part, one
// indented line each.
std::string SeatScoreDetails(const qlGame& game, Integer seat);

// How the winner came out of a tie for the most points, or "" when the points alone decided:
// the seats level on points, their cards in hand plus goods, and what settled it.
std::string TieBreakText(const qlGame& game);
