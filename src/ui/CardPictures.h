#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <filesystem>
#include <optional>

class qlCard;

// The pictures the windows show, loaded once and kept. Pictures are drawn at twice their
// logical size, so they stay sharp on dense screens.
namespace CardPictures {

// The small card pictures' logical size, and the large ones'.
inline constexpr QSize kSmall{62, 95};
inline constexpr QSize kLarge{160, 246};

// The picture at `file`, or a null pixmap when it is missing or unreadable.
QPixmap Load(const std::filesystem::path& file);
// The card's small or large face: its cost, points, name and kind as the catalogue in play says,
// over its picture, or over a plain card when the picture cannot be read.
QPixmap Small(const qlCard& card);
QPixmap Large(const qlCard& card);
// A card face down, at the small size: what a computer seat's drawn card shows in flight.
QPixmap Back();
// A tile of `size` naming the role `role`, in the colour the seats show their roles in.
QPixmap RoleTile(const QString& role, QSize size);
// Role picture 0 to 5; null when missing.
QPixmap Role(int index);

// What to tell the player once when the pictures folder `images` is missing; nothing when not.
std::optional<QString> MissingNotice(const std::filesystem::path& images);

// The card's name, cost, points and description, for tooltips and screen readers.
QString Describe(const qlCard& card);

}  // namespace CardPictures
