// Seeded games of every size, checked after every role, and two games kept line for line.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "SimGame.h"
#include "SimOptions.h"
#include "game/HeadlessTable.h"
#include "game/qlGame.h"

namespace {

TEST(SimulatedGames, HundredsOfSeededGamesKeepEveryCardAndHandLimit) {
    for (const int players : {2, 3, 4}) {
        SimOptions options;
        options.players = players;
        options.seed = 1000;
        options.check = true;
        for (long n = 0; n < 150; ++n) {
            const SimGameResult result = PlaySimGame(options, n);
            EXPECT_GE(result.winner, 1);
            EXPECT_LE(result.winner, players);
            EXPECT_GE(result.roles, 3 * (result.rounds - 1) + 1);
        }
    }
}

TEST(SimOptions, BadOptionsAreNamedInOneLine) {
    const auto error = [](std::vector<std::string> args) -> std::string {
        try {
            ParseSimOptions(args);
        } catch (const std::invalid_argument& e) {
            return e.what();
        }
        return "accepted";
    };
    EXPECT_EQ(error({"--players", "5", "--games", "1", "--seed", "1"}),
              "--players: \"5\" is not a number from 2 to 4");
    EXPECT_EQ(error({"--players", "2", "--games", "ten", "--seed", "1"}),
              "--games: \"ten\" is not a number from 1 to 1000000000");
    EXPECT_EQ(error({"--players", "2", "--games", "1", "--seed", "-1"}),
              "--seed: \"-1\" is not a number from 0 to 18446744073709551615");
    EXPECT_EQ(error({"--players", "2", "--games", "1"}), "missing --seed");
    EXPECT_EQ(error({"--players", "2", "--games", "1", "--seed", "1", "--fast"}),
              "unknown option \"--fast\"");
    EXPECT_EQ(error({"--players", "2", "--games", "1", "--seed", "1", "--logs"}),
              "--logs needs a value");
    const SimOptions options = ParseSimOptions(
        {"--check", "--seed", "7", "--players", "3", "--games", "20", "--logs", "out"});
    EXPECT_EQ(options.players, 3);
    EXPECT_EQ(options.games, 20);
    EXPECT_EQ(options.seed, 7u);
    EXPECT_TRUE(options.check);
    EXPECT_EQ(options.logs, std::filesystem::path("out"));
}

std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << file;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Any change to how the game plays shows here; when the change is meant, the files are
// written anew with `quellin-sim --players P --games 1 --seed S --logs DIR`.
TEST(GoldenGames, SeededGamesWriteTheKeptLogsByteForByte) {
    for (const auto& [players, seed] : {std::pair{4, 2026}, std::pair{2, 1207}}) {
        const std::filesystem::path folder =
            std::filesystem::path(QUELLIN_GOLDEN_DIR) /
            (std::to_string(players) + "-players-seed-" + std::to_string(seed));
        HeadlessTable table;
        qlGame game(table, static_cast<Integer>(players), 0, Random::SeededSource(seed));
        std::ostringstream log;
        std::ostringstream gameLog;
        game.SetLogFiles(&log, &gameLog);
        game.PlayGame();
        EXPECT_EQ(gameLog.str(), Read(folder / "GameLog.txt")) << folder;
        EXPECT_EQ(log.str(), Read(folder / "Log.txt")) << folder;
    }
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
        std::istringstream lines(Read(file));
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
            HeadlessTable table;
            qlGame game(table, static_cast<Integer>(players), 0, Random::SeededSource(seed));
            std::ostringstream log;
            std::ostringstream gameLog;
            game.SetLogFiles(&log, &gameLog);
            game.PlayGame();
            EXPECT_EQ(Digest(gameLog.str()), gameLogDigest) << file << " line " << number;
            EXPECT_EQ(Digest(log.str()), logDigest) << file << " line " << number;
            ++games;
        }
        EXPECT_GE(games, 300) << file;
    }
}

}  // namespace
