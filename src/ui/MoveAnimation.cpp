#include "ui/MoveAnimation.h"

#include <QEasingCurve>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QRect Between(const QRect& start, const QRect& end, double progress) {
    const auto at = [progress](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * progress));
    };
    return {at(start.x(), end.x()), at(start.y(), end.y()), at(start.width(), end.width()),
            at(start.height(), end.height())};
}

QRect CentredOn(const QWidget& widget, QSize size, QPoint offset, const QWidget& table) {
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(widget.mapTo(&table, widget.rect().center()) + offset);
    return rect;
}

}  // namespace

MoveAnimation::MoveAnimation(QWidget& table) : QObject(&table), mTable(table) {}

void MoveAnimation::Slide(QWidget& landed, const QWidget& from, int milliseconds) {
    const QRect end = InTable(landed, landed.rect());
    const QRect start = CentredOn(from, landed.size(), {}, mTable);
    QLabel* picture = Picture(landed.grab(), start);
    picture->setObjectName("movingCard");
    const QEasingCurve ease(QEasingCurve::OutCubic);
    Run(milliseconds, picture, &landed, [picture, start, end, ease](double progress) {
        picture->setGeometry(Between(start, end, ease.valueForProgress(progress)));
    });
}

void MoveAnimation::Fly(const QPixmap& pixmap, const QWidget& from, const QWidget& to,
                        QPoint offset, int milliseconds) {
    const QSize size = pixmap.deviceIndependentSize().toSize();
    const QRect start = CentredOn(from, size, offset, mTable);
    const QRect end = CentredOn(to, size / 2, offset / 2, mTable);
    QLabel* picture = Picture(pixmap, start);
    picture->setObjectName("drawnCard");
    const QEasingCurve ease(QEasingCurve::InOutQuad);
    Run(milliseconds, picture, nullptr, [picture, start, end, ease](double progress) {
        picture->setGeometry(Between(start, end, ease.valueForProgress(progress)));
    });
}

void MoveAnimation::Flip(const QPixmap& front, const QWidget& from, QWidget& landed,
                         const QRect& area, int milliseconds) {
    const QRect start = InTable(from, from.rect());
    const QRect end = InTable(landed, area);
    const QPixmap back = landed.grab(area);
    QLabel* picture = Picture(front, start);
    picture->setObjectName("turningRole");
    Run(milliseconds, picture, &landed,
        [picture, start, end, back, turned = false](double progress) mutable {
            // Edge on half-way, when the face it shows changes to the back.
            if (!turned && progress >= 0.5) {
                turned = true;
                picture->setPixmap(back);
            }
            QRect rect = Between(start, end, progress);
            const double facing = std::abs(std::cos(std::numbers::pi * progress));
            const QPoint centre = rect.center();
            rect.setWidth(std::max(1, static_cast<int>(rect.width() * facing)));
            rect.moveCenter(centre);
            picture->setGeometry(rect);
        });
}

void MoveAnimation::Fade(QObject& target, const QByteArray& property, double start, double end,
                         int milliseconds) {
    Run(milliseconds, nullptr, nullptr,
        [target = QPointer<QObject>(&target), property, start, end](double progress) {
            if (target) {
                target->setProperty(property.constData(), start + (end - start) * progress);
            }
        });
}

QLabel* MoveAnimation::Picture(const QPixmap& pixmap, const QRect& where) {
    auto* picture = new QLabel(&mTable);
    picture->setPixmap(pixmap);
    picture->setScaledContents(true);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture->setGeometry(where);
    picture->show();
    picture->raise();
    return picture;
}

void MoveAnimation::Run(int milliseconds, QWidget* picture, QWidget* landed,
                        std::function<void(double)> step) {
    if (landed) {
        // What lands is in its place already, unseen until the picture lands on it.
        auto* unseen = new QGraphicsOpacityEffect(landed);
        unseen->setOpacity(0);
        landed->setGraphicsEffect(unseen);
    }
    auto* animation = new QVariantAnimation(this);
    animation->setDuration(milliseconds);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    connect(animation, &QVariantAnimation::valueChanged, this,
            [step = std::move(step)](const QVariant& progress) { step(progress.toDouble()); });
    mMoves.push_back({picture, landed, animation});
    connect(animation, &QVariantAnimation::finished, this, [this, animation] {
        End(animation);
        if (!Running()) {
            emit Moving(false);
            emit Done();
        }
    });
    animation->start();
    if (mMoves.size() == 1) {
        emit Moving(true);
    }
}

void MoveAnimation::End(QVariantAnimation* animation) {
    const auto move = std::find_if(mMoves.begin(), mMoves.end(),
                                   [animation](const Move& m) { return m.animation == animation; });
    if (move == mMoves.end()) {
        return;
    }
    if (move->landed) {
        move->landed->setGraphicsEffect(nullptr);
    }
    delete move->picture.data();
    animation->deleteLater();
    mMoves.erase(move);
}

void MoveAnimation::Finish() {
    std::vector<QVariantAnimation*> running;
    for (const Move& move : mMoves) {
        running.push_back(move.animation);
    }
    for (QVariantAnimation* animation : running) {
        animation->setCurrentTime(animation->duration());  // its last step, then finished
    }
}

void MoveAnimation::Stop() {
    if (!Running()) {
        return;
    }
    while (!mMoves.empty()) {
        QVariantAnimation* animation = mMoves.front().animation;
        animation->stop();
        End(animation);
    }
    emit Moving(false);
}

QRect MoveAnimation::InTable(const QWidget& widget, const QRect& area) const {
    return area.translated(widget.mapTo(&mTable, QPoint(0, 0)));
}
