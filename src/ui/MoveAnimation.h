#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QVariantAnimation;
class QWidget;

// A card seen moving across the table: a picture of it slides from where it came from (the
// human's hand, a computer seat's card count) onto the place where it has landed, over the
// table's other widgets; the card in its place shows once the slide is over. Done says the last
// slide under way has ended, so that the table goes on only then.
class MoveAnimation : public QObject {
    Q_OBJECT

  public:
    explicit MoveAnimation(QWidget& table);

    // Slides a picture of `landed` from the middle of `from` onto `landed` in `milliseconds`.
    void Slide(QWidget& landed, const QWidget& from, int milliseconds);
    bool Running() const { return !mSlides.empty(); }
    // Ends every slide at once, without Done: the table is closing.
    void Stop();

    Q_SIGNAL void Done();

  private:
    struct Sliding {
        QPointer<QWidget> picture;
        QPointer<QWidget> landed;
        QVariantAnimation* animation = nullptr;
    };
    void End(QVariantAnimation* animation);

    QWidget& mTable;
    std::vector<Sliding> mSlides;
};
