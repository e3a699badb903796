#include "ui/SeatArea.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "players/qlPlayer.h"
#include "ui/ElidedLabel.h"
#include "ui/ScoreViews.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

namespace {

const char* const kSeatFill = "#efe8d8";
const char* const kHumanFill = "#dbe7f4";
const char* const kHumanText = "#0000c0";
// Every seat area is as wide as the others whatever its header says: room for a city row of six
// and a header with the turn marker, "(you)", "GOVERNOR", a role and two-digit counts.
constexpr int kSeatWidth = 450;

template <typename Label = QLabel>
Label* BoldLabel(const QString& text, QWidget* parent) {
    auto* label = new Label(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The turn marker: a coloured header tag with words, so that it never rests on colour alone.
QLabel* TurnMarker(QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8("\u25b6 TURN"), parent);
    label->setStyleSheet(
        "QLabel { background: #b8561b; color: white; font-weight: bold; "
        "border-radius: 3px; padding: 0px 4px; }");
    label->setVisible(false);
    return label;
}

}  // namespace

SeatArea::SeatArea(int index, QWidget* parent) : QFrame(parent) {
    const QString number = QString::number(index);
    setObjectName("shpPlayer" + number);
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QString("QFrame#%1 { background: %2; border: 1px solid #8a7f6a; "
                          "border-radius: 6px; }")
                      .arg(objectName(), kSeatFill));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    // Its own width, not its header's: a growing header never moves the columns.
    setMinimumWidth(kSeatWidth);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* header = new QHBoxLayout;
    header->setSpacing(4);
    mName = BoldLabel<ElidedLabel>("PLAYER " + QString::number(index + 1), this);
    mGovernor = BoldLabel("GOVERNOR", this);
    mGovernor->setStyleSheet("color: #8b1a1a;");
    mGovernor->setVisible(false);
    mRole = BoldLabel<ElidedLabel>("", this);
    mRole->setStyleSheet("color: #1d5e2b;");
    mPointsCaption = new QLabel("Points:", this);
    mPoints = BoldLabel("0", this);
    mCardsCaption = new QLabel("Cards:", this);
    mCards = BoldLabel("0", this);
    header->addWidget(mName);
    header->addWidget(mGovernor);
    header->addWidget(mRole, 1);
    header->addWidget(mPointsCaption);
    header->addWidget(mPoints);
    header->addSpacing(8);
    header->addWidget(mCardsCaption);
    header->addWidget(mCards);
    layout->addLayout(header);
    mCity = new qlCardHolder(this);
    mCity->SetNumberOfRows(2);
    mCity->SetGrowth(true);
    mCity->setAccessibleName("City of player " + QString::number(index + 1));
    mCity->setObjectName("hldPlayerBuilt" + number);
    mPoints->setObjectName("lblPoints" + number);
    mCards->setObjectName("lblCards" + number);
    layout->addWidget(mCity, 1);
    mTurn = TurnMarker(this);
    mTurn->setObjectName("lblTurn" + number);
    header->insertWidget(0, mTurn);
}

void SeatArea::ShowSeat(const qlPlayer& seat, bool inPlay, bool human) {
    for (QWidget* w : {static_cast<QWidget*>(mName), static_cast<QWidget*>(mCardsCaption),
                       static_cast<QWidget*>(mPointsCaption), static_cast<QWidget*>(mCards),
                       static_cast<QWidget*>(mPoints), static_cast<QWidget*>(mRole)}) {
        w->setVisible(inPlay);
    }
    mGovernor->setVisible(false);
    mCity->setEnabled(inPlay);
    if (human) {
        mName->setStyleSheet(QString("color: %1;").arg(kHumanText));
        mName->setText(mName->text() + "  (you)");
        setStyleSheet(QString("QFrame#%1 { background: %2; border: 2px solid #6d87a8; "
                              "border-radius: 6px; }")
                          .arg(objectName(), kHumanFill));
    }
    mCity->SetCards(seat.BuiltCards());
    mCity->ShowGoodsOf(&seat);
    ExplainPoints(*mPoints, inPlay ? &seat : nullptr);
}

void SeatArea::Release() {
    mCity->SetCards({});
    mCity->ShowGoodsOf(nullptr);
    ExplainPoints(*mPoints, nullptr);
}

void SeatArea::CardBuilt(const qlPlayer& seat, Card card) {
    mCity->AddCard(card);
    ShowPoints(seat.Points());
}

qlCardImage* SeatArea::CityImageOf(Card card) const {
    for (qlCardImage* image : mCity->Images()) {
        if (image->ShownCard() == card) {
            return image;
        }
    }
    return nullptr;
}

const QWidget& SeatArea::CardCount() const {
    return *mCards;
}

void SeatArea::CardCovered(Card card) {
    mCity->RemoveCard(card);
}

void SeatArea::GoodChanged(Card building) {
    mCity->RefreshGood(building);
}

Long SeatArea::ShowCardCount(Long cards) {
    mCards->setText(QString::number(cards));
    return cards - std::exchange(mCardCount, cards);
}

void SeatArea::ShowPoints(Integer points) {
    mPoints->setText(QString::number(points));
}

void SeatArea::ShowRole(const QString& role) {
    mRole->setText(role.isEmpty() || mRole->text().isEmpty() ? role : mRole->text() + ", " + role);
}

QWidget& SeatArea::Roles() const {
    return *mRole;
}

QRect SeatArea::NewestRole() const {
    const QString shown = mRole->text();
    const qsizetype newest = shown.lastIndexOf(", ") + 1;  // 0 when it is the only one
    const QString before = newest > 0 ? shown.left(newest + 1) : QString();
    const QFontMetrics metrics = mRole->fontMetrics();
    const QRect area(mRole->contentsRect().left() + metrics.horizontalAdvance(before), 0,
                     metrics.horizontalAdvance(shown.mid(before.size())), mRole->height());
    return area.intersected(mRole->rect());
}

void SeatArea::ShowGovernor(bool governor) {
    mGovernor->setVisible(governor);
}

void SeatArea::MarkTurn(bool turn) {
    mTurn->setVisible(turn);
}
