#include "ui/CardPictures.h"

#include <QHash>
#include <QPainter>
#include <QStringList>

#include "cards/qlCard.h"
#include "core/DataFolder.h"
#include "ui/CardFace.h"

namespace CardPictures {
namespace {

// The card's face over its picture, drawn once for each card of the catalogue and size.
QPixmap Face(const qlCard& card, const std::filesystem::path& file, QSize size, bool large) {
    static QHash<QString, QPixmap> cache;
    const CardFace::Texts texts = CardFace::Of(card);
    const QString key = QStringList{QString::fromStdString(file.string()), texts.cost, texts.points,
                                    texts.name, texts.kind}
                            .join('\n');
    if (const auto found = cache.constFind(key); found != cache.constEnd()) {
        return *found;
    }
    const QPixmap face = CardFace::Draw(card, Load(file), size, large);
    cache.insert(key, face);
    return face;
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
    return Face(card, card.Picture(), kSmall, false);
}

QPixmap Large(const qlCard& card) {
    return Face(card, card.BigPict(), kLarge, true);
}

std::optional<QString> MissingNotice(const std::filesystem::path& images) {
    std::error_code error;
    if (std::filesystem::is_directory(images / "Small", error)) {
        return std::nullopt;
    }
    return QString(
               "The card pictures are missing from %1: every card is drawn plain, with its "
               "cost, points and name.")
        .arg(QString::fromStdString(images.string()));
}

QPixmap Back() {
    static const QPixmap back = [] {
        QPixmap pixmap(kSmall * 2);
        pixmap.setDevicePixelRatio(2);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF card = QRectF(QPointF(0, 0), QSizeF(kSmall)).adjusted(1, 1, -1, -1);
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(QColor("#3b2a1a"));  // the colour of a good, which is a card face down
        painter.drawRoundedRect(card, 5, 5);
        painter.setPen(QPen(QColor("#b08d57"), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(card.adjusted(5, 5, -5, -5), 3, 3);
        return pixmap;
    }();
    return back;
}

QPixmap RoleTile(const QString& role, QSize size) {
    QPixmap pixmap(size * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#0f3518"), 1));
    painter.setBrush(QColor("#1d5e2b"));
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5), 4,
                            4);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, role);
    return pixmap;
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
