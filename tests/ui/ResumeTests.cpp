// A table closed after any answer is taken up from its journal where it was left, with the same
// history, and the game ends with the logs of the game played without a break; the record
// holds the game left and the game taken up.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "WindowDriver.h"
#include "support/TableHelpers.h"
#include "ui/RecordStore.h"
#include "ui/frmCardChooser.h"
#include "ui/frmMain.h"

namespace {

namespace fs = std::filesystem;
using testing_support::History;
using testing_support::JournalAnswers;
using testing_support::ReadFile;

struct Setting {
    Integer players;
    Integer human;
    std::uint64_t seed;
};

frmMain::Options JournaledTable(const Setting& setting, const char* name) {
    frmMain::Options options =
        testing_support::TableOptions(setting.players, setting.human, setting.seed, name);
    options.seed = setting.seed;
    options.journalFile = *options.logFolder / "Journal.txt";
    return options;
}

// Whether the human is asked: a card question, or a role to choose.
bool Asked(const frmMain& window) {
    const auto roles = testing_support::RoleButtons(window);
    return testing_support::Open<frmCardChooser>() ||
           std::any_of(roles.begin(), roles.end(),
                       [](QPushButton* role) { return role->isEnabled(); });
}

// Plays on as the player; a fault told ends the game at once.
void PlayOn(frmMain& window) {
    if (const auto* fault = testing_support::Open<QMessageBox>()) {
        ADD_FAILURE() << fault->text().toStdString();
        window.close();
    } else {
        testing_support::PlayOn(window);
    }
}

}  // namespace

TEST(Resume, ATableTakenUpAfterAnyAnswerIsWhereItWasLeftAndEndsWithTheLogsOfOneGame) {
    for (const Setting& setting : {Setting{2, 1, 1207}, Setting{3, 2, 88}, Setting{4, 4, 2026}}) {
        SCOPED_TRACE("seed " + std::to_string(setting.seed));
        const frmMain::Options whole = JournaledTable(setting, "quellin-resume-whole");
        int answers = 0;
        {
            frmMain window(whole);
            ASSERT_TRUE(testing_support::RunTable(window, [&] {
                answers = std::max(answers, JournalAnswers(*whole.journalFile));
                PlayOn(window);
            }));
            EXPECT_FALSE(window.ResumeMilliseconds());
        }
        EXPECT_FALSE(fs::exists(*whole.journalFile)) << "a finished game keeps no journal";
        ASSERT_GT(answers, 17);
        for (const int k : {1, 5, 17, answers - 1}) {
            SCOPED_TRACE("closed after answer " + std::to_string(k));
            frmMain::Options left = JournaledTable(setting, "quellin-resume-left");
            RecordStore record(*left.logFolder / "Records.sqlite");
            left.record = &record;
            QString historyLeft;
            {
                frmMain window(left);
                testing_support::RunTable(window, [&] {
                    if (JournalAnswers(*left.journalFile) < k) {
                        PlayOn(window);
                    } else if (!Asked(window)) {
                        testing_support::AnswerOpen();  // a message before the next question
                    } else if (historyLeft.isEmpty()) {
                        historyLeft = History(window);
                        window.close();
                    }
                });
            }
            ASSERT_EQ(JournalAnswers(*left.journalFile), k) << "closing keeps the journal";
            frmMain::Options taken = left;
            taken.resumed = true;
            frmMain window(taken);
            QString historyTaken;
            ASSERT_TRUE(testing_support::RunTable(window, [&] {
                if (historyTaken.isEmpty() && Asked(window)) {
                    historyTaken = History(window);
                }
                PlayOn(window);
            }));
            EXPECT_EQ(historyTaken.toStdString(), historyLeft.toStdString());
            ASSERT_TRUE(window.ResumeMilliseconds());
            std::cout << "taken up after answer " << k << " in " << *window.ResumeMilliseconds()
                      << " ms of " << answers << "\n";
            for (const char* log : {"GameLog.txt", "Log.txt"}) {
                EXPECT_EQ(ReadFile(*left.logFolder / log), ReadFile(*whole.logFolder / log));
            }
            EXPECT_FALSE(fs::exists(*left.journalFile));
            // Recorded twice: as left, then as taken up and finished.
            const std::vector<GameRecord> games = record.Games();
            ASSERT_EQ(games.size(), 2u);
            EXPECT_TRUE(games[0].exited && !games[0].resumed);
            EXPECT_TRUE(!games[1].exited && games[1].resumed);
            EXPECT_EQ(games[1].seed, setting.seed);
            EXPECT_EQ(games[1].Players(), setting.players);
            EXPECT_EQ(games[1].humanSeat, setting.human);
        }
    }
}
