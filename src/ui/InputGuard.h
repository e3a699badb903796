#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Holds back clicks and Enter for a moment after a question or message appears, so that a click
// meant for the window that has just closed lands on nothing instead of answering this one.
class InputGuard : public QObject {
  public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;
    static constexpr qint64 kQuietMs = 350;

    explicit InputGuard(QWidget& window);

    // Starts the quiet moment; the window calls it when it is shown.
    void Start();
    // The clock every guard reads; an empty one restores the steady clock.
    static void SetClock(Clock clock);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& mWindow;
    qint64 mQuietUntil = 0;
};
