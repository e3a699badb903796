#pragma once

#include <QByteArray>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <functional>
#include <vector>

class QLabel;
class QVariantAnimation;
class QWidget;

// The moves seen on the table: a built card slides into its city, drawn cards fly from the draw
// pile, a good fades on or off its building, a chosen role's button turns over onto its chooser.
// Pictures move over the table's other widgets; a widget that something lands on is unseen until
// it lands. Done says the last animation under way has ended, so that the table goes on only then.
class MoveAnimation : public QObject {
    Q_OBJECT

  public:
    explicit MoveAnimation(QWidget& table);

    // Slides a picture of `landed` from the middle of `from` onto `landed`.
    void Slide(QWidget& landed, const QWidget& from, int milliseconds);
    // Flies `picture` from the middle of `from` to the middle of `to`, where it is gone: a card
    // that lands face down. `offset` shifts it, so that several cards in flight fan out.
    void Fly(const QPixmap& picture, const QWidget& from, const QWidget& to, QPoint offset,
             int milliseconds);
    // `front`, over `from`, turns over while it moves onto `area` of `landed`, showing what
    // `area` shows for its second half.
    void Flip(const QPixmap& front, const QWidget& from, QWidget& landed, const QRect& area,
              int milliseconds);
    // Takes `target`'s number `property` from `start` to `end`.
    void Fade(QObject& target, const QByteArray& property, double start, double end,
              int milliseconds);

    bool Running() const { return !mMoves.empty(); }
    // Every animation under way jumps to its end; Done follows.
    void Finish();
    // Ends every animation at once, without Done: the table is closing.
    void Stop();

    // Moves are under way (the first has begun), or no longer (the last has ended or all were
    // stopped).
    Q_SIGNAL void Moving(bool moving);
    Q_SIGNAL void Done();

  private:
    struct Move {
        QPointer<QWidget> picture;
        QPointer<QWidget> landed;
        QVariantAnimation* animation = nullptr;
    };
    // A picture over the table, at `where`, scaled to whatever size it is given.
    QLabel* Picture(const QPixmap& pixmap, const QRect& where);
    // Runs `step` from progress 0 to 1 in `milliseconds`; `picture` goes and `landed` shows
    // at the end.
    void Run(int milliseconds, QWidget* picture, QWidget* landed, std::function<void(double)> step);
    void End(QVariantAnimation* animation);
    QRect InTable(const QWidget& widget, const QRect& area) const;

    QWidget& mTable;
    std::vector<Move> mMoves;
};
