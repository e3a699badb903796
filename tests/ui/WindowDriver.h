#pragma once

#include <QApplication>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "ui/frmMain.h"

// Playing the table window as a player would, for the window tests.
namespace testing_support {

// A seeded table of `players` seats, the human in `human`, with computer pauses of `pause` and
// the logs in the temporary folder's folder `logs`, created empty.
frmMain::Options TableOptions(Integer players, Integer human, std::uint64_t seed, const char* logs,
                              Long pause = 0);

// Shows the table and runs its game, calling `tick` every 5 ms; true when the game finished
// within a minute (the window is closed then, so that a failing test never hangs).
bool RunTable(frmMain& window, const std::function<void()>& tick);

// The window of type T the table has open (a question, a message, a fault), if any.
template <typename T>
T* Open() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* open = qobject_cast<T*>(window); open && open->isVisible()) {
            return open;
        }
    }
    return nullptr;
}

// Answers the open question or message as a player clicking would: the offered cards in turn
// until OK is enabled and one is checked (or none more can be), then OK. False when neither is
// open.
bool AnswerOpen();

// The table's role buttons, in order.
std::array<QPushButton*, 5> RoleButtons(const frmMain& window);

// Where a widget stands in its window.
QRect InWindow(const QWidget& widget);

}  // namespace testing_support
