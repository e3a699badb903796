// quellin-sim: plays seeded games with computer seats only and sums them up in one line.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "SimOptions.h"
#include "cards/Catalogue.h"
#include "game/GameChecks.h"
#include "game/GameLogs.h"
#include "game/HeadlessTable.h"
#include "game/qlGame.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Totals {
    long games = 0;
    long rounds = 0;
    long roles = 0;
    long winningPoints = 0;
    std::vector<long> wins = std::vector<long>(5, 0);
};

// A broken invariant, with the game that shows it.
struct Violation : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Require(const std::string& problem, std::uint64_t seed, long game) {
    if (!problem.empty()) {
        throw Violation(problem + " (seed " + std::to_string(seed) + ", game " +
                        std::to_string(game) + "; replay with --seed " +
                        std::to_string(seed + static_cast<std::uint64_t>(game)) + " --games 1)");
    }
}

void PlayOne(const SimOptions& options, long n, Totals& totals) {
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
    ++totals.games;
    totals.rounds += game.Rounds();
    totals.roles += game.RolesChosen();
    totals.winningPoints += winner.Points();
    ++totals.wins[static_cast<std::size_t>(winner.PlayerNumber())];
}

std::string Summary(const SimOptions& options, const Totals& totals, double seconds) {
    const double games = static_cast<double>(totals.games);
    char line[512];
    std::snprintf(line, sizeof line,
                  "games %ld, seconds %.2f, games/s %.1f, rounds/game %.2f, roles/game %.2f, "
                  "winning score %.2f, wins",
                  totals.games, seconds, seconds > 0 ? games / seconds : 0.0,
                  static_cast<double>(totals.rounds) / games,
                  static_cast<double>(totals.roles) / games,
                  static_cast<double>(totals.winningPoints) / games);
    std::string summary = line;
    for (int seat = 1; seat <= options.players; ++seat) {
        summary.append(" ").append(std::to_string(seat)).append(":");
        summary.append(std::to_string(totals.wins[static_cast<std::size_t>(seat)]));
    }
    return summary;
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    try {
        options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.catalogue) {
            ReadCatalogueFile(*options.catalogue);
        }
    } catch (const std::exception& error) {
        std::cerr << "quellin-sim: " << error.what() << "\n" << kSimUsage << "\n";
        return 2;
    }
    Totals totals;
    const Clock::time_point start = Clock::now();
    Clock::time_point lastReport = start;
    try {
        for (long n = 0; n < options.games; ++n) {
            PlayOne(options, n, totals);
            if (Clock::now() - lastReport >= std::chrono::seconds(1)) {
                lastReport = Clock::now();
                std::cerr << "quellin-sim: " << totals.games << " of " << options.games
                          << " games played\n";
            }
        }
    } catch (const Violation& violation) {
        std::cerr << "quellin-sim: check failed: " << violation.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quellin-sim: " << error.what() << "\n";
        return 2;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::cout << Summary(options, totals, seconds) << std::endl;
    return 0;
}
