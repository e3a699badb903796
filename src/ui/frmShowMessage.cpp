#include "ui/frmShowMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "ui/CardPictures.h"
#include "ui/InputGuard.h"
#include "ui/OnScreen.h"

frmShowMessage::frmShowMessage(QWidget* parent) : QDialog(parent) {
    auto* grid = new QGridLayout(this);
    pctRoleImage = new QLabel(this);
    pctRoleImage->setFixedSize(CardPictures::kLarge);
    pctRoleImage->setAlignment(Qt::AlignCenter);
    lblMyMessage = new QLabel(this);
    lblMyMessage->setWordWrap(true);
    lblMyMessage->setMinimumWidth(280);
    lblMyMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = lblMyMessage->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    lblMyMessage->setFont(font);
    cmdOK = new QPushButton("OK", this);
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(90);
    grid->addWidget(pctRoleImage, 0, 0, 2, 1);
    grid->addWidget(lblMyMessage, 0, 1);
    grid->addWidget(cmdOK, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    tmrCloseMe = new QTimer(this);
    connect(tmrCloseMe, &QTimer::timeout, this, [this] {
        if (cmdOK->isEnabled()) {
            cmdOK->click();
        }
    });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    SetInformational(false);
    mGuard = new InputGuard(*this);
}

void frmShowMessage::SetTimeDelay(int halfSeconds) {
    tmrCloseMe->setInterval(halfSeconds * 500);
}

void frmShowMessage::SetRoleIndex(int index) {
    pctRoleImage->setPixmap(CardPictures::Role(index));
}

void frmShowMessage::SetMyMessage(const QString& text) {
    lblMyMessage->setText(QString(text).replace("\r\n", "\n"));
}

void frmShowMessage::SetInformational(bool informational) {
    setWindowTitle(informational ? "Player Information Message" : "Game Over - Final Scores");
    pctRoleImage->setFixedSize(informational ? CardPictures::kLarge / 2 : CardPictures::kLarge);
    pctRoleImage->setScaledContents(informational);
}

QHBoxLayout& frmShowMessage::ButtonRow() {
    if (!mButtons) {
        auto* grid = static_cast<QGridLayout*>(layout());
        grid->removeWidget(cmdOK);
        mButtons = new QHBoxLayout;
        mButtons->addStretch();
        mButtons->addWidget(cmdOK);
        grid->addLayout(mButtons, 1, 1, 1, 2, Qt::AlignBottom);
    }
    return *mButtons;
}

// A button of the row, before OK; Enter still means OK once it has been clicked.
QPushButton* frmShowMessage::RowButton(const QString& caption) {
    QHBoxLayout& row = ButtonRow();
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    // At least as wide as OK, and never narrower than its caption.
    button->setMinimumWidth(std::max(90, button->sizeHint().width()));
    row.insertWidget(row.indexOf(cmdOK), button);
    return button;
}

void frmShowMessage::SetDetails(QWidget* details) {
    auto* grid = static_cast<QGridLayout*>(layout());
    cmdDetails = RowButton("&Details");
    cmdDetails->setCheckable(true);
    details->setParent(this);
    details->setVisible(false);
    grid->addWidget(details, 0, 2);
    connect(cmdDetails, &QPushButton::toggled, this, [this, details](bool shown) {
        const int middle = frameGeometry().center().y();
        details->setVisible(shown);
        adjustSize();
        CentreOnScreen(middle);
    });
}

// Across the middle of the table at the height `middle`, moved as little as it takes to stay
// wholly on its screen: the details widen the window far past where its first place let it grow.
void frmShowMessage::CentreOnScreen(int middle) {
    const QRect screen = this->screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter({parentWidget() ? parentWidget()->window()->frameGeometry().center().x()
                                     : screen.center().x(),
                      middle});
    move(OnScreen(frame, screen).topLeft());
}

void frmShowMessage::AddEndChoices() {
    cmdPlayAgain = RowButton("&Play Again");
    cmdPlayAgain->setToolTip("A new game with the same settings and a new seed");
    connect(cmdPlayAgain, &QPushButton::clicked, this, [this] { done(kPlayAgain); });
    cmdLookAtTable = RowButton("&Look at the Table");
    cmdLookAtTable->setToolTip("Hide the scores to study the cities and the history");
    connect(cmdLookAtTable, &QPushButton::clicked, this, [this] {
        hide();
        emit LookingAtTable();
    });
    if (isVisible()) {
        const int middle = frameGeometry().center().y();
        adjustSize();
        CentreOnScreen(middle);
    }
}

void frmShowMessage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    mGuard->Start();
    if (mAutoClose) {
        tmrCloseMe->start();
    }
}

frmShowMessage* OpenMessageWindow(QWidget* parent, int informational, int roleIndex,
                                  const QString& text, bool statusMessages, int delayHalfSeconds,
                                  const std::function<QWidget*(QWidget* parent)>& details) {
    auto* message = new frmShowMessage(parent);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->SetInformational(informational != 0);
    message->SetRoleIndex(roleIndex);
    message->SetMyMessage(text);
    if (details) {
        message->SetDetails(details(message));
    }
    if (statusMessages) {
        message->SetAutoClose(informational);
        message->SetTimeDelay(delayHalfSeconds);
    }
    message->show();
    return message;
}
