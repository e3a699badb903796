// Another game at the same table from the final scores, a look at the table behind them, and
// the record each game leaves: a new game starts clean, with the settings just played and a new
// seed, and a record that cannot be written is told once while the games play on.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>

#include "WindowDriver.h"
#include "cards/qlCards.h"
#include "support/TableHelpers.h"
#include "ui/RecordStore.h"
#include "ui/frmCardChooser.h"
#include "ui/frmMain.h"
#include "ui/frmShowMessage.h"
#include "ui/qlCardHolder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Open;
using testing_support::ReadFile;
using testing_support::TableOptions;

fs::path FreshRecord(const std::string& name) {
    const fs::path folder =
        fs::temp_directory_path() / ("quellin-again-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder / "Records.sqlite";
}

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
        } else if (!testing_support::AnswerOpen() && !testing_support::TakeFreeRole(window)) {
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

QString History(const frmMain& window) {
    return window.findChild<QPlainTextEdit*>("txtHistory")->toPlainText();
}

// The points the results log gives each seat, in seat order.
std::vector<int> LoggedPoints(const fs::path& log) {
    std::vector<int> points;
    const std::string text = ReadFile(log);
    const std::regex line("Points = (\\d+), [WL]");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), line); m != std::sregex_iterator();
         ++m) {
        points.push_back(std::stoi((*m)[1]));
    }
    return points;
}

}  // namespace

// The player studies the table behind the final scores, brings them back, and plays again: the
// second game is the one a fresh table plays from its seed, every strong seat's thinking threads
// of the first game have gone, and both games are in the record.
TEST(PlayAgain, StartsACleanGameWithTheSameSettingsAndANewSeedAtTheSameTable) {
    const fs::path file = FreshRecord("clean");
    RecordStore record(file);
    frmMain::Options options = TableOptions(2, 1, 31, "quellin-again-first");
    options.seed = 31;
    options.strongComputers = true;
    options.strongPlayouts = 24;  // a quick thinker: the threads are what is looked at
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
                             stage = 1;
                         } else if (stage == 2) {
                             scores.cmdPlayAgain->click();
                             stage = 3;
                         } else if (stage == 3) {  // the second game's
                             threadsAtSecondScores = Threads();
                             historyAtScores = History(window);
                             scores.cmdOK->click();
                             stage = 4;
                         }
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
    // The same settings, a new seed, a fresh start.
    EXPECT_EQ(second.numberOfPlayers, 2);
    EXPECT_EQ(second.humanSeat, 1);
    EXPECT_TRUE(second.strongComputers);
    EXPECT_EQ(second.strongPlayouts, 24);
    EXPECT_EQ(second.pauseLength, options.pauseLength);
    EXPECT_EQ(second.record, &record);
    EXPECT_EQ(second.seed, 32u);
    EXPECT_FALSE(second.resumed);
    // The strong seats think on threads of their own, made again for the second game and not
    // beside those of the first; all gone once the table is done.
    EXPECT_GT(threadsAtFirstScores, threadsBefore);
    EXPECT_EQ(threadsAtSecondScores, threadsAtFirstScores);
    EXPECT_EQ(Threads(), threadsBefore);

    // The second game is the one a fresh table plays from seed 32: its logs and its history.
    frmMain::Options freshOptions = TableOptions(2, 1, 32, "quellin-again-fresh");
    freshOptions.strongComputers = true;
    freshOptions.strongPlayouts = 24;
    frmMain fresh(freshOptions);
    ASSERT_TRUE(testing_support::RunTable(fresh, [&fresh] {
        if (auto* scores = Open<frmShowMessage>(); scores && scores->cmdPlayAgain) {
            scores->cmdOK->click();
        } else if (!testing_support::AnswerOpen()) {
            testing_support::TakeFreeRole(fresh);
        }
    }));
    EXPECT_EQ(ReadFile(*second.logFolder / "GameLog.txt"),
              ReadFile(*freshOptions.logFolder / "GameLog.txt"));
    EXPECT_EQ(ReadFile(*second.logFolder / "Log.txt"),
              ReadFile(*freshOptions.logFolder / "Log.txt"));
    EXPECT_EQ(historyAtScores, History(fresh));

    // Both games are in the record, as their results logs score them.
    const std::vector<GameRecord> games = record.Games();
    ASSERT_EQ(games.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const GameRecord& game = games[i];
        EXPECT_EQ(game.seed, 31 + i);
        EXPECT_EQ(game.Players(), 2);
        EXPECT_EQ(game.humanSeat, 1);
        EXPECT_TRUE(game.strongComputers);
        EXPECT_FALSE(game.exited);
        EXPECT_FALSE(game.resumed);
        EXPECT_EQ(game.source, "table");
        EXPECT_GE(game.rounds, 5);
    }
    const std::vector<int> points = LoggedPoints(*second.logFolder / "Log.txt");
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(games[1].seats[0].points, points[0]);
    EXPECT_EQ(games[1].seats[1].points, points[1]);
    EXPECT_EQ(games[1].WinnerPoints(), std::max(points[0], points[1]));
}

// A game played to its end and the next one left midway are both recorded, the second as left. With
// a record that cannot be written the player is told once, in a window beside the table and on its
// history, and both games play as they would.
TEST(PlayAgain, EveryGameEndedOrLeftIsRecordedAndABrokenRecordIsToldOnce) {
    const fs::path good = FreshRecord("good");
    const fs::path corrupt = FreshRecord("corrupt");
    std::ofstream(corrupt, std::ios::binary) << std::string(4096, '\x01');
    std::vector<std::string> gameLogs;
    for (const fs::path& file : {good, corrupt}) {
        RecordStore record(file);
        frmMain::Options options = TableOptions(3, 2, 41, "quellin-again-record");
        options.seed = 41;
        options.record = &record;
        frmMain window(options);
        QObject::connect(&window, &frmMain::PlayAgainRequested, &window,
                         [&] { window.NewGame(window.ForAnotherGame(42)); });
        bool again = false;
        bool left = false;
        int questions = 0;                 // of the second game, which is left at its sixth
        QPointer<frmCardChooser> counted;  // a new question may take the place of the last
        EndPlayer player{window, [&](frmShowMessage& scores) {
                             again = true;
                             scores.cmdPlayAgain->click();
                         }};
        const auto tick = [&] {
            frmCardChooser* question = Open<frmCardChooser>();
            if (again && question && (counted.isNull() || question != counted.data())) {
                counted = question;
                ++questions;
            }
            if (again && !left && questions == 6) {
                left = true;
                const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
                (*std::find_if(buttons.begin(), buttons.end(), [](const QPushButton* button) {
                    return button->text() == "E&xit";
                }))->click();
                return;
            }
            player.Tick();
        };
        ASSERT_TRUE(testing_support::RunTable(window, tick)) << file;
        EXPECT_TRUE(again && left);
        gameLogs.push_back(ReadFile(*options.logFolder / "GameLog.txt"));
        const QList<QMessageBox*> notices = window.findChildren<QMessageBox*>("recordNotice");
        const QString history = History(window);
        if (file == good) {
            EXPECT_TRUE(notices.isEmpty());
            EXPECT_FALSE(history.contains("cannot be recorded"));
            const std::vector<GameRecord> games = record.Games();
            ASSERT_EQ(games.size(), 2u);
            EXPECT_EQ(games[0].seed, 41u);
            EXPECT_FALSE(games[0].exited);
            EXPECT_EQ(games[1].seed, 42u);
            EXPECT_TRUE(games[1].exited);
            EXPECT_EQ(games[1].Players(), 3);
            EXPECT_EQ(games[1].humanSeat, 2);
        } else {
            ASSERT_EQ(notices.size(), 1);
            const QString told = "Games cannot be recorded in " +
                                 QString::fromStdString(file.string()) +
                                 ": file is not a database. The game goes on without its record.";
            EXPECT_EQ(notices.front()->text(), told);
            EXPECT_EQ(ReadFile(file), std::string(4096, '\x01'));
            // Told in the first game, not again in the second, whose history this is.
            EXPECT_EQ(history.count(told), 0);
        }
    }
    // The second game's log is the same whether its record could be written or not.
    EXPECT_EQ(gameLogs[0], gameLogs[1]);
    EXPECT_FALSE(gameLogs[0].empty());
}
