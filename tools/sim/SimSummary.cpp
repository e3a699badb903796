#include "SimSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

bool Stalled(const SimGameResult& result) {
    return result.stalled;
}

std::vector<SimGameResult> Ended(const std::vector<SimGameResult>& results) {
    std::vector<SimGameResult> ended;
    std::remove_copy_if(results.begin(), results.end(), std::back_inserter(ended), Stalled);
    return ended;
}

// The win rate of the featured seats (named `who`) with its 95% interval (Wilson's), their
// margin, and the median and largest time of one decision.
std::string FeaturedSummary(const char* who, const std::vector<SimGameResult>& results) {
    const double n = static_cast<double>(results.size());
    double wins = 0;
    double margin = 0;
    std::vector<double> seconds;
    for (const SimGameResult& r : results) {
        wins += r.featuredWon ? 1 : 0;
        margin += r.featuredMargin;
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
        ", %s wins %.1f%% (95%% interval %.1f%% to %.1f%%), %s margin %.2f, "
        "decision median %.3f s, largest %.3f s",
        who, 100 * p, 100 * (centre - half), 100 * (centre + half), who, margin / n, median,
        largest);
}

// ", stalled 2 (first: seed S)", or nothing when every game ended.
std::string StalledSummary(const SimOptions& options, const std::vector<SimGameResult>& results) {
    const auto first = std::find_if(results.begin(), results.end(), Stalled);
    if (first == results.end()) {
        return {};
    }
    const auto stalled = std::count_if(first, results.end(), Stalled);
    const auto seed = options.seed + static_cast<std::uint64_t>(first - results.begin());
    return Format(", stalled %ld (first: seed %llu)", static_cast<long>(stalled),
                  static_cast<unsigned long long>(seed));
}

}  // namespace

std::string SimSummary(const SimOptions& options, const std::vector<SimGameResult>& results,
                       double seconds) {
    const std::vector<SimGameResult> ended = Ended(results);
    const double games = static_cast<double>(ended.size());
    double rounds = 0;
    double roles = 0;
    double points = 0;
    std::vector<long> wins(5, 0);
    for (const SimGameResult& r : ended) {
        rounds += static_cast<double>(r.rounds);
        roles += static_cast<double>(r.roles);
        points += r.winningPoints;
        ++wins[static_cast<std::size_t>(r.winner)];
    }
    const double played = static_cast<double>(results.size());
    std::string summary = Format(
        "games %ld, seconds %.2f, games/s %.1f, rounds/game %.2f, roles/game %.2f, "
        "winning score %.2f, wins",
        static_cast<long>(results.size()), seconds, seconds > 0 ? played / seconds : 0.0,
        rounds / games, roles / games, points / games);
    for (int seat = 1; seat <= options.players; ++seat) {
        summary += Format(" %d:%ld", seat, wins[static_cast<std::size_t>(seat)]);
    }
    if (options.HasExperts()) {
        summary += FeaturedSummary("expert", ended);
    } else if (options.HasStrong()) {
        summary += FeaturedSummary("strong", ended);
    }
    return summary + StalledSummary(options, results);
}

std::optional<std::string> EveryGameStalled(const SimOptions& options,
                                            const std::vector<SimGameResult>& results) {
    if (!std::all_of(results.begin(), results.end(), Stalled)) {
        return std::nullopt;
    }
    return "no city reached twelve buildings in " + std::to_string(results.front().rounds) +
           " rounds in any game" + GameNamed(options.seed, 0);
}
