#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <filesystem>

class qlCard;

// The pictures the windows show, loaded once and kept. Pictures are drawn at twice their
// logical size, so they stay sharp on dense screens.
namespace CardPictures {

// The small card pictures' logical size, and the large ones'.
inline constexpr QSize kSmall{62, 95};
inline constexpr QSize kLarge{160, 246};

// The picture at `file`, or a null pixmap when it is missing or unreadable.
QPixmap Load(const std::filesystem::path& file);
// The card's small or large picture; a card whose picture cannot be read is drawn with its
// name on a plain card instead.
QPixmap Small(const qlCard& card);
QPixmap Large(const qlCard& card);
// Role picture 0 to 5; null when missing.
QPixmap Role(int index);

// The card's name, cost, points and description, for tooltips and screen readers.
QString Describe(const qlCard& card);

}  // namespace CardPictures
