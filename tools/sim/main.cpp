// quellin-sim: plays seeded games with computer seats only and sums them up in one line.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <iostream>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "SimGame.h"
#include "SimOptions.h"
#include "cards/Catalogue.h"
#include "core/DataFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// The win rate of the strong seats with its 95% interval (Wilson's), their margin, and the
// median and largest time of one decision.
std::string StrongSummary(const std::vector<SimGameResult>& results) {
    const double n = static_cast<double>(results.size());
    double wins = 0;
    double margin = 0;
    std::vector<double> seconds;
    for (const SimGameResult& r : results) {
        wins += r.strongWon ? 1 : 0;
        margin += r.strongMargin;
        seconds.insert(seconds.end(), r.decisionSeconds.begin(), r.decisionSeconds.end());
    }
    const double p = wins / n;
    const double z = 1.96;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds.empty() ? 0 : seconds[seconds.size() / 2];
    const double largest = seconds.empty() ? 0 : seconds.back();
    return Format(
        ", strong wins %.1f%% (95%% interval %.1f%% to %.1f%%), strong margin %.2f, "
        "decision median %.3f s, largest %.3f s",
        100 * p, 100 * (centre - half), 100 * (centre + half), margin / n, median, largest);
}

std::string Summary(const SimOptions& options, const std::vector<SimGameResult>& results,
                    double seconds) {
    const double games = static_cast<double>(results.size());
    double rounds = 0;
    double roles = 0;
    double points = 0;
    std::vector<long> wins(5, 0);
    for (const SimGameResult& r : results) {
        rounds += static_cast<double>(r.rounds);
        roles += static_cast<double>(r.roles);
        points += r.winningPoints;
        ++wins[static_cast<std::size_t>(r.winner)];
    }
    std::string summary = Format(
        "games %ld, seconds %.2f, games/s %.1f, rounds/game %.2f, roles/game %.2f, "
        "winning score %.2f, wins",
        static_cast<long>(results.size()), seconds, seconds > 0 ? games / seconds : 0.0,
        rounds / games, roles / games, points / games);
    for (int seat = 1; seat <= options.players; ++seat) {
        summary += Format(" %d:%ld", seat, wins[static_cast<std::size_t>(seat)]);
    }
    if (options.strongRotate || !options.strongSeats.empty()) {
        summary += StrongSummary(results);
    }
    return summary;
}

// Plays every game of the run on `options.jobs` threads; each result lands in its game's
// place, so the summary does not depend on how many run at once. Rethrows the error of the
// lowest-numbered game that failed.
std::vector<SimGameResult> PlayAll(const SimOptions& options) {
    std::vector<SimGameResult> results(static_cast<std::size_t>(options.games));
    std::atomic<long> next{0};
    std::atomic<long> done{0};
    std::atomic<bool> failed{false};
    std::mutex failureLock;
    long failedGame = options.games;
    std::exception_ptr failure;
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int thinkers = std::max(1, cores / options.jobs);
    const auto work = [&] {
        for (long n; (n = next++) < options.games;) {
            try {
                results[static_cast<std::size_t>(n)] = PlaySimGame(options, n, thinkers);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureLock);
                if (n < failedGame) {
                    failedGame = n;
                    failure = std::current_exception();
                }
                next = options.games;
                failed = true;
            }
            ++done;
        }
    };
    std::vector<std::thread> workers;
    for (int j = 0; j < options.jobs; ++j) {
        workers.emplace_back(work);
    }
    Clock::time_point lastReport = Clock::now();
    while (done < options.games && !failed) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (Clock::now() - lastReport >= std::chrono::seconds(1)) {
            lastReport = Clock::now();
            std::cerr << "quellin-sim: " << done << " of " << options.games << " games played\n";
        }
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return results;
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
    if (!options.catalogue) {
        try {
            DataFolder();
        } catch (const std::exception& error) {
            std::cerr << "quellin-sim: " << error.what() << "\n";
            return 1;
        }
    }
    const Clock::time_point start = Clock::now();
    try {
        const std::vector<SimGameResult> results = PlayAll(options);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::cout << Summary(options, results, seconds) << std::endl;
    } catch (const SimCheckFailure& violation) {
        std::cerr << "quellin-sim: check failed: " << violation.what() << "\n";
        return 1;
    } catch (const SimRoundCapped& capped) {
        std::cerr << "quellin-sim: " << capped.what() << "\n";
        return 3;
    } catch (const std::exception& error) {
        std::cerr << "quellin-sim: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
