#include "SimGame.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "game/GameChecks.h"
#include "game/GameLogs.h"
#include "game/HeadlessTable.h"
#include "game/qlGame.h"

namespace {

void Require(const std::string& problem, std::uint64_t seed, long game) {
    if (!problem.empty()) {
        throw SimCheckFailure(problem + " (seed " + std::to_string(seed) + ", game " +
                              std::to_string(game) + "; replay with --seed " +
                              std::to_string(seed + static_cast<std::uint64_t>(game)) +
                              " --games 1)");
    }
}

}  // namespace

SimGameResult PlaySimGame(const SimOptions& options, long n) {
    HeadlessTable table;
    const std::uint64_t gameSeed = options.seed + static_cast<std::uint64_t>(n);
    qlGame game(table, static_cast<Integer>(options.players), 0, Random::SeededSource(gameSeed));
    if (options.catalogue) {
        game.SetCatalogueFile(*options.catalogue);
    }
    std::optional<GameLogs> logs;
    if (options.logs) {
        const std::filesystem::path folder = *options.logs / std::to_string(n);
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        logs.emplace(folder);
        if (error || !logs->LogFile || !logs->GameLogFile) {
            throw std::invalid_argument("--logs: cannot write the logs of game " +
                                        std::to_string(n) + " into \"" + folder.string() + "\"");
        }
        game.SetLogFiles(logs->LogFile.get(), logs->GameLogFile.get());
    }
    Subscription afterRole;
    Subscription afterGovernor;
    if (options.check) {
        afterRole = game.RolePerformed.Subscribe(
            [&](const qlGame& g) { Require(CheckCardsConserved(g), options.seed, n); });
        afterGovernor = game.GovernorPhasesDone.Subscribe([&](const qlGame& g) {
            Require(CheckHandLimits(g, g.Rounds() == 1), options.seed, n);
        });
    }
    game.PlayGame();
    const qlPlayer& winner = game.GetWinner();
    return {game.Rounds(), game.RolesChosen(), winner.PlayerNumber(), winner.Points()};
}
