#include "ui/TablePace.h"

#include <QApplication>
#include <QEvent>
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
    // A click anywhere on the table hurries: watched only while a pause is under way.
    qApp->installEventFilter(this);
    mHurryKey->setEnabled(true);
    mPausing = true;
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

void TablePace::Hurry() {
    if (mPausing) {
        End();
        emit Over();
    }
}

void TablePace::SkipToHumansTurn() {
    mSkipping = true;
    emit Skipped();
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
    mHurryKey->setEnabled(false);
    qApp->removeEventFilter(this);
}

bool TablePace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == &mTable) {
            Hurry();
        }
    }
    return QObject::eventFilter(watched, event);
}
