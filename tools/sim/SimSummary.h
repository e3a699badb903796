#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SimGame.h"
#include "SimOptions.h"

// The one line that sums up a run: the games played and their time, then the figures of the
// games that ended (rounds and roles per game, the winning score, the wins per seat and, with
// strong seats, their win rate, margin and decision times), then how many games stalled and
// the seed of the first. Stalled games count only there.
std::string SimSummary(const SimOptions& options, const std::vector<SimGameResult>& results,
                       double seconds);

// When no game of the run ended, so that there is nothing to sum up: the line that says so and
// names the first game.
std::optional<std::string> EveryGameStalled(const SimOptions& options,
                                            const std::vector<SimGameResult>& results);
