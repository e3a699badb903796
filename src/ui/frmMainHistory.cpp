// The human's hand with the status line, the table's history beside it, the pace of the computer
// seats, and the marker of the seat whose turn it is.

#include <QBoxLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

#include "game/TableEventText.h"
#include "ui/ElidedLabel.h"
#include "ui/HistoryPanel.h"
#include "ui/SeatArea.h"
#include "ui/TablePace.h"
#include "ui/frmMain.h"
#include "ui/qlCardHolder.h"

namespace {

const char* const kHumanFill = "#dbe7f4";  // the fill of the human's hand frame

}  // namespace

QWidget* frmMain::BuildHand() {
    shpHumans = new QFrame(mTable);
    shpHumans->setObjectName("shpHumans");
    shpHumans->setStyleSheet(QString("QFrame#shpHumans { background: %1; border: 1px solid "
                                     "#6d87a8; border-radius: 6px; }")
                                 .arg(kHumanFill));
    auto* layout = new QVBoxLayout(shpHumans);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    lblMessage = new ElidedLabel("Messages", shpHumans);
    lblMessage->setAccessibleName("Status");
    lblMessage->setObjectName("lblMessage");
    lblMessage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* statusLine = new QHBoxLayout;  // the history's fold button joins it at its end
    statusLine->addWidget(lblMessage, 1);
    layout->addLayout(statusLine);
    hldHumansCards = new qlCardHolder(shpHumans);
    hldHumansCards->SetGrowth(true);
    hldHumansCards->setAccessibleName("Your hand");
    hldHumansCards->setObjectName("hldHumansCards");
    layout->addWidget(hldHumansCards);
    return shpHumans;
}

// The hand and the history side by side, under the seat areas; and the pace.
QWidget* frmMain::BuildBottomRow() {
    auto* row = new QWidget(mTable);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(BuildHand(), 3);
    // The fold button on the hand's status line: folded, the history leaves the row to the hand.
    mHistory =
        new HistoryPanel(*qobject_cast<QBoxLayout*>(shpHumans->layout()->itemAt(0)->layout()), row);
    mHistory->setMinimumWidth(300);
    layout->addWidget(mHistory, 2);
    mPace = new TablePace(*this);
    return row;
}

void frmMain::ShowEvent(const TableEvent& event) {
    if (event.kind == TableEvent::Kind::TurnStarted) {
        MarkTurn(event.seat - 1);
    } else if (event.kind == TableEvent::Kind::GameEnded) {
        MarkTurn(-1);
    }
    if (const std::string line = DescribeEvent(event, mOptions.humanSeat); !line.empty()) {
        mHistory->AddLine(QString::fromStdString(line));
    }
}

void frmMain::MarkTurn(int seatIndex) {
    mTurnSeat = seatIndex;
    for (std::size_t i = 0; i < 4; ++i) {
        mSeatAreas[i]->MarkTurn(static_cast<int>(i) == seatIndex);
    }
}

void frmMain::EndSkipOnHumansTurn() {
    if (mTurnSeat == mOptions.humanSeat - 1) {
        mPace->EndSkip();
    }
}
