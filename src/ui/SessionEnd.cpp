#include "ui/SessionEnd.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <csignal>
#include <vector>

namespace {

// The pair of sockets between the signal handler and the event loop: one program, one pair.
std::array<int, 2> gWake{-1, -1};

constexpr std::array<int, 2> kSignals{SIGTERM, SIGHUP};

extern "C" void OnSessionEnd(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gWake[1], &byte, 1);
}

}  // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {
    if (gWake[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gWake.data()) != 0) {
        return;  // one watch already, or no sockets: the signals keep their default
    }
    mNotifier = new QSocketNotifier(gWake[0], QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &SessionEnd::CloseWindows);
    struct sigaction action {};
    action.sa_handler = OnSessionEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

SessionEnd::~SessionEnd() {
    if (!mNotifier) {
        return;
    }
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    ::close(gWake[0]);
    ::close(gWake[1]);
    gWake = {-1, -1};
}

void SessionEnd::CloseWindows() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(gWake[0], &byte, 1);
    // The main windows only: a question refuses to be closed by itself, and goes with the table.
    // Closing one may delete others (the table's question): each is looked at only while it
    // is still there.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        windows.emplace_back(window);
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window && !window->parentWidget() && window->isVisible()) {
            window->close();
        }
    }
}
