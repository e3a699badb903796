#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "SimOptions.h"
#include "core/Types.h"
#include "record/GameRecord.h"

struct CatalogueEntry;

// What the summary needs of one game.
struct SimGameResult {
    // No city reached twelve buildings within the round cap: the computer seats stopped
    // building, so the game has no winner worth counting.
    bool stalled = false;
    Long rounds = 0;
    Long roles = 0;
    Integer winner = 0;
    Integer winningPoints = 0;
    // With expert seats, or failing them strong seats (the featured seats): whether one of
    // them won, the points of the best featured seat less those of the best other seat, and
    // the seconds of each decision they thought about.
    bool featuredWon = false;
    int featuredMargin = 0;
    std::vector<double> decisionSeconds;
    // With --record: what the record keeps of the game.
    GameRecord record;
};

// A broken invariant found by --check; the message names the seed and game that replay it.
struct SimCheckFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// " (seed S, game n; replay with --seed S+n --games 1)": where game n of a run comes from.
std::string GameNamed(std::uint64_t seed, long game);

// Plays game n of a run: every seat a computer seat, game seed options.seed + n, logs into
// options.logs/<n>/ when asked, and the invariants checked after every role when asked.
// Strong and expert seats think on `threads` worker threads. Throws SimCheckFailure, or
// std::invalid_argument when the logs cannot be written.
// `catalogue`, when given, is the run's catalogue read already.
SimGameResult PlaySimGame(const SimOptions& options, long n, int threads = 1,
                          std::shared_ptr<const std::vector<CatalogueEntry>> catalogue = {});
