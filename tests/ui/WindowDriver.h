#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "support/TableHelpers.h"
#include "ui/InputGuard.h"
#include "ui/frmMain.h"

// Playing the table window as a player would, for the window tests.
namespace testing_support {

// A seeded table of `players` seats, the human in `human`, with computer pauses of `pause` and
// the logs in a folder of the temporary folder named after `logs` and the process, created empty.
frmMain::Options TableOptions(Integer players, Integer human, std::uint64_t seed, const char* logs,
                              Long pause = 0);

// Shows the table and runs its game, calling `tick` every 5 ms; true when the game finished
// within a minute (the window is closed then, so that a failing test never hangs).
bool RunTable(frmMain& window, const std::function<void()>& tick);

// The window of type T the table has open (a question, a message, a fault), if any: a window of
// its own, or a panel in the table's.
template <typename T>
T* Open() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* open = qobject_cast<T*>(window); open && open->isVisible()) {
            return open;
        }
        for (T* panel : window->findChildren<T*>()) {
            if (panel->isVisible()) {
                return panel;
            }
        }
    }
    return nullptr;
}

// Answers the open question or message as a player clicking would: the offered cards in turn
// until OK is enabled and one is checked (or none more can be), then OK. False when neither is
// open.
bool AnswerOpen();

// Plays the human's turn as AnswerOpen does, else by the first free role; false when neither.
bool PlayOn(const frmMain& window);

// A clock for the windows that moves a second on at each reading: no question's quiet moment
// holds back a click of the driver, so its answers never hang on when a tick comes.
InputGuard::Clock TickingClock();

// The table's history as it reads.
QString History(const frmMain& window);

// The answers a journal holds past its header of nine lines; 0 when there is none.
int JournalAnswers(const std::filesystem::path& journal);

// The table's role buttons, in order.
std::array<QPushButton*, 5> RoleButtons(const frmMain& window);
// Clicks the first role button that can be pressed; false when none can.
bool TakeFreeRole(const frmMain& window);

// The button of `window` captioned `text`, shortcut mark and all.
QPushButton* Button(const QWidget& window, const QString& text);

// Where a widget stands in its window.
QRect InWindow(const QWidget& widget);

// Watches a table for its figures: how often each moving picture was drawn while it moved, how
// soon a question opened once the pause or the move before it had ended, and when the table
// itself was drawn.
class TableWatch : public QObject {
  public:
    explicit TableWatch(frmMain& window);
    ~TableWatch() override;

    // Frames a second in which each move that has ended was drawn.
    const std::vector<double>& MoveFrameRates() const { return mFrameRates; }
    // Milliseconds from the end of a pause or of the last move to the question after it.
    const std::vector<double>& QuestionDelays() const { return mQuestionDelays; }
    // Milliseconds since the watch began at which the table was drawn.
    const std::vector<double>& TablePaints() const { return mTablePaints; }
    double Now() const { return static_cast<double>(mClock.nsecsElapsed()) / 1e6; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MoveEnded(QObject* picture);

    frmMain& mWindow;
    QElapsedTimer mClock;
    QPointer<QObject> mPauseTimer;
    std::map<QObject*, std::vector<double>> mMovePaints;
    double mReady = -1;  // when the game could last go on; -1 once a question has opened
    std::vector<double> mFrameRates;
    std::vector<double> mQuestionDelays;
    std::vector<double> mTablePaints;
};

// The median of `values`, 0 when there are none.
double Median(std::vector<double> values);

}  // namespace testing_support
