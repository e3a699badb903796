#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/Random.h"
#include "core/Types.h"
#include "game/PlayOut.h"

class WorkerPool;

// What the computer players that look ahead have alike: the seat they think for, a generator of
// their own (so that their thinking never moves the game's random sequence), their budget per
// decision, the worker threads they think on, and what their decisions found and took.
class LookAhead {
  public:
    using Verdict = LookAheadVerdict;

    LookAhead(const LookAhead&) = delete;
    LookAhead& operator=(const LookAhead&) = delete;

    // Where the player's own generator stands, and setting it there again: a game taken up
    // from its journal goes on thinking as the game it continues.
    std::uint64_t GeneratorState() const { return mGenerator.State(); }
    void RestoreGenerator(std::uint64_t state) { mGenerator = Random::Generator(state); }

    // The last decision's verdict (nothing played when the seat had only one choice), and the
    // seconds taken by each decision thought about so far.
    const Verdict& LastVerdict() const { return mLastVerdict; }
    const std::vector<double>& DecisionSeconds() const { return mDecisionSeconds; }

  protected:
    // For seat `seat`, seeded with `seed`; `budget` (at least 1) per decision, on `threads`
    // worker threads (0: one per core) that live as long as the player.
    LookAhead(Integer seat, std::uint64_t seed, int budget, int threads);
    ~LookAhead();

    // Counts the time since `start` as one decision's.
    void CountDecision(std::chrono::steady_clock::time_point start);

    Integer mSeat;
    Random::Generator mGenerator;
    int mBudget;
    std::unique_ptr<WorkerPool> mPool;
    Verdict mLastVerdict;
    std::vector<double> mDecisionSeconds;
};
