// The simulator's games in the record, through SQLite's own library: the game's schema and rows
// the statistics read back, and records that cannot be written.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SimGame.h"
#include "SimRecord.h"
#include "SqliteSession.h"
#include "record/RecordDatabase.h"
#include "record/RecordSchema.h"
#include "record/RecordStatistics.h"
#include "support/TableHelpers.h"

namespace {

namespace fs = std::filesystem;

fs::path FreshFile(const std::string& name) {
    return testing_support::FreshFolder("quellin-record-tests-" + name) / "Records.sqlite";
}

std::string Refusal(const fs::path& file) {
    return testing_support::ErrorOf<RecordError>([&] { SimRecord record(file); });
}

}  // namespace

TEST(SimRecord, EveryGameIsWrittenAsPlayedAndABadRecordIsRefusedBeforeAnyGame) {
    SimOptions options;
    options.players = 3;
    options.games = 12;
    options.seed = 40;
    // An expert seat at a tiny budget, seat n mod 3 + 1 in game n: the computers beside seat 1
    // are expert in the games where it is not seat 1.
    options.expertRotate = true;
    options.expertBudget = 6;
    options.record = FreshFile("games");
    std::vector<SimGameResult> results;
    for (long n = 0; n < options.games; ++n) {
        results.push_back(PlaySimGame(options, n));
    }
    SimRecord(*options.record).Write(results);

    SqliteSession session(*options.record);
    EXPECT_EQ(SchemaVersionOf(session), RecordSchemaVersion());
    EXPECT_EQ(AsText(session.Run("PRAGMA journal_mode").at(0).at(0)), "wal");
    const std::vector<GameRecord> games = ReadGames(session);
    ASSERT_EQ(games.size(), results.size());
    for (std::size_t n = 0; n < games.size(); ++n) {
        const GameRecord& game = games[n];
        EXPECT_EQ(game.seed, 40 + n);
        EXPECT_EQ(game.Players(), 3);
        EXPECT_EQ(game.humanSeat, 1);
        EXPECT_EQ(game.computers, n % 3 == 0 ? ComputerLevel::Standard : ComputerLevel::Expert);
        EXPECT_EQ(game.source, "simulator");
        EXPECT_EQ(game.rounds, results[n].rounds);
        if (!results[n].stalled) {
            EXPECT_EQ(game.winner, results[n].winner) << n;
            EXPECT_EQ(game.WinnerPoints(), results[n].winningPoints) << n;
        }
        // Each seat's parts add up to its points.
        for (const GameRecord::Seat& seat : game.seats) {
            EXPECT_EQ(seat.buildingPoints + seat.chapelPoints + seat.bonusPoints, seat.points);
            EXPECT_GE(seat.buildingCount, 1);
        }
    }

    // The statistics count the eight expert games as a level of their own.
    const RecordFigures figures = Summarise(games);
    ASSERT_EQ(figures.groups.size(), 2u);
    EXPECT_EQ(figures.groups[1].computers, ComputerLevel::Expert);
    EXPECT_EQ(figures.groups[0].games, 4);
    EXPECT_EQ(figures.groups[1].games, 8);

    // A folder that is not there, a file that is no database, one of a newer program: each
    // named with why, before a game is played.
    const fs::path missing = fs::temp_directory_path() / "quellin-no-such-folder" / "R.sqlite";
    EXPECT_EQ(Refusal(missing), "--record: cannot write the record of games \"" + missing.string() +
                                    "\": unable to open database file");
    const fs::path garbage = FreshFile("garbage");
    std::ofstream(garbage) << std::string(4096, 'x');
    EXPECT_EQ(Refusal(garbage), "--record: cannot write the record of games \"" + garbage.string() +
                                    "\": file is not a database");
    const fs::path newer = FreshFile("newer");
    SqliteSession(newer).Run("PRAGMA user_version = 99");
    EXPECT_EQ(Refusal(newer), "--record: cannot write the record of games \"" + newer.string() +
                                  "\": it was written by a newer version of Quellin (schema 99, "
                                  "this one knows up to 2)");
}
