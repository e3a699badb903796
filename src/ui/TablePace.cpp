#include "ui/TablePace.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>
#include <QWidget>

#include "ui/frmPauser.h"

TablePace::TablePace(QWidget& table) : QObject(&table), mTable(table) {
    mHurryKey = new QShortcut(QKeySequence(Qt::Key_Space), &table);
    mHurryKey->setEnabled(false);
    connect(mHurryKey, &QShortcut::activated, this, &TablePace::Hurry);
    auto* skip = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), &table);
    connect(skip, &QShortcut::activated, this, &TablePace::SkipToHumansTurn);
}

void TablePace::Pause(Long milliseconds) {
    if (mSkipping) {
        return;
    }
    // A click anywhere on the table hurries: watched only while a pause is under way.
    qApp->installEventFilter(this);
    mHurryKey->setEnabled(true);
    mPausing = true;
    frmPauser::Pause(milliseconds);
    mPausing = false;
    mHurryKey->setEnabled(false);
    qApp->removeEventFilter(this);
}

void TablePace::Hurry() {
    if (mPausing) {
        frmPauser::Hurry();
    }
}

void TablePace::SkipToHumansTurn() {
    mSkipping = true;
    Hurry();
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
