// The player's pace (a pause ends at once on hurry, never early without it) and the history's
// lines, copied as they read.

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/HistoryPanel.h"
#include "ui/TablePace.h"

namespace {

// How long a pause of `milliseconds` lasts when `act` runs 30 ms into it: until the pace says
// it is over, the event loop running meanwhile.
qint64 PauseWith(TablePace& pace, Long milliseconds, const std::function<void()>& act) {
    QSignalSpy over(&pace, &TablePace::Over);
    QTimer::singleShot(30, act);
    QElapsedTimer clock;
    clock.start();
    pace.Pause(milliseconds);
    if (pace.Pausing() && !over.wait(10000)) {
        return -1;
    }
    EXPECT_FALSE(pace.Pausing());
    return clock.elapsed();
}

TEST(TablePace, SpaceOrAClickHurriesOnePauseOrTheMovesAndCtrlSpaceEveryPauseUntilTheHumanIsAsked) {
    QWidget table;
    auto* seat = new QLabel("PLAYER 1", &table);
    new QVBoxLayout(&table);
    table.layout()->addWidget(seat);
    auto* role = new QPushButton("Builder", &table);
    table.layout()->addWidget(role);
    int roleClicks = 0;
    QObject::connect(role, &QPushButton::clicked, [&roleClicks] { ++roleClicks; });
    TablePace pace(table);
    table.show();
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));

    EXPECT_GE(PauseWith(pace, 250, [] {}), 250);  // nobody hurries: never early
    EXPECT_LT(PauseWith(pace, 5000, [&] { QTest::keyClick(&table, Qt::Key_Space); }), 2500);
    EXPECT_LT(PauseWith(pace, 5000, [&] { QTest::mouseClick(seat, Qt::LeftButton); }), 2500);
    // A hurry is for the pause under way only.
    EXPECT_GE(PauseWith(pace, 200, [] {}), 200);

    EXPECT_LT(
        PauseWith(pace, 5000, [&] { QTest::keyClick(&table, Qt::Key_Space, Qt::ControlModifier); }),
        2500);
    EXPECT_TRUE(pace.Skipping());
    pace.Pause(5000);
    EXPECT_FALSE(pace.Pausing());  // no pause at all while skipping
    pace.EndSkip();
    EXPECT_GE(PauseWith(pace, 200, [] {}), 200);
    // Moves under way are hurried by Space or a click, pause or none.
    QSignalSpy hurried(&pace, &TablePace::MovesHurried);
    pace.SetMoving(true);
    QTest::keyClick(&table, Qt::Key_Space);
    QTest::mouseClick(seat, Qt::LeftButton);
    EXPECT_EQ(hurried.count(), 2);
    pace.SetMoving(false);
    // Outside a pause and a move Space is the focused button's again, and hurries nothing.
    role->setFocus();
    QTest::keyClick(role, Qt::Key_Space);
    EXPECT_EQ(roleClicks, 1);
    EXPECT_EQ(hurried.count(), 2);
}

// Its folding is the table layout test's.
TEST(HistoryPanel, KeepsTheNewestLineInViewAndCopiesTheSelection) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* buttonRow = new QHBoxLayout;
    layout->addLayout(buttonRow);
    HistoryPanel& panel = *new HistoryPanel(*buttonRow);
    layout->addWidget(&panel);
    window.resize(300, 150);
    window.show();
    for (int i = 1; i <= 40; ++i) {
        panel.AddLine(QString("Player 3 chooses Trader %1").arg(i));
    }
    QApplication::processEvents();
    const auto* bar = panel.txtHistory->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(panel.Text().endsWith("Trader 40"));

    panel.txtHistory->setFocus();
    panel.txtHistory->selectAll();
    QTest::keyClick(panel.txtHistory, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), panel.Text());
}

}  // namespace
