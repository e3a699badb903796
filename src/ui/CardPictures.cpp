#include "ui/CardPictures.h"

#include <QHash>
#include <QPainter>

#include "cards/qlCard.h"
#include "core/DataFolder.h"

namespace CardPictures {
namespace {

QPixmap Placeholder(const qlCard& card, QSize size) {
    QPixmap pixmap(size * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#7a1f1f"), 1.5));
    painter.setBrush(QColor("#f6f1e4"));
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 5, 5);
    painter.setPen(Qt::black);
    painter.drawText(QRect(4, 4, size.width() - 8, size.height() - 8),
                     Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdString(card.BuildingName()));
    return pixmap;
}

QPixmap OrPlaceholder(const qlCard& card, const std::filesystem::path& file, QSize size) {
    const QPixmap picture = Load(file);
    return picture.isNull() ? Placeholder(card, size) : picture;
}

}  // namespace

QPixmap Load(const std::filesystem::path& file) {
    static QHash<QString, QPixmap> cache;
    const QString key = QString::fromStdString(file.string());
    if (const auto found = cache.constFind(key); found != cache.constEnd()) {
        return *found;
    }
    QPixmap pixmap;
    if (!file.empty() && pixmap.load(key)) {
        pixmap.setDevicePixelRatio(2);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

QPixmap Small(const qlCard& card) {
    return OrPlaceholder(card, card.Picture(), kSmall);
}

QPixmap Large(const qlCard& card) {
    return OrPlaceholder(card, card.BigPict(), kLarge);
}

QPixmap Role(int index) {
    return Load(DataFolder() / "Images" / "Roles" / ("Role_" + std::to_string(index) + ".bmp"));
}

QString Describe(const qlCard& card) {
    return QString("%1 (%2, cost %3, %4 victory points)\n%5")
        .arg(QString::fromStdString(card.BuildingName()),
             card.BuildingType() == 0 ? "production" : "violet")
        .arg(card.Cost())
        .arg(card.VictoryPoints())
        .arg(QString::fromStdString(card.Description()));
}

}  // namespace CardPictures
