#pragma once

#include <QObject>

#include "core/Types.h"

class QShortcut;
class QWidget;

// The pace of the computer seats at a table, in the player's hands: Space or a click on the
// table ends the pause under way ("hurry"); Ctrl+Space ends it and every later one until the
// human is next asked something ("skip to my turn"). Without either, a pause lasts as asked.
class TablePace : public QObject {
    Q_OBJECT

  public:
    explicit TablePace(QWidget& table);

    // Waits so many milliseconds, or not at all while skipping to the human's turn.
    void Pause(Long milliseconds);
    void Hurry();
    void SkipToHumansTurn();
    // The human is asked: pauses wait again.
    void EndSkip() { mSkipping = false; }
    bool Skipping() const { return mSkipping; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& mTable;
    // Space belongs to the focused button except while a pause is under way.
    QShortcut* mHurryKey = nullptr;
    bool mSkipping = false;
    bool mPausing = false;
};
