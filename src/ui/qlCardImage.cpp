#include "ui/qlCardImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "cards/qlCard.h"
#include "players/qlPlayer.h"
#include "ui/CardPictures.h"
#include "ui/Twips.h"

namespace {

constexpr int kWidthTwips = 990;
constexpr int kHeightTwips = 1485;

}  // namespace

qlCardImage::qlCardImage(QWidget* parent) : QWidget(parent) {
    setFixedSize(BaseSize());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

QSize qlCardImage::BaseSize() {
    return {Px(kWidthTwips), Px(kHeightTwips)};
}

void qlCardImage::SetScale(double scale) {
    mScale = scale;
    // Whole pixels, never more than the scale asks: a row of grown cards still fits its room.
    setFixedSize(static_cast<int>(BaseSize().width() * scale),
                 static_cast<int>(BaseSize().height() * scale));
}

QSize qlCardImage::sizeHint() const {
    return size();
}

void qlCardImage::SetCard(Card card) {
    mCard = std::move(card);
    if (mCard) {
        setToolTip(CardPictures::Describe(*mCard));
        setAccessibleName(QString::fromStdString(mCard->BuildingName()));
        setAccessibleDescription(CardPictures::Describe(*mCard));
    } else {
        setToolTip({});
        setAccessibleName({});
    }
    RefreshGoodImage();
    update();
}

void qlCardImage::SetHighlight(bool on) {
    mHighlight = on;
    update();
}

void qlCardImage::SetChecked(bool on) {
    mChecked = on;
    SetHighlight(on);
}

void qlCardImage::SetGoodsOf(const qlPlayer* seat) {
    mSeat = seat;
    RefreshGoodImage();
}

void qlCardImage::RefreshGoodImage() {
    mGoodShown = mCard && mSeat && mSeat->GoodOn(*mCard);
    SetGoodOpacity(mGoodShown ? 1 : 0);
}

void qlCardImage::SetGoodOpacity(double opacity) {
    mGoodOpacity = opacity;
    update();
}

void qlCardImage::Toggle() {
    SetChecked(!(mHighlight || !mEnableCheck));
    emit Click();
}

void qlCardImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Toggle();
    }
}

void qlCardImage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        Toggle();
        return;
    }
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        focusNextPrevChild(event->key() == Qt::Key_Right);
        return;
    }
    QWidget::keyPressEvent(event);
}

void qlCardImage::mouseMoveEvent(QMouseEvent*) {
    emit Hover();
}

void qlCardImage::enterEvent(QEnterEvent*) {
    emit Hover();
}

void qlCardImage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit Hover();
    update();
}

QRect qlCardImage::PictureRect() const {
    return rect().adjusted(Px(60), Px(60), -Px(60), -Px(60));
}

QRectF qlCardImage::GoodMarker() const {
    // Below the name, by the emblem, and as large beside it as the card is.
    return {PictureRect().left() + 1.0, height() / 2.0, 14 * mScale, 20 * mScale};
}

void qlCardImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (mCard) {
        painter.drawPixmap(PictureRect(), CardPictures::Small(*mCard));
    }
    if (mGoodOpacity > 0) {  // a face-down good: a card back tucked against the emblem's side
        painter.save();
        painter.setOpacity(mGoodOpacity);
        const QRectF good = GoodMarker();
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor("#3b2a1a"));
        painter.drawRoundedRect(good, 3, 3);
        painter.setPen(Qt::white);
        painter.drawText(good, Qt::AlignCenter, "G");
        painter.restore();
    }
    if (mHighlight) {
        painter.setPen(QPen(QColor("#e0a000"), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    }
    if (hasFocus()) {
        painter.setPen(QPen(QColor("#1d5fd0"), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);  // an outline only, whatever was filled before it
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
