// The simulator's expert seats: the options that name them and what the other seats play, and
// the figures its summary gives of them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "SimGame.h"
#include "SimOptions.h"
#include "SimSummary.h"
#include "support/TableHelpers.h"

namespace {

std::vector<std::string> ThreeSeats(std::vector<std::string> more) {
    std::vector<std::string> args{"--players", "3", "--games", "2", "--seed", "1"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(SimOptions, ExpertSeatsAndWhatTheOthersPlay) {
    const auto error = [](const std::vector<std::string>& more) {
        return testing_support::ErrorOf<std::invalid_argument>(
            [&] { ParseSimOptions(ThreeSeats(more)); });
    };
    EXPECT_EQ(error({"--expert", "4"}), "--expert: seat 4 is not in a game of 3 players");
    EXPECT_EQ(error({"--expert", "2,2"}), "--expert: seat 2 is named twice");
    EXPECT_EQ(error({"--expert", "rotate,1"}),
              "--expert: \"rotate,1\" names seats and rotate; give one of them");
    EXPECT_EQ(error({"--others", "strong"}), "--others: names what the seats beside --expert play");
    EXPECT_EQ(error({"--expert", "1", "--others", "best"}),
              "--others: \"best\" is neither standard nor strong");
    EXPECT_EQ(error({"--expert", "1", "--strong", "2"}),
              "--strong: not beside --expert; --others strong makes the other seats strong");
    EXPECT_EQ(error({"--expert", "1,2,3", "--others", "strong"}),
              "--others: every seat is an expert seat");
    EXPECT_EQ(error({"--expert", "1", "--expert-budget", "0"}),
              "--expert-budget: \"0\" is not a number from 1 to 1000000");

    const SimOptions rotated =
        ParseSimOptions(ThreeSeats({"--expert", "rotate", "--others", "strong"}));
    EXPECT_EQ(rotated.ExpertSeatsOf(4), std::vector<int>{2});
    EXPECT_EQ(rotated.StrongSeatsOf(4), (std::vector<int>{1, 3}));
    const SimOptions named = ParseSimOptions(
        ThreeSeats({"--expert", "3,1", "--others", "standard", "--expert-budget", "9"}));
    EXPECT_EQ(named.ExpertSeatsOf(0), (std::vector<int>{3, 1}));
    EXPECT_TRUE(named.StrongSeatsOf(0).empty());
    EXPECT_EQ(named.expertBudget, 9);
}

// Two games with one expert seat in turn against strong seats, at small budgets: the summary
// gives the expert's wins with their interval, its margin and its decision times, and a game's
// figures are those of its expert seat.
TEST(SimSummary, SumsUpTheExpertSeats) {
    const SimOptions options =
        ParseSimOptions({"--players", "2", "--games", "2", "--seed", "6100", "--expert", "rotate",
                         "--others", "strong", "--expert-budget", "8", "--playouts", "8"});
    std::vector<SimGameResult> results;
    double wins = 0;
    double margin = 0;
    for (long n = 0; n < options.games; ++n) {
        results.push_back(PlaySimGame(options, n));
        const SimGameResult& r = results.back();
        ASSERT_FALSE(r.stalled);
        EXPECT_EQ(r.featuredWon, r.winner == options.ExpertSeatsOf(n).front());
        EXPECT_FALSE(r.decisionSeconds.empty());
        wins += r.featuredWon ? 1 : 0;
        margin += r.featuredMargin;
    }
    const std::string summary = SimSummary(options, results, 1.0);
    char expected[96];
    std::snprintf(expected, sizeof expected, ", expert wins %.1f%% (95%% interval ",
                  100 * wins / 2);
    EXPECT_NE(summary.find(expected), std::string::npos) << summary;
    std::snprintf(expected, sizeof expected, "), expert margin %.2f, decision median ", margin / 2);
    EXPECT_NE(summary.find(expected), std::string::npos) << summary;
    EXPECT_EQ(summary.find("strong"), std::string::npos) << summary;
}

}  // namespace
