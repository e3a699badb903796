#include <benchmark/benchmark.h>

#include "cards/qlCards.h"
#include "core/Random.h"

// Loading the catalogue (with its shuffle), as at the start of every game.
static void BM_ResetCatalogue(benchmark::State& state) {
    Random::Stream random(Random::SeededSource(1));
    for (auto _ : state) {
        qlCards reserve;
        reserve.Reset(random);
        benchmark::DoNotOptimize(reserve.Count());
    }
}
BENCHMARK(BM_ResetCatalogue);

// Dealing the whole deck through a discard pile, so that every deal crosses refills.
static void BM_DealThroughRefills(benchmark::State& state) {
    Random::Stream random(Random::SeededSource(2));
    qlCards reserve;
    qlCards discard;
    reserve.Reset(random);
    for (auto _ : state) {
        discard.AddCards(reserve.Deal(7, discard, random));
    }
}
BENCHMARK(BM_DealThroughRefills);
