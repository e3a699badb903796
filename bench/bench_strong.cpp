// One decision of the strong player: a role choice in the middle of a four-player game, with
// the default budget of copies on two worker threads.

#include <benchmark/benchmark.h>

#include <memory>

#include "game/HeadlessTable.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

namespace {

void BM_StrongRoleChoice(benchmark::State& state) {
    HeadlessTable table;
    std::unique_ptr<qlGame> position;
    qlGame game(table, 4, 0, Random::SeededSource(7));
    Subscription taken = game.BeforeRoleChoice.Subscribe([&](const qlGame& g) {
        if (!position && g.Rounds() == 6) {
            position = std::make_unique<qlGame>(g, table);
        }
    });
    game.PlayGame();
    StrongPlayer strong(position->RoleChooser()->PlayerNumber(), 1, StrongPlayer::kDefaultBudget,
                        2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(strong.PickRole(*position, table));
    }
}
BENCHMARK(BM_StrongRoleChoice)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
