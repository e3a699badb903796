// quellin-sim: plays seeded games with computer seats only and sums them up in one line.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "SimGame.h"
#include "SimOptions.h"
#include "cards/Catalogue.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Totals {
    long games = 0;
    long rounds = 0;
    long roles = 0;
    long winningPoints = 0;
    std::vector<long> wins = std::vector<long>(5, 0);
};

void Add(const SimGameResult& result, Totals& totals) {
    ++totals.games;
    totals.rounds += result.rounds;
    totals.roles += result.roles;
    totals.winningPoints += result.winningPoints;
    ++totals.wins[static_cast<std::size_t>(result.winner)];
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
        std::cerr << "quellin-sim: " << error.what() << " (" << kSimUsage << ")\n";
        return 2;
    }
    Totals totals;
    const Clock::time_point start = Clock::now();
    Clock::time_point lastReport = start;
    try {
        for (long n = 0; n < options.games; ++n) {
            Add(PlaySimGame(options, n), totals);
            if (Clock::now() - lastReport >= std::chrono::seconds(1)) {
                lastReport = Clock::now();
                std::cerr << "quellin-sim: " << totals.games << " of " << options.games
                          << " games played\n";
            }
        }
    } catch (const SimCheckFailure& violation) {
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
