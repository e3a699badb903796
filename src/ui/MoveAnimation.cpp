#include "ui/MoveAnimation.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPropertyAnimation>
#include <algorithm>

MoveAnimation::MoveAnimation(QWidget& table) : QObject(&table), mTable(table) {}

void MoveAnimation::Slide(QWidget& landed, const QWidget& from, int milliseconds) {
    auto* picture = new QLabel(&mTable);
    picture->setObjectName("movingCard");
    picture->setPixmap(landed.grab());
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect end(landed.mapTo(&mTable, QPoint(0, 0)), landed.size());
    QRect start(QPoint(0, 0), landed.size());
    start.moveCenter(from.mapTo(&mTable, from.rect().center()));
    picture->setGeometry(start);
    picture->show();
    picture->raise();
    // The card in its place is there already, unseen until the picture lands on it.
    auto* unseen = new QGraphicsOpacityEffect(&landed);
    unseen->setOpacity(0);
    landed.setGraphicsEffect(unseen);
    auto* animation = new QPropertyAnimation(picture, "geometry", this);
    animation->setDuration(milliseconds);
    animation->setStartValue(start);
    animation->setEndValue(end);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    mSlides.push_back({picture, &landed, animation});
    connect(animation, &QVariantAnimation::finished, this, [this, animation] {
        End(animation);
        if (!Running()) {
            emit Done();
        }
    });
    animation->start();
}

void MoveAnimation::End(QVariantAnimation* animation) {
    const auto slide = std::find_if(mSlides.begin(), mSlides.end(), [animation](const Sliding& s) {
        return s.animation == animation;
    });
    if (slide == mSlides.end()) {
        return;
    }
    if (slide->landed) {
        slide->landed->setGraphicsEffect(nullptr);
    }
    delete slide->picture.data();
    animation->deleteLater();
    mSlides.erase(slide);
}

void MoveAnimation::Stop() {
    while (!mSlides.empty()) {
        QVariantAnimation* animation = mSlides.front().animation;
        animation->stop();
        End(animation);
    }
}
