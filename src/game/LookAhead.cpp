#include "game/LookAhead.h"

#include <algorithm>

#include "game/WorkerPool.h"

LookAhead::LookAhead(Integer seat, std::uint64_t seed, int budget, int threads)
    : mSeat(seat),
      mGenerator(seed),
      mBudget(std::max(1, budget)),
      mPool(std::make_unique<WorkerPool>(threads)) {}

LookAhead::~LookAhead() = default;

void LookAhead::CountDecision(std::chrono::steady_clock::time_point start) {
    mDecisionSeconds.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}
