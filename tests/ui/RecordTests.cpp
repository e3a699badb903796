// The game's record of games: a schema of the first version migrated with every row kept,
// records that cannot be opened or written told once, two programs recording at once, and the
// statistics window that reads it and hands a game to the start dialog.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>

#include "WindowDriver.h"
#include "record/RecordSchema.h"
#include "record/RecordSession.h"
#include "support/TableHelpers.h"
#include "ui/RecordStore.h"
#include "ui/frmStart.h"
#include "ui/frmStatistics.h"

namespace {

namespace fs = std::filesystem;

GameRecord SomeGame(std::uint64_t seed) {
    GameRecord game;
    game.playedAt = "2026-12-09T20:00:00Z";
    game.seed = seed;
    game.programVersion = "1.0.0";
    game.humanSeat = 2;
    game.seats = {{31, 12, 22, 3, 6}, {27, 10, 21, 6, 0}};
    game.winner = 1;
    game.rounds = 14;
    game.durationMs = 600000;
    return game;
}

// Runs `statements` on a connection of the test's own, outside the store.
void RunDirectly(const fs::path& file, const std::vector<std::string>& statements) {
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "direct");
        database.setDatabaseName(QString::fromStdString(file.string()));
        ASSERT_TRUE(database.open());
        for (const std::string& statement : statements) {
            QSqlQuery query(database);
            ASSERT_TRUE(query.exec(QString::fromStdString(statement))) << statement;
        }
        database.close();
    }
    QSqlDatabase::removeDatabase("direct");
}

}  // namespace

TEST(RecordStore, TheFirstSchemaIsMigratedWithEveryRowKept) {
    const fs::path file =
        testing_support::FreshFolder("quellin-record-migration") / "Records.sqlite";
    std::vector<std::string> first;
    for (const std::string_view statement : RecordMigrations().front().statements) {
        first.emplace_back(statement);
    }
    first.push_back("PRAGMA user_version = 1");
    for (int id = 1; id <= 3; ++id) {
        const std::string n = std::to_string(id);
        first.push_back("INSERT INTO games VALUES (" + n + ", '2026-11-0" + n + "T10:00:00Z', '" +
                        std::to_string(18446744073709551610ull + id) + "', '0.9', 3, " + n +
                        (id == 1 ? ", 'standard'" : ", 'strong'") + ", 2, 1" + n + ", 5000" + n +
                        ", " + (id == 3 ? "1" : "0") + ", " + (id == 2 ? "1" : "0") + ")");
        for (int seat = 1; seat <= 3; ++seat) {
            const std::string s = std::to_string(seat);
            first.push_back("INSERT INTO seats VALUES (" + n + ", " + s + ", 2" + s + ", 1" + s +
                            ", 1" + n + ", " + s + ", " + n + ")");
        }
    }
    RunDirectly(file, first);

    RecordStore store(file);
    EXPECT_EQ(store.Record(SomeGame(77)), std::nullopt);
    const std::vector<GameRecord> games = store.Games();
    ASSERT_EQ(games.size(), 4u);
    for (int id = 1; id <= 3; ++id) {
        const GameRecord& game = games[static_cast<std::size_t>(id - 1)];
        EXPECT_EQ(game.id, id);
        EXPECT_EQ(game.playedAt, "2026-11-0" + std::to_string(id) + "T10:00:00Z");
        EXPECT_EQ(game.seed, 18446744073709551610ull + static_cast<unsigned>(id));
        EXPECT_EQ(game.programVersion, "0.9");
        EXPECT_EQ(game.humanSeat, id);
        EXPECT_EQ(game.computers, id == 1 ? ComputerLevel::Standard : ComputerLevel::Strong);
        EXPECT_EQ(game.winner, 2);
        EXPECT_EQ(game.rounds, 10 + id);
        EXPECT_EQ(game.durationMs, 50000 + id);
        EXPECT_EQ(game.exited, id == 3);
        EXPECT_EQ(game.resumed, id == 2);
        EXPECT_EQ(game.source, "table");  // what the first schema's games were
        ASSERT_EQ(game.Players(), 3);
        for (int seat = 1; seat <= 3; ++seat) {
            const GameRecord::Seat& kept = game.seats[static_cast<std::size_t>(seat - 1)];
            EXPECT_EQ(kept.points, 20 + seat);
            EXPECT_EQ(kept.buildingCount, 10 + seat);
            EXPECT_EQ(kept.buildingPoints, 10 + id);
            EXPECT_EQ(kept.chapelPoints, seat);
            EXPECT_EQ(kept.bonusPoints, id);
        }
    }
    EXPECT_EQ(games[3].seed, 77u);
    EXPECT_EQ(games[3].id, 4);
    EXPECT_EQ(games[3].seats[0].bonusPoints, 6);
    // A level this program does not know is named, not taken for another.
    RunDirectly(file, {"UPDATE games SET computer_level = 'grand' WHERE id = 2"});
    EXPECT_EQ(testing_support::ErrorOf<RecordError>([&] { store.Games(); }),
              "The record of games " + file.string() +
                  " cannot be read: game 2 has the computer level 'grand', which is no level.");
}

TEST(RecordStore, AFolderOrFileThatCannotBeWrittenIsToldOnceAndNothingIsOverwritten) {
    const fs::path base = testing_support::FreshFolder("quellin-record-bad");
    std::ofstream(base / "a file") << "not a folder";
    // As root every folder may be written; the process's own folder of the kernel may not.
    const fs::path readOnly = geteuid() == 0 ? fs::path("/proc/self") : base / "read-only";
    if (geteuid() != 0) {
        fs::create_directories(readOnly);
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const fs::path corrupt = base / "corrupt.sqlite";
    const std::string garbage(8192, '\x5a');
    std::ofstream(corrupt, std::ios::binary) << garbage;
    const fs::path newer = base / "newer.sqlite";
    RunDirectly(newer, {"PRAGMA user_version = 7"});
    const std::vector<std::pair<fs::path, std::string>> cases = {
        {base / "a file" / "folder" / "Records.sqlite",
         "its folder cannot be made (Not a directory)"},
        {readOnly / "Records.sqlite", "unable to open database file"},
        {corrupt, "file is not a database"},
        {newer, "it was written by a newer version of Quellin (schema 7, this one knows up to 2)"},
    };
    for (const auto& [file, reason] : cases) {
        RecordStore store(file);
        const std::optional<std::string> notice = store.Record(SomeGame(1));
        ASSERT_TRUE(notice) << file;
        EXPECT_EQ(*notice, "Games cannot be recorded in " + file.string() + ": " + reason +
                               ". The game goes on without its record.");
        EXPECT_EQ(store.Record(SomeGame(2)), std::nullopt) << file;  // told once only
        try {
            store.Games();
            ADD_FAILURE() << file << " was read";
        } catch (const RecordError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "The record of games " + file.string() + " cannot be read: " + reason + ".");
        }
    }
    EXPECT_EQ(testing_support::ReadFile(corrupt), garbage);
}

TEST(RecordStore, TwoProgramsRecordingAtOnceLoseNoGame) {
    const fs::path file = testing_support::FreshFolder("quellin-record-two") / "Records.sqlite";
    const QString writer = QCoreApplication::applicationDirPath() + "/record_writer";
    QProcess first;
    QProcess second;
    first.start(writer, {QString::fromStdString(file.string()), "500", "1000"});
    second.start(writer, {QString::fromStdString(file.string()), "500", "2000"});
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    RecordStore store(file);
    const std::vector<GameRecord> games = store.Games();
    ASSERT_EQ(games.size(), 1000u);
    std::set<std::uint64_t> seeds;
    int interleaved = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        seeds.insert(games[i].seed);
        EXPECT_EQ(games[i].Players(), 3);
        interleaved += i > 0 && (games[i].seed < 2000) != (games[i - 1].seed < 2000);
    }
    EXPECT_EQ(seeds.size(), 1000u);
    EXPECT_EQ(*seeds.begin(), 1000u);
    EXPECT_EQ(*seeds.rbegin(), 2499u);
    std::cout << "two writers of 500 games: " << games.size() << " recorded, the writer changing "
              << interleaved << " times\n";
}

// The statistics window shows a known record's figures, a row a group and a point a game, and
// hands a chosen game to the start dialog, which takes its seed and settings.
TEST(StatisticsWindow, ShowsTheRecordsFiguresAndReplaysAGameThroughTheStartDialog) {
    const fs::path file = testing_support::FreshFolder("quellin-record-window") / "Records.sqlite";
    RecordStore store(file);
    const GameRecord lost = SomeGame(5);  // seat 2 followed: 27 against 31, lost by 4
    GameRecord won = SomeGame(6);         // 44 against 20 and 30: won by 14
    won.winner = 2;
    won.seats = {{20, 9, 20, 0, 0}, {44, 12, 30, 4, 10}, {30, 10, 30, 0, 0}};
    won.computers = ComputerLevel::Expert;
    for (const GameRecord& game : {lost, won}) {
        ASSERT_EQ(store.Record(game), std::nullopt);
    }
    frmStatistics window(store);
    window.Present();
    const QStringList figures = window.lblFigures->text().split('\n');
    ASSERT_EQ(figures.size(), 4);
    EXPECT_EQ(figures[0].toStdString(),
              "Games played to the end: 2, won 1 (50.0%); left before the end: 0");
    EXPECT_EQ(figures[1].toStdString(),
              "Average points: 35.5; average margin over the best other seat: +5.0");
    EXPECT_TRUE(figures[2].startsWith("Best game: 44 points (won by 14), "))
        << figures[2].toStdString();
    EXPECT_TRUE(figures[2].endsWith(", 3 players, seed 6")) << figures[2].toStdString();
    EXPECT_EQ(figures[3].toStdString(), "Winning streak: 1 now, the longest 1");
    ASSERT_EQ(window.grdGroups->rowCount(), 2);
    EXPECT_EQ(window.grdGroups->item(1, 0)->text(), "3");
    EXPECT_EQ(window.grdGroups->item(1, 1)->text(), "Expert");
    EXPECT_EQ(window.grdGroups->item(1, 4)->text(), "100.0%");
    const QList<QAbstractSeries*> series = window.chtLastGames->chart()->series();
    ASSERT_EQ(series.size(), 2);
    EXPECT_EQ(static_cast<QLineSeries*>(series[1])->name(), "Your points");
    EXPECT_EQ(static_cast<QLineSeries*>(series[1])->at(1).y(), 44);
    EXPECT_EQ(static_cast<QLineSeries*>(series[0])->at(0).y(), 31);
    // The newest game first; Replay waits for a choice.
    ASSERT_EQ(window.grdGames->rowCount(), 2);
    EXPECT_EQ(window.grdGames->item(0, 8)->text(), "6");
    EXPECT_EQ(window.grdGames->item(1, 4)->text(), "Lost");
    EXPECT_FALSE(window.cmdReplay->isEnabled());

    // A new start dialog offers four players, seat 2, the three computer levels with standard
    // chosen, and only the seats in play; Preset chooses each level.
    frmStart start;
    EXPECT_EQ(start.NumberOfPlayers(), 4);
    EXPECT_EQ(start.HumanSeat(), 2);
    EXPECT_EQ(start.Computers(), ComputerLevel::Standard);
    QStringList levels;
    for (const QRadioButton* level : start.optComputers) {
        levels << level->text();
    }
    EXPECT_EQ(levels.join(' ').toStdString(), "Standar&d Stron&g E&xpert");
    for (const ComputerLevel level :
         {ComputerLevel::Strong, ComputerLevel::Expert, ComputerLevel::Standard}) {
        start.Preset(3, 1, level, std::nullopt);
        EXPECT_EQ(start.Computers(), level);
    }
    start.optSeating[3]->setChecked(true);
    start.optPlayers[0]->setChecked(true);
    EXPECT_EQ(start.NumberOfPlayers(), 2);
    EXPECT_EQ(start.HumanSeat(), 2);
    EXPECT_FALSE(start.optSeating[2]->isEnabled());
    QObject::connect(&window, &frmStatistics::ReplayRequested, &start, [&](const GameRecord& game) {
        start.Preset(game.Players(), game.humanSeat, game.computers, game.seed);
    });
    window.grdGames->selectRow(0);
    ASSERT_TRUE(window.cmdReplay->isEnabled());
    window.cmdReplay->click();
    EXPECT_EQ(start.NumberOfPlayers(), 3);
    EXPECT_EQ(start.HumanSeat(), 2);
    EXPECT_EQ(start.Computers(), ComputerLevel::Expert);
    EXPECT_EQ(start.Seed(), 6u);
    // A seed past the largest holds Start back; an empty one is a new game.
    start.show();
    QPushButton* startButton = testing_support::Button(start, "&Start");
    ASSERT_NE(startButton, nullptr);
    start.txtSeed->setText("18446744073709551616");
    EXPECT_FALSE(startButton->isEnabled());
    EXPECT_EQ(start.Seed(), std::nullopt);
    start.txtSeed->setText("18446744073709551615");
    EXPECT_TRUE(startButton->isEnabled());
    EXPECT_EQ(start.Seed(), 18446744073709551615u);
    start.txtSeed->clear();
    EXPECT_TRUE(startButton->isEnabled());
    EXPECT_EQ(start.Seed(), std::nullopt);
}
