#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "core/Types.h"

class QShortcut;
class QTimer;
class QWidget;

// The pace of the computer seats at a table, in the player's hands: Space or a click on the
// table ends the pause under way ("hurry"); Ctrl+Space ends it and every later one until the
// human is next asked something ("skip to my turn"). Without either, a pause lasts as asked.
// A pause is a timer: the table's event loop runs on, and Over says the pause has ended.
class TablePace : public QObject {
    Q_OBJECT

  public:
    explicit TablePace(QWidget& table);

    // Starts a pause of so many milliseconds; none while skipping to the human's turn.
    void Pause(Long milliseconds);
    bool Pausing() const { return mPausing; }
    void Hurry();
    void SkipToHumansTurn();
    // The human is asked: pauses wait again.
    void EndSkip() { mSkipping = false; }
    bool Skipping() const { return mSkipping; }
    // Ends the pause under way without Over: the table is closing.
    void Stop();

    // The pause under way has ended: its time is up, or the player hurried.
    Q_SIGNAL void Over();
    // The player asked to skip to the human's turn: what is under way is seen through at once.
    Q_SIGNAL void Skipped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void End();
    void TimeUp();

    QWidget& mTable;
    // Space belongs to the focused button except while a pause is under way.
    QShortcut* mHurryKey = nullptr;
    QTimer* mTimer = nullptr;
    QElapsedTimer mClock;
    Long mLength = 0;
    bool mSkipping = false;
    bool mPausing = false;
};
