#include "ui/TablePace.h"

#include <QApplication>
#include <QEvent>
#include <QInputEvent>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <algorithm>

TablePace::TablePace(QWidget& table) : QObject(&table), mTable(table) {
    mHurryKey = new QShortcut(QKeySequence(Qt::Key_Space), &table);
    mHurryKey->setEnabled(false);
    connect(mHurryKey, &QShortcut::activated, this, &TablePace::Hurry);
    auto* skip = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), &table);
    connect(skip, &QShortcut::activated, this, &TablePace::SkipToHumansTurn);
    mTimer = new QTimer(this);
    mTimer->setSingleShot(true);
    mTimer->setTimerType(Qt::PreciseTimer);
    connect(mTimer, &QTimer::timeout, this, &TablePace::TimeUp);
}

void TablePace::Pause(Long milliseconds) {
    if (mSkipping || mPausing) {
        return;
    }
    mPausing = true;
    ListenForHurry();
    mLength = std::max<Long>(milliseconds, 0);
    mClock.start();
    mTimer->start(static_cast<int>(mLength));
}

// A timer may fire a little early: it waits again for what is left.
void TablePace::TimeUp() {
    const qint64 left = mLength - mClock.elapsed();
    if (left > 0) {
        mTimer->start(static_cast<int>(left));
        return;
    }
    End();
    emit Over();
}

void TablePace::SetMoving(bool moving) {
    mMoving = moving;
    ListenForHurry();
}

void TablePace::ListenForHurry() {
    // A click anywhere on the table hurries: watched only while there is something to hurry.
    const bool listening = mPausing || mMoving;
    qApp->removeEventFilter(this);
    if (listening) {
        qApp->installEventFilter(this);
    }
    mHurryKey->setEnabled(listening);
}

// The pause first: once it is over the table holds on while the moves run, and goes on once
// they are seen through.
void TablePace::Hurry() {
    const bool moving = mMoving;
    if (mPausing) {
        End();
        emit Over();
    }
    if (moving) {
        emit MovesHurried();
    }
}

void TablePace::SkipToHumansTurn() {
    mSkipping = true;
    Hurry();
}

void TablePace::Stop() {
    if (mPausing) {
        End();
    }
}

void TablePace::End() {
    mTimer->stop();
    mPausing = false;
    ListenForHurry();
}

bool TablePace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // A press a widget ignores goes on to its parents: one click hurries once, not what the
        // first hurry let begin.
        const auto pressed = static_cast<const QInputEvent*>(event)->timestamp();
        if (widget && widget->window() == &mTable && pressed != mLastPress) {
            mLastPress = pressed;
            Hurry();
        }
    }
    return QObject::eventFilter(watched, event);
}
