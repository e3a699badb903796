#include "ui/CardFace.h"

#include <QFontMetricsF>
#include <QPainter>
#include <array>

#include "cards/qlCard.h"

namespace CardFace {
namespace {

constexpr std::array<const char*, 5> kGoods{"INDIGO", "SUGAR", "TOBACCO", "COFFEE", "SILVER"};
constexpr int kSmallestPixels = 6;

double Badge(QSizeF size) {
    return size.width() >= 100 ? 30 : 18;
}

QFont FaceFont(bool bold) {
    QFont font("DejaVu Sans");
    font.setBold(bold);
    return font;
}

// `text` in `box`, as large as fits from `pixels` down, kept inside the box whatever its length.
void Write(QPainter& painter, const QRectF& box, const QString& text, int flags, int pixels,
           bool bold) {
    QFont font = FaceFont(bold);
    font.setPixelSize(FittingPixels(text, box, flags, pixels, bold).value_or(kSmallestPixels));
    painter.save();
    painter.setFont(font);
    painter.setClipRect(box);
    painter.drawText(box, flags, text);
    painter.restore();
}

// A light strip under text, so that it reads over any picture.
void Strip(QPainter& painter, const QRectF& box) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRoundedRect(box.adjusted(-1, -1, 1, 1), 3, 3);
}

void DrawBadge(QPainter& painter, const QRectF& box, const QString& text, const QColor& fill,
               bool round) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    round ? painter.drawEllipse(box) : painter.drawRoundedRect(box, 3, 3);
    painter.setPen(Qt::black);
    Write(painter, box.adjusted(1, 1, -1, -1), text, Qt::AlignCenter,
          static_cast<int>(box.height() * 0.7), true);
}

}  // namespace

Texts Of(const qlCard& card) {
    QString kind = "VIOLET";
    if (card.BuildingType() == 0) {
        kind = card.Id() < kGoods.size() ? kGoods[card.Id()] : "PRODUCTION";
    }
    return {QString::number(card.Cost()), QString::number(card.VictoryPoints()),
            QString::fromStdString(card.BuildingName()), kind};
}

std::optional<int> FittingPixels(const QString& text, const QRectF& box, int flags, int pixels,
                                 bool bold) {
    QFont font = FaceFont(bold);
    for (; pixels >= kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        const QRectF needed = QFontMetricsF(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height()) {
            return pixels;
        }
    }
    return std::nullopt;
}

QRectF NameBox(QSizeF size) {
    const bool large = size.width() >= 100;
    return {4, Badge(size) + 5, size.width() - 8, large ? 38.0 : 22.0};
}

QRectF KindBox(QSizeF size) {
    const bool large = size.width() >= 100;
    return {4, large ? NameBox(size).bottom() + 76 : size.height() - 13, size.width() - 8,
            large ? 13.0 : 10.0};
}

QRectF PointsBadge(QSizeF size) {
    const double badge = Badge(size);
    return {size.width() - badge - 3, 3, badge, badge};
}

QPixmap Draw(const qlCard& card, const QPixmap& art, QSize size, bool large) {
    QPixmap pixmap(size * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF face(0, 0, size.width(), size.height());
    if (art.isNull()) {
        painter.setPen(QPen(QColor("#7a1f1f"), 1.5));
        painter.setBrush(QColor("#f6f1e4"));
        painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), 5, 5);
    } else {
        painter.drawPixmap(face, art, QRectF(art.rect()));
    }
    const Texts texts = Of(card);
    const double badge = Badge(face.size());
    DrawBadge(painter, QRectF(3, 3, badge, badge), texts.cost, QColor("#f1d36b"), true);
    DrawBadge(painter, PointsBadge(face.size()), texts.points, QColor("#f3f3f3"), false);

    const QRectF name = NameBox(face.size());
    Strip(painter, name);
    painter.setPen(Qt::black);
    Write(painter, name, texts.name, kNameFlags, large ? 15 : 9, true);
    const QRectF kind = KindBox(face.size());
    Strip(painter, kind);
    painter.setPen(Qt::black);
    Write(painter, kind, texts.kind, Qt::AlignCenter, large ? 10 : 7, true);
    return pixmap;
}

}  // namespace CardFace
