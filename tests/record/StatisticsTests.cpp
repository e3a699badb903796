// The figures of a record of games, on games whose figures are known.

#include <gtest/gtest.h>

#include <vector>

#include "record/RecordStatistics.h"

namespace {

constexpr ComputerLevel kStandard = ComputerLevel::Standard;
constexpr ComputerLevel kStrong = ComputerLevel::Strong;
constexpr ComputerLevel kExpert = ComputerLevel::Expert;

GameRecord Game(int human, ComputerLevel computers, std::vector<int> points, int winner,
                bool exited = false) {
    GameRecord game;
    game.humanSeat = human;
    game.computers = computers;
    for (const int p : points) {
        game.seats.push_back({p, 0, 0, 0, 0});
    }
    game.winner = winner;
    game.exited = exited;
    game.seed = static_cast<std::uint64_t>(100 + game.Players() * 10 + points.front());
    return game;
}

}  // namespace

TEST(RecordFigures, WinRatesStreaksMarginsAndTheBestGameOfAKnownRecord) {
    const std::vector<GameRecord> games = {
        Game(1, kStandard, {30, 25}, 1),          // won by 5
        Game(1, kExpert, {20, 28}, 2),            // lost by 8
        Game(1, kStrong, {40, 35, 38}, 1),        // won by 2
        Game(1, kStrong, {10, 12, 11}, 2, true),  // left: counted apart, the streak goes on
        Game(1, kStrong, {33, 30, 31}, 1),        // won by 2
        Game(2, kStandard, {20, 45, 44, 10}, 2),  // won by 1 from seat 2
        Game(1, kStandard, {30, 30}, 2),          // level on points, lost on the tie: margin 0
        Game(1, kStandard, {45, 40}, 1),          // won by 5: the best game
    };
    const RecordFigures figures = Summarise(games);
    EXPECT_EQ(figures.games, 7);
    EXPECT_EQ(figures.wins, 5);
    EXPECT_EQ(figures.exited, 1);
    EXPECT_DOUBLE_EQ(figures.WinRate(), 5.0 / 7.0);
    EXPECT_DOUBLE_EQ(figures.averagePoints, 243.0 / 7.0);
    EXPECT_DOUBLE_EQ(figures.averageMargin, 7.0 / 7.0);
    // W L W (left) W W L W.
    EXPECT_EQ(figures.currentStreak, 1);
    EXPECT_EQ(figures.longestStreak, 3);
    // 45 points twice: the wider margin is the better game.
    ASSERT_TRUE(figures.best);
    EXPECT_EQ(figures.best->seed, games[7].seed);
    EXPECT_EQ(figures.best->Margin(), 5);

    ASSERT_EQ(figures.groups.size(), 4u);
    const auto expectGroup = [&](std::size_t i, int players, ComputerLevel computers, int played,
                                 int won) {
        EXPECT_EQ(figures.groups[i].players, players) << i;
        EXPECT_EQ(figures.groups[i].computers, computers) << i;
        EXPECT_EQ(figures.groups[i].games, played) << i;
        EXPECT_EQ(figures.groups[i].wins, won) << i;
    };
    expectGroup(0, 2, kStandard, 3, 2);
    expectGroup(1, 2, kExpert, 1, 0);
    expectGroup(2, 3, kStrong, 2, 2);
    expectGroup(3, 4, kStandard, 1, 1);
    EXPECT_DOUBLE_EQ(figures.groups[0].WinRate(), 2.0 / 3.0);

    // The chart: the followed seat's points against the winner's, the left game out.
    ASSERT_EQ(figures.lastGames.size(), 7u);
    EXPECT_EQ(figures.lastGames[1].points, 20);
    EXPECT_EQ(figures.lastGames[1].winnerPoints, 28);
    EXPECT_EQ(figures.lastGames[4].points, 45);
    EXPECT_EQ(figures.lastGames[4].winnerPoints, 45);
    EXPECT_EQ(figures.lastGames[5].winnerPoints, 30);

    // Only the last fifty games are charted, oldest first; a loss at the end ends the streak.
    std::vector<GameRecord> many;
    for (int i = 0; i < 60; ++i) {
        many.push_back(Game(1, kStandard, {i, 100}, i < 59 ? 1 : 2));
    }
    const RecordFigures more = Summarise(many);
    ASSERT_EQ(more.lastGames.size(), RecordFigures::kChartGames);
    EXPECT_EQ(more.lastGames.front().points, 10);
    EXPECT_EQ(more.lastGames.back().points, 59);
    EXPECT_EQ(more.currentStreak, 0);
    EXPECT_EQ(more.longestStreak, 59);

    // An empty record has no figures to divide by.
    const RecordFigures none = Summarise({});
    EXPECT_EQ(none.games, 0);
    EXPECT_DOUBLE_EQ(none.WinRate(), 0.0);
    EXPECT_FALSE(none.best);
    EXPECT_TRUE(none.lastGames.empty());
}
