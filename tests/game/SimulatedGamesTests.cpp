// Seeded games of every size, checked after every role, and two games kept line for line.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedTable.h"
#include "SimGame.h"
#include "SimOptions.h"
#include "SimSummary.h"
#include "cards/Catalogue.h"
#include "game/GameLogs.h"
#include "game/HeadlessTable.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

using testing_support::PlaySeeded;
using testing_support::ReadFile;

namespace {

// Every game is checked after each role for the conservation of cards and the score
// breakdowns, and after each governor phase for the hand limits: a broken rule throws.
TEST(SimulatedGames, HundredsOfSeededGamesKeepEveryCardHandLimitAndScoreBreakdown) {
    SimOptions options;
    options.seed = 1000;
    options.check = true;
    for (const int players : {2, 3, 4}) {
        options.players = players;
        for (long n = 0; n < 150; ++n) {
            EXPECT_NO_THROW(PlaySimGame(options, n)) << players << " players, game " << n;
        }
    }
    // Hundreds of building names, most past the ids a city indexes in one word.
    options.catalogue = testing_support::WriteLargeCatalogue(10000);
    for (const int players : {2, 4}) {
        options.players = players;
        EXPECT_FALSE(PlaySimGame(options, players).stalled);
    }
    std::filesystem::remove(*options.catalogue);
}

TEST(SimulatedGames, WhereNoSeatCanBuildTheGameEndsAtTheRoundCapWithTheScoresSoFar) {
    // Ten Indigo Plants and unaffordable Wells: no city can ever hold twelve buildings.
    const std::filesystem::path file =
        testing_support::WriteTempFile("quellin-unbuildable-catalogue.txt",
                                       "Cardname:Indigo Plant\nCost:1\nVP:1\nNumber:10\nType:0\n"
                                       "Cardname:Well\nCost:99\nVP:1\nNumber:100\nType:1\n");
    testing_support::ScriptedTable table;
    qlGame game(table, 2, 0, Random::SeededSource(5));
    game.SetCatalogueFile(file);
    std::ostringstream log;
    game.SetLogFiles(&log, nullptr);
    EXPECT_EQ(game.PlayGame(), qlGame::Outcome::RoundCapped);
    EXPECT_EQ(game.Rounds(), qlGame::kMostRounds);
    ASSERT_GE(table.shown.size(), 2u);
    EXPECT_EQ(table.shown.back(), "Released");
    const std::string scores = table.shown[table.shown.size() - 2];
    EXPECT_EQ(scores.rfind("Message 0 0: No city reached twelve buildings in 200 rounds: the game "
                           "ends here.\r\n\r\nPlayer ",
                           0),
              0u)
        << scores;
    EXPECT_NE(scores.find("Here are the final scores:"), std::string::npos);
    EXPECT_NE(log.str().find("  Points = "), std::string::npos);

    // A run where every game stalls has nothing to sum up and names its first game.
    SimOptions options;
    options.players = 3;
    options.games = 2;
    options.seed = 40;
    options.catalogue = file;
    const std::vector<SimGameResult> stalled{PlaySimGame(options, 0), PlaySimGame(options, 1)};
    EXPECT_TRUE(stalled[0].stalled && stalled[1].stalled);
    EXPECT_EQ(EveryGameStalled(options, stalled),
              "no city reached twelve buildings in 200 rounds in any game (seed 40, game 0; "
              "replay with --seed 40 --games 1)");
    std::filesystem::remove(file);
}

// With the game's own catalogue the computer seats of seed 433764 stop building after round 8
// and never choose Builder again: the run counts that game apart and plays on.
TEST(SimulatedGames, AStalledGameIsCountedApartFromTheFiguresAndTheRunGoesOn) {
    SimOptions options;
    options.players = 3;
    options.games = 4;
    options.seed = 433762;
    options.check = true;
    std::vector<SimGameResult> results;
    for (long n = 0; n < options.games; ++n) {
        results.push_back(PlaySimGame(options, n));
    }
    ASSERT_TRUE(results[2].stalled);
    EXPECT_EQ(results[2].rounds, qlGame::kMostRounds);
    EXPECT_FALSE(EveryGameStalled(options, results));
    // The figures are those of the three games that ended; the time is that of all four.
    EXPECT_EQ(
        SimSummary(options, results, 2.0),
        "games 4, seconds 2.00, games/s 2.0, rounds/game 16.67, roles/game 49.33, winning score "
        "31.33, wins 1:1 2:2 3:0, stalled 1 (first: seed 433764)");
}

// Every bad command line is refused in one line naming the option; the expert seats and what
// the others play are given beside a three-seat game of two games.
TEST(SimOptions, BadOptionsAreNamedInOneLineAndGoodOnesAreTaken) {
    const std::vector<std::string> base{"--players", "2", "--games", "1", "--seed", "1"};
    const std::vector<std::string> three{"--players", "3", "--games", "2", "--seed", "1"};
    const auto with = [](std::vector<std::string> args, const std::vector<std::string>& more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--players", "5", "--games", "1", "--seed", "1"},
         "--players: \"5\" is not a number from 2 to 4"},
        {{"--players", "2", "--games", "10000001", "--seed", "1"},
         "--games: \"10000001\" is not a number from 1 to 10000000"},
        {with(base, {"--players", "3"}), "--players is given twice"},
        {with(with({"--check"}, base), {"--check"}), "--check is given twice"},
        {with(base, {"--strong", "1,rotate"}),
         "--strong: \"1,rotate\" names seats and rotate; give one of them"},
        {with(base, {"--strong", "1", "--strong", "rotate"}), "--strong is given twice"},
        {{"--players", "2", "--games", "1", "--seed", "-1"},
         "--seed: \"-1\" is not a number from 0 to 18446744073709551615"},
        {{"--players", "2", "--games", "1"}, "missing --seed"},
        {with(base, {"--fast"}), "unknown option \"--fast\""},
        {with(base, {"--logs"}), "--logs needs a value"},
        {{"--players", "2", "stray", "--games", "1", "--seed", "1"}, "unknown option \"stray\""},
        {{"--help", "--players", "2", "--help"}, "--help is given twice"},
        {with(three, {"--expert", "4"}), "--expert: seat 4 is not in a game of 3 players"},
        {with(three, {"--expert", "2,2"}), "--expert: seat 2 is named twice"},
        {with(three, {"--expert", "rotate,1"}),
         "--expert: \"rotate,1\" names seats and rotate; give one of them"},
        {with(three, {"--others", "strong"}),
         "--others: names what the seats beside --expert play"},
        {with(three, {"--expert", "1", "--others", "best"}),
         "--others: \"best\" is neither standard nor strong"},
        {with(three, {"--expert", "1", "--strong", "2"}),
         "--strong: not beside --expert; --others strong makes the other seats strong"},
        {with(three, {"--expert", "1,2,3", "--others", "strong"}),
         "--others: every seat is an expert seat"},
        {with(three, {"--expert", "1", "--expert-budget", "0"}),
         "--expert-budget: \"0\" is not a number from 1 to 1000000"},
    };
    for (const auto& [args, message] : refused) {
        EXPECT_EQ(testing_support::ErrorOf<std::invalid_argument>([&] { ParseSimOptions(args); }),
                  message);
    }
    EXPECT_TRUE(ParseSimOptions({"--help"}).help);  // asks for nothing else
    const SimOptions options = ParseSimOptions(
        {"--check", "--seed", "7", "--players", "3", "--games", "10000000", "--logs", "out"});
    EXPECT_EQ(options.players, 3);
    EXPECT_EQ(options.games, 10000000);
    EXPECT_EQ(options.seed, 7u);
    EXPECT_TRUE(options.check);
    EXPECT_EQ(options.logs, std::filesystem::path("out"));

    const SimOptions rotated =
        ParseSimOptions(with(three, {"--expert", "rotate", "--others", "strong"}));
    EXPECT_EQ(rotated.ExpertSeatsOf(4), std::vector<int>{2});
    EXPECT_EQ(rotated.StrongSeatsOf(4), (std::vector<int>{1, 3}));
    const SimOptions named = ParseSimOptions(
        with(three, {"--expert", "3,1", "--others", "standard", "--expert-budget", "9"}));
    EXPECT_EQ(named.ExpertSeatsOf(0), (std::vector<int>{3, 1}));
    EXPECT_TRUE(named.StrongSeatsOf(0).empty());
    EXPECT_EQ(named.expertBudget, 9);
}

// Two games with one expert seat in turn against strong seats, at small budgets: the summary
// gives the expert's wins with their interval, its margin and its decision times, and a game's
// figures are those of its expert seat.
TEST(SimSummary, SumsUpTheExpertSeats) {
    const SimOptions options =
        ParseSimOptions({"--players", "2", "--games", "2", "--seed", "6101", "--expert", "rotate",
                         "--others", "strong", "--expert-budget", "8", "--playouts", "8"});
    std::vector<SimGameResult> results;
    for (long n = 0; n < options.games; ++n) {
        results.push_back(PlaySimGame(options, n));
        const SimGameResult& r = results.back();
        ASSERT_FALSE(r.stalled);
        EXPECT_EQ(r.featuredWon, r.winner == options.ExpertSeatsOf(n).front());
        EXPECT_FALSE(r.decisionSeconds.empty());
    }
    const std::string summary = SimSummary(options, results, 1.0);
    EXPECT_EQ(summary.substr(0, summary.find(", decision median ")),
              "games 2, seconds 1.00, games/s 2.0, rounds/game 19.00, roles/game 55.00, winning "
              "score 36.50, wins 1:0 2:2, expert wins 50.0% (95% interval 9.5% to 90.5%), expert "
              "margin -5.00");
    EXPECT_EQ(summary.find("strong"), std::string::npos) << summary;
}

// Any change to how the game plays shows here; when the change is meant, the files are
// written anew with `quellin-sim --players P --games 1 --seed S --logs DIR`.
TEST(GoldenGames, SeededGamesWriteTheKeptLogsByteForByte) {
    for (const auto& [players, seed] : {std::pair{4, 2026}, std::pair{2, 1207}}) {
        const std::filesystem::path folder =
            std::filesystem::path(QUELLIN_GOLDEN_DIR) /
            (std::to_string(players) + "-players-seed-" + std::to_string(seed));
        const auto [gameLog, log, outcome] = PlaySeeded(players, seed);
        EXPECT_EQ(outcome, qlGame::Outcome::Finished) << folder;
        EXPECT_EQ(gameLog, ReadFile(folder / "GameLog.txt")) << folder;
        EXPECT_EQ(log, ReadFile(folder / "Log.txt")) << folder;
        // The simulator writes the same files, dealt from the catalogue read once for its run.
        SimOptions options;
        options.players = players;
        options.seed = seed;
        options.logs = std::filesystem::temp_directory_path() / "quellin-golden-sim-logs";
        PlaySimGame(options, 0, 1, LoadCatalogueEntries(CatalogueFile()));
        EXPECT_EQ(ReadFile(*options.logs / "0" / "GameLog.txt"), gameLog) << folder;
        EXPECT_EQ(ReadFile(*options.logs / "0" / "Log.txt"), log) << folder;
        std::filesystem::remove_all(*options.logs);
    }
}

// Plays the seeded three-player game of computer seats and calls `atRole` at every role chosen
// with the count so far.
void PlayCountingRoles(std::ostream* gameLog, const std::function<void(int)>& atRole) {
    HeadlessTable table;
    qlGame game(table, 3, 0, Random::SeededSource(2026));
    game.SetLogFiles(nullptr, gameLog);
    int roles = 0;
    table.onEvent = [&](const TableEvent& event) {
        if (event.kind == TableEvent::Kind::RoleChosen) {
            atRole(++roles);
        }
    };
    game.PlayGame();
}

TEST(GameLogs, AGameKilledMidwayLeavesEveryLineWrittenSoFarInItsGameLog) {
    constexpr int kRolesBeforeTheKill = 20;
    std::ostringstream inMemory;
    std::string soFar;
    PlayCountingRoles(&inMemory, [&](int roles) {
        if (roles == kRolesBeforeTheKill) {
            soFar = inMemory.str();
        }
    });
    std::size_t roleLines = 0;
    for (std::size_t at = 0; (at = soFar.find(" Selected Role: ", at)) != std::string::npos; ++at) {
        ++roleLines;
    }
    ASSERT_EQ(roleLines, std::size_t{kRolesBeforeTheKill});

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "quellin-killed-game";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    EXPECT_EXIT(
        {
            GameLogs logs(folder);
            PlayCountingRoles(logs.GameLogFile.get(), [](int roles) {
                if (roles == kRolesBeforeTheKill) {
                    std::raise(SIGKILL);
                }
            });
        },
        testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadFile(folder / "GameLog.txt"), soFar);
    std::filesystem::remove_all(folder);
}

// 64-bit FNV-1a of a text's bytes in 16 hex digits, as tests/game/record-digests.py writes it.
std::string Digest(const std::string& text) {
    std::uint64_t value = 0xCBF29CE484222325ULL;
    for (const char c : text) {
        value ^= static_cast<unsigned char>(c);
        value *= 0x100000001B3ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(value));
    return hex;
}

// Hundreds of seeded games of each size, recorded as one line per game of
// `seed players gamelog-digest log-digest`; when a change to the play is meant, the files are
// written anew with tests/game/record-digests.py.
TEST(SeededGames, EveryRecordedGameWritesTheSameLogs) {
    EXPECT_EQ(Digest(""), "cbf29ce484222325");
    EXPECT_EQ(Digest("a"), "af63dc4c8601ec8c");
    for (const int size : {2, 3, 4}) {
        const std::filesystem::path file = std::filesystem::path(QUELLIN_GOLDEN_DIR) /
                                           ("digests-" + std::to_string(size) + "-players.txt");
        std::istringstream lines(ReadFile(file));
        std::string line;
        int games = 0;
        for (int number = 1; std::getline(lines, line); ++number) {
            std::istringstream fields(line);
            std::uint64_t seed = 0;
            int players = 0;
            std::string gameLogDigest;
            std::string logDigest;
            std::string rest;
            if (!(fields >> seed >> players >> gameLogDigest >> logDigest) || fields >> rest ||
                players != size) {
                ADD_FAILURE() << file << " line " << number << ": bad record \"" << line << "\"";
                continue;
            }
            const auto [gameLog, log, outcome] = PlaySeeded(players, seed);
            EXPECT_EQ(Digest(gameLog), gameLogDigest) << file << " line " << number;
            EXPECT_EQ(Digest(log), logDigest) << file << " line " << number;
            ++games;
        }
        EXPECT_GE(games, 300) << file;
    }
}

}  // namespace
