#pragma once

#include <string>

class qlGame;

// The final scores explained, for the player who wants to know why they are what they are.

// Every seat in play, from seat 1: "Player n" (with " wins" for the winner), then its points
// part by part, one indented line each; then the tie-break when it decided.
std::string ScoreDetails(const qlGame& game);

// How the winner came out of a tie for the most points, or "" when the points alone decided:
// the seats level on points, their cards in hand plus goods, and what settled it.
std::string TieBreakText(const qlGame& game);
