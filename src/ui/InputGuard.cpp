#include "ui/InputGuard.h"

#include <QKeyEvent>
#include <QWidget>
#include <chrono>

namespace {

qint64 SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

InputGuard::Clock& GuardClock() {
    static InputGuard::Clock clock = SteadyMs;
    return clock;
}

// A click, or a key that answers: Enter presses the default button, Space the focused control.
bool Answers(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const int key = static_cast<const QKeyEvent&>(event).key();
            return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
        }
        default:
            return false;
    }
}

}  // namespace

InputGuard::InputGuard(QWidget& window) : QObject(&window), mWindow(window) {}

void InputGuard::Start() {
    mQuietUntil = GuardClock()() + kQuietMs;
    mWindow.installEventFilter(this);
    for (QWidget* child : mWindow.findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

void InputGuard::SetClock(Clock clock) {
    GuardClock() = clock ? std::move(clock) : SteadyMs;
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    if (Answers(*event) && GuardClock()() < mQuietUntil) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}
