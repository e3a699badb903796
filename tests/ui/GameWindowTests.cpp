// The table window: its reactions to the seats' and piles' events, and whole games played
// through it by clicks and keys, against what the headless game writes for the same seed and
// answers; faults, and the window system closing or destroying its windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "ScriptedTable.h"
#include "WindowDriver.h"
#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "game/qlGame.h"
#include "players/qlPlayer.h"
#include "support/TableHelpers.h"
#include "ui/frmCardChooser.h"
#include "ui/frmMain.h"
#include "ui/frmShowMessage.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

using testing_support::MakeCard;
using testing_support::MakeDeck;
using testing_support::Names;
using testing_support::ReadFile;
using testing_support::RunTable;
using testing_support::TableOptions;

namespace {

template <typename T>
T* Child(const QWidget& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

TEST(TableWindow, RedrawsCitiesHandsPointsAndPilesAsTheGameTellsOfThem) {
    frmMain window(TableOptions(2, 2, 1, "quellin-window-redraw"));
    std::array<std::unique_ptr<qlPlayer>, 4> seats;
    std::array<const qlPlayer*, 4> pointers{};
    for (int i = 0; i < 4; ++i) {
        seats[static_cast<std::size_t>(i)] =
            std::make_unique<qlPlayer>(testing_support::StartValues());
        seats[static_cast<std::size_t>(i)]->SetPlayerNumber(static_cast<Integer>(i + 1));
        pointers[static_cast<std::size_t>(i)] = seats[static_cast<std::size_t>(i)].get();
    }
    seats[0]->CardsInHand().AddCard(MakeCard("Crane"));
    window.SeatsReady(pointers);
    EXPECT_EQ(Child<QLabel>(window, "lblCards0")->text(), "1");
    const auto build = [&](Card card) {
        seats[1]->BuildCard(card);
        window.CardBuilt(*seats[1], card);
    };

    const Card plant = MakeCard("Indigo Plant");
    build(plant);
    build(MakeCard("Palace"));
    auto* city = Child<qlCardHolder>(window, "hldPlayerBuilt1");
    EXPECT_EQ(Names(city->Cards()), (std::vector<std::string>{"Indigo Plant", "Palace"}));
    EXPECT_EQ(Child<QLabel>(window, "lblPoints1")->text(), QString::number(seats[1]->Points()));
    // Hovering the points explains them: the Palace adds a quarter of the Indigo Plant's point.
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(Child<QLabel>(window, "lblPoints1"), &hover);
    EXPECT_EQ(QToolTip::text(),
              "Player 2: 1 point\n2 buildings: 1\nPalace, a quarter of 1: +0\n"
              "Total: 1");
    const Card hero = MakeCard("Hero");
    seats[1]->BuildOverCard(hero, plant);
    window.CardCovered(*seats[1], plant);
    window.CardBuilt(*seats[1], hero);
    EXPECT_EQ(Names(city->Cards()), (std::vector<std::string>{"Palace", "Hero"}));
    // The city row shows a good that comes or goes.
    const Card palace = seats[1]->BuiltCards().Item(1);
    seats[1]->SetGood(palace, MakeCard("Well"));
    window.GoodChanged(*seats[1], palace);
    EXPECT_TRUE(city->Images()[0]->GoodShown());
    EXPECT_FALSE(city->Images()[1]->GoodShown());
    seats[1]->SetGood(palace, {});
    window.GoodChanged(*seats[1], palace);
    EXPECT_FALSE(city->Images()[0]->GoodShown());

    seats[1]->SetCardsInHand(MakeDeck({"Well", "Smithy"}));
    window.HandChanged(*seats[1]);
    EXPECT_EQ(Child<qlCardHolder>(window, "hldHumansCards")->Cards().Count(), 2);
    EXPECT_EQ(Child<QLabel>(window, "lblCards1")->text(), "2");
    window.PilesChanged(3, 1);
    EXPECT_EQ(Child<QLineEdit>(window, "txtReserveCount")->text(), "3");
    EXPECT_EQ(Child<QLineEdit>(window, "txtDiscardCount")->text(), "1");
    // A five-digit count stays whole: the text, the box's frame and its margins fit.
    const QLineEdit& pile = *Child<QLineEdit>(window, "txtReserveCount");
    EXPECT_GE(pile.width(), pile.fontMetrics().horizontalAdvance("12345") + 12);
    window.SeatsReleased();
    EXPECT_TRUE(city->Cards().Empty());
}

// A player who answers whatever the game asks as AnswerOpen does, keeping every message,
// and takes the first free role by its key when it is the human's choice (seat 2's).
struct KeyboardPlayer {
    frmMain& window;
    std::vector<std::string> messages;
    int rolesNotTakenByKey = 0;        // Alt and the role's letter did not press its button
    int roleButtonsLiveOutOfTurn = 0;  // a role button looked pressable outside the choice
    int ticksWaitingForKeyboard = 0;
    // Ticks that saw a card slide, cards fly face down, a role turn over and a good fade.
    std::array<int, 4> ticksMoving{};
    int askedWhileMoving = 0;  // a question opened before the move before it was seen

    void Tick() {
        std::array<bool, 4> moving{};
        for (std::size_t kind = 0; kind < 3; ++kind) {
            moving[kind] = window.findChild<QLabel*>(std::array{"movingCard", "drawnCard",
                                                                "turningRole"}[kind]) != nullptr;
        }
        for (const qlCardImage* image : window.findChildren<qlCardImage*>()) {
            moving[3] = moving[3] || (image->GoodOpacity() > 0 && image->GoodOpacity() < 1);
        }
        for (std::size_t kind = 0; kind < 4; ++kind) {
            ticksMoving[kind] += moving[kind];
            askedWhileMoving += moving[kind] && testing_support::Open<frmCardChooser>();
        }
        if (auto* message = testing_support::Open<frmShowMessage>()) {
            messages.push_back(message->lblMyMessage->text().toStdString());
            if (message->cmdDetails) {  // the final scores, explained beside them on demand
                QTest::mouseClick(message->cmdDetails, Qt::LeftButton);
                for (QLabel* seat :
                     message->findChild<QWidget*>("scoreDetails")->findChildren<QLabel*>()) {
                    messages.push_back(seat->text().toStdString());
                }
            }
        }
        if (testing_support::AnswerOpen()) {
            return;
        }
        const std::array<QPushButton*, 5> roles = testing_support::RoleButtons(window);
        const bool choosing =
            window.findChild<QLabel*>("lblMessage")->text().startsWith("Human 2, select");
        for (QPushButton* role : roles) {
            if (role->isDown()) {
                return;  // pressed by its key a moment ago
            }
            roleButtonsLiveOutOfTurn += !choosing && role->isEnabled();
        }
        if (!choosing) {
            return;
        }
        // The human's seat area alone is marked as the one whose turn it is.
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(window.findChild<QLabel*>("lblTurn" + QString::number(i))->isVisible(),
                      i == 1);
        }
        // By keys, straight after whatever question or message came before.
        QWidget* keys = QApplication::focusWidget();
        const bool keysToTable =
            keys && keys->window() == &window && QApplication::activeWindow() == &window;
        if (!keysToTable && ++ticksWaitingForKeyboard < 40) {
            return;  // the window system may take a moment to hand the keyboard back
        }
        ticksWaitingForKeyboard = 0;
        for (std::size_t i = 0; i < 5; ++i) {
            if (!roles[i]->isEnabled()) {
                continue;
            }
            if (keysToTable) {
                QTest::keyClick(keys, Qt::Key_Space);  // lands on no setting
                QTest::keyClick(keys, "CBPTS"[i], Qt::AltModifier);
            }
            if (!roles[i]->isDown()) {
                ++rolesNotTakenByKey;
                QTest::mouseClick(roles[i], Qt::LeftButton);
            }
            break;
        }
    }
};

// The human builds the first card offered whenever it may: the history, its builds among it, is
// the headless game's line for line, and the logs are byte for byte the headless game's.
TEST(TableWindow, AWholeGamePlayedByClicksWritesTheHeadlessGamesLogsAndHistory) {
    frmMain::Options options = TableOptions(2, 2, 2468, "quellin-window-game");
    options.animations = true;
    frmMain window(options);
    KeyboardPlayer player{window, {}};
    const testing_support::TableWatch watch(window);
    ASSERT_TRUE(RunTable(window, [&] { player.Tick(); }));
    EXPECT_EQ(window.ExitCode(), 0);
    // The table's figures, for a run under a real window system: the median frames a second of
    // a move and ms from the pause or move before a question to it.
    ASSERT_FALSE(watch.MoveFrameRates().empty() || watch.QuestionDelays().empty());
    std::cout << "frames a second " << testing_support::Median(watch.MoveFrameRates())
              << ", ms to a question " << testing_support::Median(watch.QuestionDelays()) << "\n";
    // Every kind of move was seen, and no question opened before the move before it had ended.
    for (std::size_t kind = 0; kind < 4; ++kind) {
        EXPECT_GT(player.ticksMoving[kind], 0) << kind;
    }
    EXPECT_EQ(player.askedWhileMoving, 0);
    // The keyboard was the table's after every question and message, no setting changed by the
    // Space presses, and the role buttons looked pressable only for the human's choice.
    EXPECT_EQ(player.rolesNotTakenByKey, 0);
    for (const QCheckBox* setting : window.findChildren<QCheckBox*>()) {
        EXPECT_TRUE(setting->isChecked()) << setting->text().toStdString();
    }
    EXPECT_EQ(player.roleButtonsLiveOutOfTurn, 0);
    // The final scores, then each seat's name and its points part by part: the winner's named
    // as the winner and ending in its points.
    const std::vector<std::string>& messages = player.messages;
    const auto scores = std::find_if(messages.begin(), messages.end(), [](const std::string& m) {
        return m.find(" wins: ") != std::string::npos;
    });
    ASSERT_EQ(messages.end() - scores, 5);
    const std::string winner = scores->substr(0, 8);
    const std::string points = scores->substr(15, scores->find(' ', 15) - 15);
    for (const auto seat : {scores + 1, scores + 3}) {
        const std::string& parts = seat[1];
        EXPECT_EQ(parts.find("Total: "), parts.rfind('\n') + 5) << parts;
        if (seat->rfind(winner, 0) == 0) {
            EXPECT_EQ(*seat, winner + " wins");
            EXPECT_EQ(parts.substr(parts.rfind(' ') + 1), points);
        }
    }
    EXPECT_FALSE(window.isVisible());
    // Nobody is asked to act once the scores are out.
    EXPECT_EQ(window.findChild<QLabel*>("lblMessage")->text().toStdString(), "");

    testing_support::ScriptedGame headless(2, 2, Random::SeededSource(2468), true);
    ASSERT_EQ(headless.game.PlayGame(), qlGame::Outcome::Finished);
    EXPECT_EQ(ReadFile(*options.logFolder / "GameLog.txt"), headless.gameLog.str());
    EXPECT_EQ(ReadFile(*options.logFolder / "Log.txt"), headless.log.str());
    const QString history = testing_support::History(window);
    QString told;
    for (const std::string& line : headless.table.Told(2)) {
        told += QString::fromStdString(line) + "\n";
    }
    EXPECT_EQ(history + "\n", told);
    EXPECT_TRUE(told.endsWith(" points\n")) << told.toStdString();
    EXPECT_GT(history.count("\nYou build "), 3);
}

// The third seed of game 2469 fails: a fault in the middle of the game, as the game itself sees
// one.
Random::SeedSource FailingSource() {
    return [calls = 0, seeded = Random::SeededSource(2469)]() mutable -> std::uint64_t {
        if (++calls == 3) {
            throw std::runtime_error("the generator broke");
        }
        return seeded();
    };
}

// The player reads the fault, the logs keep every line written before it, and the program
// ends with a failure status.
TEST(TableWindow, AFaultOfTheGameIsShownAndEndsItWithTheLogsSoFarAndAFailureStatus) {
    frmMain::Options options = TableOptions(2, 2, 0, "quellin-window-fault");
    options.seedSource = FailingSource();
    frmMain window(options);
    QString shown;
    ASSERT_TRUE(RunTable(window, [&] {
        if (auto* box = testing_support::Open<QMessageBox>()) {
            shown = box->text();
            box->accept();
        } else {
            testing_support::PlayOn(window);
        }
    }));
    EXPECT_EQ(window.ExitCode(), 1);
    EXPECT_EQ(shown.toStdString(), "the generator broke");
    EXPECT_FALSE(window.isVisible());

    testing_support::ScriptedGame headless(2, 2, FailingSource(), true);
    EXPECT_THROW(headless.game.PlayGame(), std::runtime_error);
    EXPECT_NE(headless.gameLog.str().find("Player 1"), std::string::npos);
    EXPECT_EQ(ReadFile(*options.logFolder / "GameLog.txt"), headless.gameLog.str());
    EXPECT_EQ(ReadFile(*options.logFolder / "Log.txt"), "");
}

}  // namespace
