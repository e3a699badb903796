// Complete four-player games with computer seats only, as the simulator plays them, and the
// copies of a game that a look-ahead plays on.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>

#include "cards/Catalogue.h"
#include "game/HeadlessTable.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

namespace {

void BM_FourPlayerGame(benchmark::State& state) {
    std::uint64_t seed = 1;
    // Read once for the run, as the simulator does.
    const auto catalogue = LoadCatalogueEntries(CatalogueFile());
    for (auto _ : state) {
        HeadlessTable table;
        qlGame game(table, 4, 0, Random::SeededSource(seed++));
        game.SetCatalogue(catalogue);
        benchmark::DoNotOptimize(game.PlayGame());
    }
}
BENCHMARK(BM_FourPlayerGame);

}  // namespace

namespace {

// Seed 1's four-player game as it stands at its 25th role choice, about half way.
const qlGame& MidGame() {
    static HeadlessTable table;
    static std::unique_ptr<qlGame> saved;
    if (!saved) {
        qlGame game(table, 4, 0, Random::SeededSource(1));
        Subscription copyAt = game.BeforeRoleChoice.Subscribe([](const qlGame& g) {
            if (g.RolesChosen() == 24 && !saved) {
                saved = std::make_unique<qlGame>(g, table);
            }
        });
        game.PlayGame();
    }
    return *saved;
}

// What a look-ahead pays for one copy of the game, against playing that copy to its end.
void BM_CopyGame_MidGame(benchmark::State& state) {
    const qlGame& game = MidGame();
    HeadlessTable table;
    for (auto _ : state) {
        qlGame copy(game, table);
        benchmark::DoNotOptimize(copy.RolesChosen());
    }
}
BENCHMARK(BM_CopyGame_MidGame);

// The copy of the state alone, without a table or deciders of its own.
void BM_CopyState_MidGame(benchmark::State& state) {
    const GameState& original = MidGame().State();
    for (auto _ : state) {
        GameState copy = original;
        benchmark::DoNotOptimize(copy.rolesChosen);
    }
}
BENCHMARK(BM_CopyState_MidGame);

void BM_CopyAndPlayOn_MidGame(benchmark::State& state) {
    const qlGame& game = MidGame();
    HeadlessTable table;
    for (auto _ : state) {
        qlGame copy(game, table);
        benchmark::DoNotOptimize(copy.PlayOn());
    }
}
BENCHMARK(BM_CopyAndPlayOn_MidGame);

// A whole four-player game over a catalogue of 10,000 cards.
void BM_FourPlayerGame_10000Cards(benchmark::State& state) {
    const std::filesystem::path file = testing_support::WriteLargeCatalogue(10000);
    std::uint64_t seed = 1;
    for (auto _ : state) {
        HeadlessTable table;
        qlGame game(table, 4, 0, Random::SeededSource(seed++));
        game.SetCatalogueFile(file);
        benchmark::DoNotOptimize(game.PlayGame());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_FourPlayerGame_10000Cards)->Unit(benchmark::kMillisecond);

}  // namespace
