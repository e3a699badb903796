#include <benchmark/benchmark.h>

#include "cards/qlCards.h"
#include "core/Random.h"

// Loading the catalogue (with its shuffle), as at the start of every game.
static void BM_ResetCatalogue(benchmark::State& state) {
    Random::SetSeedSource(Random::SeededSource(1));
    for (auto _ : state) {
        qlCards reserve;
        reserve.Reset();
        benchmark::DoNotOptimize(reserve.Count());
    }
}
BENCHMARK(BM_ResetCatalogue);

// Dealing the whole deck through a discard pile, so that every deal crosses refills.
static void BM_DealThroughRefills(benchmark::State& state) {
    Random::SetSeedSource(Random::SeededSource(2));
    auto reserve = NewDeck();
    auto discard = NewDeck();
    reserve->SetDiscardDeck(discard);
    reserve->Reset();
    for (auto _ : state) {
        discard->AddCards(reserve->Deal(7));
    }
}
BENCHMARK(BM_DealThroughRefills);
