#pragma once

#include <string>

class qlGame;

// The invariants of a game in play. Each returns "" when it holds, or what is wrong.

// Every card of the catalogue is in exactly one place: the draw or discard pile, a hand, a
// city, on a building as its good, or counted under a chapel or a covered building; no hand or
// city holds a card twice and no city holds more than twelve buildings.
std::string CheckCardsConserved(const qlGame& game);

// Every hand in play is within its limit (after the governor phases).
std::string CheckHandLimits(const qlGame& game, bool firstRound);

// Every seat's points part by part add up to its points: the printed points are its city's,
// the chapel part its buried cards, and every bonus is named after a building of its city.
std::string CheckScoreBreakdowns(const qlGame& game);
