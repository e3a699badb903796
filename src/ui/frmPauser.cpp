#include "ui/frmPauser.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <vector>

namespace frmPauser {
namespace {

bool gAborted = false;
bool gHurried = false;
std::vector<QEventLoop*> gWaiting;

void QuitWaiting() {
    for (QEventLoop* loop : gWaiting) {
        loop->quit();
    }
}

}  // namespace

void Pause(Long milliseconds) {
    gHurried = false;
    QElapsedTimer clock;
    clock.start();
    // A timer may fire a little early; wait again for what is left.
    for (qint64 left = milliseconds; !gAborted && !gHurried && (left > 0 || !clock.isValid());
         left = milliseconds - clock.elapsed()) {
        QEventLoop loop;
        QTimer timPauser;
        timPauser.setSingleShot(true);
        timPauser.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timPauser, &QTimer::timeout, &loop, &QEventLoop::quit);
        timPauser.start(static_cast<int>(std::max<qint64>(left, 0)));
        gWaiting.push_back(&loop);
        loop.exec();
        std::erase(gWaiting, &loop);
        if (left <= 0) {
            break;
        }
    }
}

void Hurry() {
    gHurried = true;
    QuitWaiting();
}

void AbortAll() {
    gAborted = true;
    QuitWaiting();
}

void Reset() {
    gAborted = false;
}

}  // namespace frmPauser
