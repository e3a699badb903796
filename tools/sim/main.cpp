// quellin-sim: plays seeded games with computer seats only and sums them up in one line.

#include <algorithm>
#include <atomic>
#include <chrono>
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
#include "SimRecord.h"
#include "SimSummary.h"
#include "cards/Catalogue.h"
#include "core/DataFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

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
    // Read once for the whole run, not looked at again for every game.
    const auto catalogue =
        LoadCatalogueEntries(options.catalogue ? *options.catalogue : CatalogueFile());
    const auto work = [&] {
        for (long n; (n = next++) < options.games;) {
            try {
                results[static_cast<std::size_t>(n)] = PlaySimGame(options, n, thinkers, catalogue);
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
    if (options.help || options.version) {
        std::cout << (options.help ? kSimUsage : "quellin-sim " QUELLIN_VERSION) << "\n";
        return 0;
    }
    if (!options.catalogue) {
        try {
            DataFolder();
        } catch (const std::exception& error) {
            std::cerr << "quellin-sim: " << error.what() << "\n";
            return 1;
        }
    }
    try {
        std::optional<SimRecord> record;
        if (options.record) {
            record.emplace(*options.record);
        }
        const Clock::time_point start = Clock::now();
        const std::vector<SimGameResult> results = PlayAll(options);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (record) {
            record->Write(results);
        }
        if (const auto stalled = EveryGameStalled(options, results)) {
            std::cerr << "quellin-sim: " << *stalled << "\n";
            return 3;
        }
        std::cout << SimSummary(options, results, seconds) << std::endl;
    } catch (const SimCheckFailure& violation) {
        std::cerr << "quellin-sim: check failed: " << violation.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quellin-sim: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
