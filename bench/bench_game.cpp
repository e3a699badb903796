// One complete four-player game with computer seats only, as the simulator plays it.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "game/HeadlessTable.h"
#include "game/qlGame.h"

namespace {

void BM_FourPlayerGame(benchmark::State& state) {
    std::uint64_t seed = 1;
    for (auto _ : state) {
        HeadlessTable table;
        qlGame game(table, 4, 0, Random::SeededSource(seed++));
        benchmark::DoNotOptimize(game.PlayGame());
    }
}
BENCHMARK(BM_FourPlayerGame);

}  // namespace
