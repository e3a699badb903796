// One decision of the strong player: a role choice in the middle of a four-player game, with
// the default budget of copies on two worker threads; and the hint the table asks for at such
// a choice, which makes an expert player of its own each time.

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

#include "game/HeadlessTable.h"
#include "game/Hint.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

namespace {

// The first role choice of round 6 of a seeded four-player game, waiting for the chooser.
std::unique_ptr<qlGame> MidGameRoleChoice(Table& table) {
    std::unique_ptr<qlGame> position;
    qlGame game(table, 4, 0, Random::SeededSource(7));
    game.SetAnswerFeed([&](const Decision& decision) -> std::optional<Choice> {
        if (!position && game.Rounds() == 6 && decision.kind == DecisionKind::Role) {
            position = std::make_unique<qlGame>(game, table);
        }
        return std::nullopt;
    });
    game.PlayGame();
    return position;
}

void BM_StrongRoleChoice(benchmark::State& state) {
    HeadlessTable table;
    const std::unique_ptr<qlGame> position = MidGameRoleChoice(table);
    StrongPlayer strong(position->RoleChooser(), 1, StrongPlayer::kDefaultBudget, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(strong.PickRole(*position, table));
    }
}
BENCHMARK(BM_StrongRoleChoice)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HintAtARoleChoice(benchmark::State& state) {
    HeadlessTable table;
    const std::unique_ptr<qlGame> position = MidGameRoleChoice(table);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AskForHint(*position, position->RoleChooser(), table));
    }
}
BENCHMARK(BM_HintAtARoleChoice)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
