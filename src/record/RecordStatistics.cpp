#include "record/RecordStatistics.h"

#include <algorithm>
#include <tuple>

namespace {

RecordFigures::Group& GroupOf(std::vector<RecordFigures::Group>& groups, const GameRecord& game) {
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const auto& group) {
        return group.players == game.Players() && group.computers == game.computers;
    });
    if (found != groups.end()) {
        return *found;
    }
    groups.push_back({game.Players(), game.computers, 0, 0});
    return groups.back();
}

bool Better(const GameRecord& game, const GameRecord& than) {
    return std::tuple(game.HumanPoints(), game.Margin()) >
           std::tuple(than.HumanPoints(), than.Margin());
}

}  // namespace

RecordFigures Summarise(const std::vector<GameRecord>& games) {
    RecordFigures figures;
    long long points = 0;
    long long margins = 0;
    std::vector<RecordFigures::ChartGame> chart;
    for (const GameRecord& game : games) {
        if (game.exited) {
            ++figures.exited;
            continue;
        }
        ++figures.games;
        RecordFigures::Group& group = GroupOf(figures.groups, game);
        ++group.games;
        if (game.Won()) {
            ++figures.wins;
            ++group.wins;
            figures.longestStreak = std::max(figures.longestStreak, ++figures.currentStreak);
        } else {
            figures.currentStreak = 0;
        }
        points += game.HumanPoints();
        margins += game.Margin();
        if (!figures.best || Better(game, *figures.best)) {
            figures.best = game;
        }
        chart.push_back({game.HumanPoints(), game.WinnerPoints()});
    }
    if (figures.games > 0) {
        figures.averagePoints = static_cast<double>(points) / figures.games;
        figures.averageMargin = static_cast<double>(margins) / figures.games;
    }
    std::sort(figures.groups.begin(), figures.groups.end(), [](const auto& a, const auto& b) {
        return std::tuple(a.players, a.computers) < std::tuple(b.players, b.computers);
    });
    const std::size_t first =
        chart.size() > RecordFigures::kChartGames ? chart.size() - RecordFigures::kChartGames : 0;
    figures.lastGames.assign(chart.begin() + static_cast<std::ptrdiff_t>(first), chart.end());
    return figures;
}
