// Another game at the same table from the final scores, a look at the table behind them, and
// the record each game leaves: a new game starts clean, with the settings just played and a new
// seed, and a record that cannot be written is told once while the games play on.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>

#include "ScriptedTable.h"
#include "WindowDriver.h"
#include "cards/qlCards.h"
#include "support/TableHelpers.h"
#include "ui/RecordStore.h"
#include "ui/frmMain.h"
#include "ui/frmShowMessage.h"
#include "ui/qlCardHolder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::History;
using testing_support::Open;
using testing_support::ReadFile;
using testing_support::TableOptions;

// Plays the human's seat with the first cards offered and the first free role; the final
// scores, which offer another game, go to `atScores`, and what is open at no question nor
// message to `between`.
struct EndPlayer {
    frmMain& window;
    std::function<void(frmShowMessage&)> atScores;
    std::function<void()> between = [] {};

    void Tick() {
        if (auto* scores = Open<frmShowMessage>(); scores && scores->cmdPlayAgain) {
            atScores(*scores);
        } else if (!testing_support::PlayOn(window)) {
            between();
        }
    }
};

// The threads of the program's own making: those named as the program (Qt's pool names its own).
std::size_t Threads() {
    const std::string program = ReadFile("/proc/self/comm");
    std::size_t count = 0;
    for (const auto& thread : fs::directory_iterator("/proc/self/task")) {
        count += ReadFile(thread.path() / "comm") == program;
    }
    return count;
}

}  // namespace

// The player studies the table behind the final scores, brings them back, and plays again: the
// second game is the one a fresh table plays from its seed, every expert seat's thinking threads
// of the first game have gone, and both games are in the record as their results logs score them.
TEST(PlayAgain, StartsACleanGameWithTheSameSettingsAndANewSeedAtTheSameTable) {
    RecordStore record(testing_support::FreshFolder("quellin-again-clean") / "Records.sqlite");
    frmMain::Options options = TableOptions(2, 1, 31, "quellin-again-first");
    options.seed = 31;
    options.computers = ComputerLevel::Expert;
    options.thinkingBudget = 8;  // a quick thinker: the threads are what is looked at
    options.record = &record;
    frmMain window(options);
    const std::size_t threadsBefore = Threads();
    int stage = 0;
    std::size_t threadsAtFirstScores = 0;
    std::size_t threadsAtSecondScores = 0;
    QString historyAtScores;
    frmMain::Options second;
    QObject::connect(&window, &frmMain::PlayAgainRequested, &window, [&] {
        second = window.ForAnotherGame(32);
        second.logFolder = TableOptions(2, 1, 32, "quellin-again-second").logFolder;
        window.NewGame(second);
    });
    const QPushButton* finalScores = window.findChild<QPushButton*>("cmdFinalScores");
    EndPlayer player{window, [&](frmShowMessage& scores) {
                         if (stage == 0) {  // the first game's scores: a look at the table
                             threadsAtFirstScores = Threads();
                             historyAtScores = History(window);
                             EXPECT_FALSE(finalScores->isVisible());
                             // Every caption of the row stands whole.
                             for (const QPushButton* button : scores.findChildren<QPushButton*>()) {
                                 EXPECT_GE(button->width(), button->sizeHint().width())
                                     << button->text().toStdString();
                             }
                             scores.cmdLookAtTable->click();
                         } else if (stage == 2) {
                             scores.cmdPlayAgain->click();
                         } else if (stage == 3) {  // the second game's
                             threadsAtSecondScores = Threads();
                             historyAtScores = History(window);
                             scores.cmdOK->click();
                         }
                         stage += stage != 1 && stage < 4;
                     }};
    player.between = [&] {
        if (stage == 1) {
            // The scores are hidden; the cities and the history of the game stay to be read.
            EXPECT_TRUE(finalScores->isVisible());
            EXPECT_EQ(History(window), historyAtScores);
            std::size_t cards = 0;
            for (const qlCardHolder* holder : window.findChildren<qlCardHolder*>()) {
                cards += holder->Cards().Count();
            }
            EXPECT_GT(cards, 12u);
            window.findChild<QPushButton*>("cmdFinalScores")->click();
            EXPECT_FALSE(finalScores->isVisible());
            stage = 2;
        }
    };
    ASSERT_TRUE(testing_support::RunTable(window, [&] { player.Tick(); }));
    ASSERT_EQ(stage, 4);
    EXPECT_EQ(second.seed, 32u);
    // The strong seats think on threads of their own, made again for the second game and not
    // beside those of the first; all gone once the table is done.
    EXPECT_GT(threadsAtFirstScores, threadsBefore);
    EXPECT_EQ(threadsAtSecondScores, threadsAtFirstScores);
    EXPECT_EQ(Threads(), threadsBefore);

    // The second game is the one a fresh table plays from seed 32: its logs and its history.
    frmMain::Options freshOptions = TableOptions(2, 1, 32, "quellin-again-fresh");
    freshOptions.computers = ComputerLevel::Expert;
    freshOptions.thinkingBudget = 8;
    frmMain fresh(freshOptions);
    EndPlayer freshPlayer{fresh, [](frmShowMessage& scores) { scores.cmdOK->click(); }};
    ASSERT_TRUE(testing_support::RunTable(fresh, [&] { freshPlayer.Tick(); }));
    for (const char* log : {"GameLog.txt", "Log.txt"}) {
        EXPECT_EQ(ReadFile(*second.logFolder / log), ReadFile(*freshOptions.logFolder / log));
    }
    EXPECT_EQ(historyAtScores, History(fresh));

    // Both games are in the record, with the settings played and as the results log scores them.
    const std::vector<GameRecord> games = record.Games();
    ASSERT_EQ(games.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const GameRecord& game = games[i];
        EXPECT_EQ(game.seed, 31 + i);
        EXPECT_EQ(game.Players(), 2);
        EXPECT_EQ(game.humanSeat, 1);
        EXPECT_EQ(game.computers, ComputerLevel::Expert);
        EXPECT_FALSE(game.exited || game.resumed);
        EXPECT_EQ(game.source, "table");
        EXPECT_GE(game.rounds, 5);
    }
    const std::string results = ReadFile(*second.logFolder / "Log.txt");
    const std::regex line("Points = (\\d+), [WL]");
    std::vector<int> points;
    for (auto m = std::sregex_iterator(results.begin(), results.end(), line);
         m != std::sregex_iterator(); ++m) {
        points.push_back(std::stoi((*m)[1]));
    }
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(games[1].seats[0].points, points[0]);
    EXPECT_EQ(games[1].seats[1].points, points[1]);
    EXPECT_EQ(games[1].WinnerPoints(), std::max(points[0], points[1]));
}

// With a record that cannot be written the player is told once, in a window beside the table
// and not on its history, the file is left as it was, and the game after it plays as the
// headless game does from its seed. (A game left is recorded as left by the resuming test.)
TEST(PlayAgain, ABrokenRecordIsToldOnceAndTheGamesPlayAsTheyWould) {
    const fs::path corrupt =
        testing_support::FreshFolder("quellin-again-corrupt") / "Records.sqlite";
    std::ofstream(corrupt, std::ios::binary) << std::string(4096, '\x01');
    RecordStore record(corrupt);
    frmMain::Options options = TableOptions(3, 2, 41, "quellin-again-record");
    options.seed = 41;
    options.record = &record;
    frmMain window(options);
    QObject::connect(&window, &frmMain::PlayAgainRequested, &window,
                     [&] { window.NewGame(window.ForAnotherGame(42)); });
    int scores = 0;
    EndPlayer player{window, [&](frmShowMessage& shown) {
                         (++scores == 1 ? shown.cmdPlayAgain : shown.cmdOK)->click();
                     }};
    ASSERT_TRUE(testing_support::RunTable(window, [&] { player.Tick(); }));
    EXPECT_EQ(scores, 2);
    const QList<QMessageBox*> notices = window.findChildren<QMessageBox*>("recordNotice");
    ASSERT_EQ(notices.size(), 1);
    const QString told = "Games cannot be recorded in " + QString::fromStdString(corrupt.string()) +
                         ": file is not a database. The game goes on without its record.";
    EXPECT_EQ(notices.front()->text(), told);
    EXPECT_EQ(ReadFile(corrupt), std::string(4096, '\x01'));
    // Told in the first game, not again in the second, whose history this is.
    EXPECT_EQ(History(window).count(told), 0);

    testing_support::ScriptedGame headless(3, 2, Random::SeededSource(42), true);
    ASSERT_EQ(headless.game.PlayGame(), qlGame::Outcome::Finished);
    EXPECT_EQ(ReadFile(*options.logFolder / "GameLog.txt"), headless.gameLog.str());
    EXPECT_EQ(ReadFile(*options.logFolder / "Log.txt"), headless.log.str());
}
