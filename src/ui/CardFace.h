#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

class qlCard;

// A card's face: what it says, taken from the catalogue being played, written over the card's
// picture (which holds only its background and emblem), so that picture and rules never
// disagree. Text that is long for its place is set smaller, and never leaves the card.
namespace CardFace {

struct Texts {
    QString cost;
    QString points;
    QString name;
    QString kind;  // the good a production building makes, or VIOLET
};

Texts Of(const qlCard& card);
// Where the points, the name and the kind stand on a face of this size, in its own coordinates.
QRectF PointsBadge(QSizeF size);
QRectF NameBox(QSizeF size);
QRectF KindBox(QSizeF size);
// How the name is set in its box.
inline constexpr int kNameFlags = Qt::AlignCenter | Qt::TextWordWrap;
// The largest pixel size, from `pixels` down to the smallest the face uses, at which `text`
// fits `box` whole; none when it fits at none (it is then drawn at the smallest and cut).
std::optional<int> FittingPixels(const QString& text, const QRectF& box, int flags, int pixels,
                                 bool bold);
// The face at `size` (drawn at twice that, for dense screens) over `art`, or over a plain card
// when `art` is null. No face carries the description: the chooser writes it under the large
// one, and the tooltips carry it for the small ones.
QPixmap Draw(const qlCard& card, const QPixmap& art, QSize size, bool large);

}  // namespace CardFace
