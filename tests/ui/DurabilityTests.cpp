// The journal against a kill: tables playing seeded games are killed (SIGKILL) at random
// moments, over and over, and each time the journal left is whole and the game's, holds every
// answer the killed table had written, and is taken up by the next table, until the game
// ends with the logs of the same game played without a kill. Run under the platform the
// environment names (X11 under Xvfb in the suite).

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "WindowDriver.h"
#include "core/Random.h"
#include "game/Journal.h"
#include "game/JournalReplay.h"
#include "support/TableHelpers.h"
#include "ui/frmMain.h"

namespace {

namespace fs = std::filesystem;
using testing_support::JournalAnswers;
using testing_support::ReadFile;

struct Game {
    Integer players;
    Integer human;
    std::uint64_t seed;
    fs::path folder;  // the logs and the journal
    fs::path Journal() const { return folder / "Journal.txt"; }
};

void Report(int pipe, const std::string& line) {
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t wrote = ::write(pipe, text.data(), text.size());
}

// One table's life in a process of its own: a new game, or the game of the journal taken up,
// played as the player would. It reports on `pipe` "resumed N" once the N answers of the
// journal are played again, "answered N" with the journal's answers after every answer, and
// "fault ..." for a fault told, and ends once the game has.
[[noreturn]] void LiveTable(const Game& game, int pipe) {
    int argc = 1;
    char name[] = "durability_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    // A click held back by a question's quiet moment while the next one lands would answer
    // differently from one run of the game to the next.
    InputGuard::SetClock(testing_support::TickingClock());
    frmMain::Options options;
    options.numberOfPlayers = game.players;
    options.humanSeat = game.human;
    options.seedSource = Random::SeededSource(game.seed);
    options.seed = game.seed;
    options.pauseLength = 20;  // pauses and moves to be killed in, short enough for many games
    options.animations = true;
    options.logFolder = game.folder;
    options.journalFile = game.Journal();
    options.resumed = fs::exists(game.Journal());
    const int replayed = JournalAnswers(game.Journal());
    frmMain window(options);
    QTimer ticks;
    bool toldResumed = false;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        if (const auto* fault = testing_support::Open<QMessageBox>()) {
            Report(pipe, "fault " + fault->text().toStdString());
            ::_exit(3);
        }
        if (window.ResumeMilliseconds() && !toldResumed) {
            toldResumed = true;
            Report(pipe, "resumed " + std::to_string(replayed));
        }
        if (testing_support::PlayOn(window)) {
            Report(pipe, "answered " + std::to_string(JournalAnswers(game.Journal())));
        }
    });
    ticks.start(5);
    QObject::connect(&window, &frmMain::GameFinished, &app, &QApplication::quit);
    window.show();
    app.exec();
    ::_exit(window.ExitCode());
}

struct Life {
    bool finished = false;  // the game ended before the kill
    std::string reports;
};

// Runs a table's life, killed after `milliseconds` unless its game ends first.
Life RunLife(const Game& game, int milliseconds) {
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        LiveTable(game, ends[1]);
    }
    ::close(ends[1]);
    ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
    Life life;
    int status = 0;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    char buffer[4096];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
        life.reports.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(ends[0]);
    life.finished = WIFEXITED(status);
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << life.reports;
    return life;
}

// The number after the last "`word` " of the reports; -1 without one.
int LastReported(const std::string& reports, const std::string& word) {
    const std::size_t at = reports.rfind(word + " ");
    return at == std::string::npos ? -1 : std::stoi(reports.substr(at + word.size() + 1));
}

Game FreshGame(Integer players, Integer human, std::uint64_t seed, const std::string& name) {
    return {players, human, seed, testing_support::FreshFolder("quellin-durability-" + name)};
}

}  // namespace

TEST(Durability, TablesKilledAtRandomMomentsAreTakenUpFromTheirJournalsToTheSameGame) {
    constexpr int kKills = 50;
    Random::Generator moments(20261209);
    int kills = 0;
    int dropped = 0;
    int cut = 0;
    int games = 0;
    for (std::uint64_t seed = 300; kills < kKills; ++seed, ++games) {
        const auto players = static_cast<Integer>(2 + seed % 3);
        const auto human = static_cast<Integer>(1 + seed % static_cast<std::uint64_t>(players));
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Game whole = FreshGame(players, human, seed, "whole");
        ASSERT_TRUE(RunLife(whole, 120000).finished);
        const Game killed = FreshGame(players, human, seed, "killed");
        while (true) {
            const int before = JournalAnswers(killed.Journal());
            // Once the kills are done, the game in hand is played to its end.
            const Life run =
                RunLife(killed, kills < kKills ? 100 + moments.NextIndex(900) : 120000);
            ASSERT_EQ(run.reports.find("fault "), std::string::npos) << run.reports;
            if (const int resumed = LastReported(run.reports, "resumed"); resumed >= 0) {
                EXPECT_EQ(resumed, before) << "the table took up another journal";
            }
            if (run.finished) {
                EXPECT_FALSE(fs::exists(killed.Journal())) << "a finished game keeps no journal";
                break;
            }
            ++kills;
            if (!fs::exists(killed.Journal())) {
                EXPECT_EQ(before, 0) << "a journal vanished";
                continue;  // killed before the game had begun it
            }
            // The journal left is whole and the game's, and holds every answer written.
            Journal journal;
            ASSERT_NO_THROW(journal = ReadJournalFile(killed.Journal())) << run.reports;
            dropped += journal.droppedLine ? 1 : 0;
            ASSERT_NO_THROW(ReplayJournal(journal, killed.Journal().string()));
            EXPECT_GE(static_cast<int>(journal.answers.size()),
                      std::max(before, LastReported(run.reports, "answered")));
            // Now and then the power goes as the last line is written: it is cut short, and
            // the next table drops it and asks its answer again.
            if (kills % 5 == 3 && !journal.answers.empty()) {
                fs::resize_file(killed.Journal(), fs::file_size(killed.Journal()) - 3);
                ASSERT_TRUE(ReadJournalFile(killed.Journal()).droppedLine);
                ++cut;
            }
        }
        EXPECT_EQ(ReadFile(killed.folder / "GameLog.txt"), ReadFile(whole.folder / "GameLog.txt"));
        EXPECT_EQ(ReadFile(killed.folder / "Log.txt"), ReadFile(whole.folder / "Log.txt"));
        fs::remove_all(whole.folder);
        fs::remove_all(killed.folder);
    }
    std::cout << kills << " kills in " << games << " games, every journal taken up; " << dropped
              << " found with a last line cut short, " << cut << " cut afterwards\n";
}
