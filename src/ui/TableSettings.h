#pragma once

#include <QWidget>
#include <array>

#include "core/Types.h"
#include "game/Journal.h"

class QCheckBox;
class QRadioButton;

// The table's settings, all checked at the start: "Selector Behavior" ("Card Details",
// "Logical Positions") and "Gold Mine Views" beside "Automatic Close" ("Empty Selectors",
// "Status Messages" and the delay from "Fast" to "Slow").
class TableSettings : public QWidget {
    Q_OBJECT

  public:
    explicit TableSettings(QWidget* parent);

    bool CardDetails() const;
    bool LogicalPositions() const;
    bool EmptySelectors() const;
    bool StatusMessages() const;
    bool GoldMineViews() const;
    // The delay in half-seconds: 2, 3, 4 (at the start), 6 or 8.
    Integer Delay() const { return mDelay; }

    // All of them at once, for the game's journal, and set again as a game is taken up.
    JournalSettings Current() const;
    void Restore(const JournalSettings& settings);
    // The player changed a setting.
    Q_SIGNAL void Changed();

  private:
    QCheckBox* mCardDetails = nullptr;
    QCheckBox* mPositions = nullptr;
    QCheckBox* mEmptySelectors = nullptr;
    QCheckBox* mMessages = nullptr;
    QCheckBox* mGoldMineViews = nullptr;
    std::array<QRadioButton*, 5> mDelays{};
    Integer mDelay = 4;
};
