#include "ui/frmCardChooser.h"

#include <QCloseEvent>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "ui/CardPictures.h"
#include "ui/InputGuard.h"
#include "ui/Twips.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

frmCardChooser::frmCardChooser(QWidget* parent) : QDialog(parent) {
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* grid = new QGridLayout(this);
    mDetails = new QWidget(this);
    auto* details = new QVBoxLayout(mDetails);
    details->setContentsMargins(0, 0, 0, 0);
    pctHoverPict = new QLabel(mDetails);
    pctHoverPict->setFixedSize(CardPictures::kLarge);
    pctHoverPict->setAlignment(Qt::AlignCenter);
    pctHoverPict->installEventFilter(this);
    pctHoverPict->setMouseTracking(true);
    lblHoverDesc = new QLabel(mDetails);
    lblHoverDesc->setWordWrap(true);
    lblHoverDesc->setFixedWidth(CardPictures::kLarge.width());
    lblHoverDesc->setMinimumHeight(70);
    lblHoverDesc->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    details->addWidget(pctHoverPict);
    details->addWidget(lblHoverDesc);
    details->addStretch();
    grid->addWidget(mDetails, 0, 0, 4, 1);

    lblCaption = new QLabel(this);
    QFont captionFont = lblCaption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.2);
    lblCaption->setFont(captionFont);
    grid->addWidget(lblCaption, 0, 1, 1, 3);
    cardsChoice = new qlCardHolder(this);
    cardsChoice->setAccessibleName("Offered cards");
    grid->addWidget(cardsChoice, 1, 1, 1, 3);
    lblSelectionsLeft = new QLabel("Selections Left:", this);
    txtSelectionsLeft = new QLineEdit(this);
    txtSelectionsLeft->setReadOnly(true);
    txtSelectionsLeft->setFixedWidth(40);
    txtSelectionsLeft->setAlignment(Qt::AlignCenter);
    txtSelectionsLeft->setFocusPolicy(Qt::NoFocus);
    txtSelectionsLeft->setAccessibleName("Selections Left");
    lblSelectionsLeft->setBuddy(txtSelectionsLeft);
    cmdOK = new QPushButton("OK", this);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->setMinimumWidth(90);
    grid->addWidget(lblSelectionsLeft, 2, 1);
    grid->addWidget(txtSelectionsLeft, 2, 2, Qt::AlignLeft);
    grid->addWidget(cmdOK, 3, 3, Qt::AlignRight | Qt::AlignBottom);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);

    tmrCloseMe = new QTimer(this);
    connect(tmrCloseMe, &QTimer::timeout, this, [this] {
        if (cmdOK->isEnabled()) {
            cmdOK->click();
        }
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        mConfirmed = true;
        tmrCloseMe->stop();
        accept();
    });
    connect(cardsChoice, &qlCardHolder::CardClicked, this, &frmCardChooser::OnCardClicked);
    connect(cardsChoice, &qlCardHolder::CardHovered, this, &frmCardChooser::OnCardHovered);
    SetMinAmt(0);
    SetMaxAmt(0);
    ShowStartImage();
    mGuard = new InputGuard(*this);
}

void frmCardChooser::SetMinAmt(Integer amount) {
    mMin = amount;
    cmdOK->setEnabled(amount == 0);
}

void frmCardChooser::SetMaxAmt(Integer amount) {
    mMax = amount;
    txtSelectionsLeft->setText(QString::number(amount));
    lblSelectionsLeft->setVisible(amount >= 1);
    txtSelectionsLeft->setVisible(amount >= 1);
}

void frmCardChooser::SetTimeDelay(Integer halfSeconds) {
    tmrCloseMe->setInterval(halfSeconds * 500);
}

void frmCardChooser::SetStartImage(Integer roleIndex) {
    mStartImage = roleIndex;
    ShowStartImage();
}

void frmCardChooser::ShowStartImage() {
    pctHoverPict->setPixmap(CardPictures::Role(mStartImage));
    mHovered = -1;
}

void frmCardChooser::SetCardsActive(bool active) {
    cardsChoice->SetEnableCheck(active);
}

void frmCardChooser::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    lblCaption->setText(windowTitle());
    setAccessibleName(windowTitle());
}

void frmCardChooser::SetCards(const qlCards& cards) {
    cardsChoice->SetCards(cards);
    OfferChanged();
}

void frmCardChooser::ShowGoodsOf(const qlPlayer& seat) {
    cardsChoice->ShowGoodsOf(&seat);
}

void frmCardChooser::AddCards(const qlCards& cards) {
    cardsChoice->AddCards(cards);
    OfferChanged();
}

void frmCardChooser::AddCard(Card card) {
    cardsChoice->AddCard(card);
    OfferChanged();
}

void frmCardChooser::EnableBuildMode(const qlPlayer& player, Integer goodsUsed) {
    cardsChoice->EnableBuildMode(player, goodsUsed);
    SetMinAmt(0);
    SetMaxAmt(1);
    cmdOK->setEnabled(true);
    FitToCards();
}

void frmCardChooser::RemoveCrane() {
    cardsChoice->RemoveCrane();
}

void frmCardChooser::HighlightCard(const Card& card) {
    cardsChoice->HighlightCard(card);
}

qlCards frmCardChooser::SelectedCards() const {
    return cardsChoice->SelectedCards();
}

qlCards frmCardChooser::DiscardedCards() const {
    return cardsChoice->DiscardedCards();
}

void frmCardChooser::OnCardClicked(int count) {
    cmdOK->setEnabled(count >= mMin);
    cardsChoice->SetEnableCheck(count < mMax);
    txtSelectionsLeft->setText(QString::number(mMax - count));
}

void frmCardChooser::OnCardHovered(const Card& card, int index) {
    if (!card || index == mHovered) {
        return;
    }
    pctHoverPict->setPixmap(CardPictures::Large(*card));
    lblHoverDesc->setText(QString::fromStdString(card->Description()));
    mHovered = index;
}

bool frmCardChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pctHoverPict && event->type() == QEvent::MouseMove && mHovered != -1) {
        ShowStartImage();
        lblHoverDesc->clear();
    }
    return QDialog::eventFilter(watched, event);
}

// However the offer was filled, its cards can be checked from the first click on.
void frmCardChooser::OfferChanged() {
    cardsChoice->SetEnableCheck(true);
    FitToCards();
}

// Wide enough for the offer in one row, up to ten cards (more then overlap), and tall enough for
// the longest description of the offer under the large picture, up to sixteen lines (the tooltip
// holds any text longer still).
void frmCardChooser::FitToCards() {
    const qlCards& offer = cardsChoice->Cards();
    const int cards = std::clamp(static_cast<int>(offer.Count()), 4, 10);
    cardsChoice->setMinimumWidth(Px(180) + cards * (Px(990) + 1));
    int tallest = 70;
    for (Long i = 1; i <= offer.Count(); ++i) {
        const QRect text = lblHoverDesc->fontMetrics().boundingRect(
            QRect(0, 0, lblHoverDesc->width(), 100000), Qt::TextWordWrap,
            QString::fromStdString(offer.Item(i)->Description()));
        tallest = std::max(tallest, text.height() + 4);
    }
    lblHoverDesc->setMinimumHeight(
        std::min(tallest, 16 * lblHoverDesc->fontMetrics().lineSpacing()));
    adjustSize();
}

void frmCardChooser::ConfirmWithFirstCards() {
    for (qlCardImage* image : cardsChoice->Images()) {
        if (cmdOK->isEnabled() || !image->ShownCard()) {
            break;
        }
        image->SetChecked(true);
        OnCardClicked(cardsChoice->CheckedCount());
    }
    mConfirmed = true;
    tmrCloseMe->stop();
    accept();
}

void frmCardChooser::AddAid(QWidget* aid) {
    static_cast<QGridLayout*>(layout())->addWidget(aid, 3, 1, 1, 2,
                                                   Qt::AlignLeft | Qt::AlignBottom);
}

void frmCardChooser::HideDetails() {
    mDetails->hide();
    adjustSize();
}

void frmCardChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    mGuard->Start();
    const bool empty = cardsChoice->Cards().Count() < 1;
    if ((empty && mAutoClose == 1) || (!empty && mAutoClose == 2)) {
        tmrCloseMe->start();
    }
    if (!empty) {
        cardsChoice->Images().front()->setFocus();
    } else {
        cmdOK->setFocus();
    }
}

void frmCardChooser::closeEvent(QCloseEvent* event) {
    if (!mConfirmed) {
        event->ignore();  // the title bar's close button does not answer the question
        return;
    }
    QDialog::closeEvent(event);
}

namespace {

// Under Wayland the compositor places every top-level window, and a program cannot.
bool ProgramPlacesWindows() {
    return !QGuiApplication::platformName().startsWith("wayland");
}

// The chooser as a panel of the table's own window, at `place` in it and wholly inside it.
void SitIn(frmCardChooser& chooser, QWidget& mainWindow, QPoint place) {
    chooser.setParent(&mainWindow, Qt::Widget);
    chooser.setAutoFillBackground(true);
    auto* shadow = new QGraphicsDropShadowEffect(&chooser);
    shadow->setBlurRadius(18);
    shadow->setOffset(0, 3);
    shadow->setColor(QColor(0, 0, 0, 110));
    chooser.setGraphicsEffect(shadow);
    const QSize room = mainWindow.size() - chooser.size();
    chooser.move(std::clamp(place.x(), 0, std::max(0, room.width())),
                 std::clamp(place.y(), 0, std::max(0, room.height())));
    chooser.raise();
}

}  // namespace

void PlaceChooser(frmCardChooser& chooser, QWidget& mainWindow, int seatIndex, bool cardDetails,
                  bool logicalPositions, int numberOfPlayers) {
    if (!cardDetails) {
        chooser.HideDetails();
    }
    chooser.adjustSize();
    const QRect main = mainWindow.frameGeometry();
    const QSize size = chooser.frameGeometry().size();
    int left = main.left() + (main.width() - size.width()) / 2;
    int top = main.top() + (main.height() - size.height()) / 2 + Px(690);
    if (cardDetails) {
        top += Px(240);
        if (logicalPositions) {
            left += Px(1200);
            top = top + Px(450) - Px(420) * seatIndex;
        }
    } else if (logicalPositions && numberOfPlayers == 3) {
        left -= Px(1800);
    }
    if (!ProgramPlacesWindows()) {
        // Where it would stand over the table, in the table's window itself.
        SitIn(chooser, mainWindow, QPoint(left, top) - mainWindow.geometry().topLeft());
        return;
    }
    const QScreen* screen = mainWindow.screen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        left = std::clamp(left, area.left(), std::max(area.left(), area.right() - size.width()));
        top = std::clamp(top, area.top(), std::max(area.top(), area.bottom() - size.height()));
    }
    chooser.move(left, top);
}
