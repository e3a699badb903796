// Closing the table, under whatever platform the environment names (offscreen, X11 or Wayland),
// at every kind of moment: as the window manager closes it, and by the session's end request
// (SIGTERM) while a question is open. The table closes at once, the game ends as Exit ends it,
// and the program's status is 0.

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <iostream>

#include "WindowDriver.h"
#include "game/StrongPlayer.h"
#include "support/TableHelpers.h"
#include "ui/SessionEnd.h"
#include "ui/TablePace.h"
#include "ui/frmCardChooser.h"
#include "ui/frmMain.h"
#include "ui/frmShowMessage.h"

namespace {

// The table was drawn as asked while the computer seat thought: its redraws came at the timer's
// rate, not once the thought was over. The intervals are the figure for a real window system.
void ExpectDrawnWhileThinking(const std::vector<double>& paints, double since) {
    std::vector<double> gaps;
    for (std::size_t i = 1; i < paints.size(); ++i) {
        if (paints[i - 1] >= since) {
            gaps.push_back(paints[i] - paints[i - 1]);
        }
    }
    ASSERT_GE(gaps.size(), 2u);
    std::cout << "drawn while thinking: " << gaps.size() + 1 << " times, ms between "
              << testing_support::Median(gaps) << " (largest "
              << *std::max_element(gaps.begin(), gaps.end()) << ")\n";
}

// The player closes the table at a moment the game is showing something or thinking: a
// question, a computer seat's pause, a move seen on the table, a strong seat's role choice, an
// expert seat's decision, the final scores; or the session ends while a question after the first is
// open. Nothing is modal, so the window manager's close reaches the table as Qt's ordinary close;
// the game ends at once as Exit ends it, unscored unless it was over.
TEST(Closing, AtAQuestionAPauseAThoughtTheScoresOrTheSessionsEndEndsTheGameAtOnce) {
    const SessionEnd sessionEnd;
    enum class Moment { Question, Pause, Move, Thinking, ExpertThinking, Message, SessionEnd };
    for (const Moment moment : {Moment::Question, Moment::Pause, Moment::Move, Moment::Thinking,
                                Moment::ExpertThinking, Moment::Message, Moment::SessionEnd}) {
        const bool thinking = moment == Moment::Thinking || moment == Moment::ExpertThinking;
        // The final scores are the message: the game is played to its end at full speed. A
        // thought is watched at full speed too: a seat may think while the table still shows a
        // pause or a move, and a thought over before they are would never be seen alone.
        const bool fullSpeed =
            moment == Moment::Message || moment == Moment::SessionEnd || thinking;
        frmMain::Options options =
            testing_support::TableOptions(3, 3, 99, "quellin-window-closed", fullSpeed ? 0 : 2000);
        options.computers = moment == Moment::Thinking         ? ComputerLevel::Strong
                            : moment == Moment::ExpertThinking ? ComputerLevel::Expert
                                                               : ComputerLevel::Standard;
        // An expert's decisions at a small budget can all be over within a few hundredths of a
        // second once its work cap stops them; 10,000 iterations keep its first one, the opening
        // hand limit, going long enough to be watched and closed on, and short enough under the
        // sanitizers on a loaded machine.
        if (moment == Moment::ExpertThinking) {
            options.thinkingBudget = 10000;
        }
        // Likewise a strong seat's role choice at its default budget is over within the 80 ms
        // the table is watched in an optimized build on two idle cores: four times as many
        // copies keep it going.
        if (moment == Moment::Thinking) {
            options.thinkingBudget = 4 * StrongPlayer::kDefaultBudget;
        }
        options.animations = moment != Moment::Message && !thinking;
        frmMain window(options);
        const QLabel* status = window.findChild<QLabel*>("lblMessage");
        // While a seat thinks, the table is asked to redraw at a screen's rate.
        const testing_support::TableWatch watch(window);
        QTimer redraw;
        QObject::connect(&redraw, &QTimer::timeout, &window, [&window] { window.update(); });
        redraw.start(16);
        double thinkingSince = -1;
        QElapsedTimer closing;
        bool closed = false;
        int answered = 0;
        ASSERT_TRUE(testing_support::RunTable(window, [&] {
            if (closed) {
                return;
            }
            const frmCardChooser* question = testing_support::Open<frmCardChooser>();
            const bool now =
                moment == Moment::Question     ? question != nullptr
                : moment == Moment::SessionEnd ? question != nullptr && answered > 0
                : moment == Moment::Pause      ? window.findChild<TablePace*>()->Pausing()
                // The first cards dealt, flying to the seats.
                : moment == Moment::Move ? window.findChild<QLabel*>("drawnCard") != nullptr
                // A strong seat's role choice, or an expert seat's decision (its first is the
                // opening hand limit): the game waits and the table holds nothing.
                : moment == Moment::Thinking
                    ? status->text().startsWith("Robot") &&
                          status->text().endsWith("select a role...") && !window.Holding()
                : moment == Moment::ExpertThinking
                    ? status->text().startsWith("Robot") && !window.Holding()
                    : testing_support::Open<frmShowMessage>() &&
                          testing_support::Open<frmShowMessage>()->cmdDetails;
            if (thinking) {
                thinkingSince = !now ? -1 : thinkingSince < 0 ? watch.Now() : thinkingSince;
                if (now && watch.Now() - thinkingSince < 80) {
                    return;  // the table is watched a moment while the seat thinks
                }
            }
            if (now) {
                EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
                closed = true;
                closing.start();
                if (moment != Moment::SessionEnd) {
                    window.close();
                    return;
                }
                // A window beside the table where the program places windows; under Wayland,
                // where the compositor does, a panel in the table's own window.
                EXPECT_EQ(question->isWindow(),
                          !QGuiApplication::platformName().startsWith("wayland"));
                ::kill(::getpid(), SIGTERM);
            } else if (testing_support::AnswerOpen()) {  // the human plays on till then
                ++answered;
            } else {
                testing_support::TakeFreeRole(window);
            }
        })) << static_cast<int>(moment);
        EXPECT_TRUE(closed) << static_cast<int>(moment);
        // What was on its way as the table closed (a thought's answer, a move's end) finds no
        // game to play on.
        QTest::qWait(400);
        if (thinking) {
            ExpectDrawnWhileThinking(watch.TablePaints(), thinkingSince);
        }
        EXPECT_LT(closing.elapsed(), 1000);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.ExitCode(), 0);
        // Only a finished game has its results.
        EXPECT_EQ(testing_support::ReadFile(*options.logFolder / "Log.txt").empty(),
                  moment != Moment::Message);
        EXPECT_EQ(testing_support::ReadFile(*options.logFolder / "GameLog.txt").empty(),
                  moment == Moment::Question || moment == Moment::Move ||
                      moment == Moment::SessionEnd || moment == Moment::ExpertThinking)
            << static_cast<int>(moment);  // the deal and the first questions come before any move
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);  // on the platform QT_QPA_PLATFORM names
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
