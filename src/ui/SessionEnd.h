#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the session's request to end the program (SIGTERM, as at a logout, or SIGHUP) into
// closing every main window, as if the player had closed it: the table then ends the game as
// Exit does, and the program ends with its usual status. The signal handler only writes a
// byte; the windows are closed by the event loop, where closing is safe.
class SessionEnd : public QObject {
    Q_OBJECT

  public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

  private:
    void CloseWindows();

    QSocketNotifier* mNotifier = nullptr;
};
