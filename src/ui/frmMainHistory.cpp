// The table's history beside the hand, the pace of the computer seats, and the marker of the
// seat whose turn it is.

#include <QBoxLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

#include "game/TableEventText.h"
#include "ui/HistoryPanel.h"
#include "ui/TablePace.h"
#include "ui/frmMain.h"

namespace {

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

// The hand and the history side by side, under the seat areas; and the pace, and a turn marker
// in every seat area's header.
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
    for (std::size_t i = 0; i < 4; ++i) {
        lblTurn[i] = TurnMarker(mSeatAreas[i].shpPlayer);
        lblTurn[i]->setObjectName("lblTurn" + QString::number(i));
        if (auto* header =
                qobject_cast<QBoxLayout*>(mSeatAreas[i].shpPlayer->layout()->itemAt(0)->layout())) {
            header->insertWidget(0, lblTurn[i]);
        }
    }
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
    for (int i = 0; i < 4; ++i) {
        lblTurn[static_cast<std::size_t>(i)]->setVisible(i == seatIndex);
    }
}

void frmMain::EndSkipOnHumansTurn() {
    if (mTurnSeat == mOptions.humanSeat - 1) {
        mPace->EndSkip();
    }
}
