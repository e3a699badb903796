#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "core/Types.h"

class QShortcut;
class QTimer;
class QWidget;

// The pace of the computer seats at a table, in the player's hands: Space or a click on the
// table ends the pause under way, or sees the moves under way through at once ("hurry");
// Ctrl+Space does so and skips every later pause until the human is next asked something
// ("skip to my turn"). Without either, a pause lasts as asked. A pause is a timer: the table's
// event loop runs on, and Over says the pause has ended.
class TablePace : public QObject {
    Q_OBJECT

  public:
    explicit TablePace(QWidget& table);

    // Starts a pause of so many milliseconds; none while skipping to the human's turn.
    void Pause(Long milliseconds);
    bool Pausing() const { return mPausing; }
    // Moves are under way on the table, or no longer: a hurry sees them through.
    void SetMoving(bool moving);
    void Hurry();
    void SkipToHumansTurn();
    // The human is asked: pauses wait again.
    void EndSkip() { mSkipping = false; }
    bool Skipping() const { return mSkipping; }
    // Ends the pause under way without Over: the table is closing.
    void Stop();

    // The pause under way has ended: its time is up, or the player hurried.
    Q_SIGNAL void Over();
    // The player hurried, or skipped to the human's turn, while moves were under way.
    Q_SIGNAL void MovesHurried();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void End();
    void TimeUp();
    // Space and clicks hurry while a pause or a move is under way, and only then.
    void ListenForHurry();

    QWidget& mTable;
    // Space belongs to the focused button except while a pause is under way.
    QShortcut* mHurryKey = nullptr;
    QTimer* mTimer = nullptr;
    QElapsedTimer mClock;
    Long mLength = 0;
    bool mSkipping = false;
    bool mPausing = false;
    bool mMoving = false;
    quint64 mLastPress = 0;  // the time of the last click that hurried
};
