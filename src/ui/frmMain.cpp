#include "ui/frmMain.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "cards/qlCards.h"
#include "core/DataFolder.h"
#include "game/ComputerSeats.h"
#include "game/qlGame.h"
#include "players/qlPlayer.h"
#include "ui/CardPictures.h"
#include "ui/HistoryPanel.h"
#include "ui/JournalFile.h"
#include "ui/MoveAnimation.h"
#include "ui/RoleButtons.h"
#include "ui/SeatArea.h"
#include "ui/TableAids.h"
#include "ui/TablePace.h"
#include "ui/TablePrompts.h"
#include "ui/TableSettings.h"
#include "ui/frmCardChooser.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

namespace {

// The price boxes in the goods' colours, by good index, with a text colour that reads on each.
constexpr std::array<const char*, 5> kGoodColours{"#2f3f9f", "#ffffff", "#9a6332", "#4a2c18",
                                                  "#a9a9a9"};
constexpr std::array<const char*, 5> kGoodTextColours{"#ffffff", "#000000", "#ffffff", "#ffffff",
                                                      "#000000"};
constexpr std::array<const char*, 5> kGoodNames{"Indigo", "Sugar", "Tobacco", "Coffee", "Silver"};

// Seat n's place in the grid: 1 top left, 2 top right, 3 bottom right, 4 bottom left.
constexpr std::array<std::pair<int, int>, 4> kSeatCells{{{0, 0}, {0, 2}, {1, 2}, {1, 0}}};
constexpr int kCentreWidth = 340;  // at least

QLineEdit* CountBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance("99999") + 16);  // five digits whole
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

frmMain::frmMain(Options options, QWidget* parent)
    : QWidget(parent),
      mOptions(std::move(options)),
      mLogs(mOptions.logFolder ? GameLogs(*mOptions.logFolder) : GameLogs()) {
    setWindowTitle("Quellin");
    setFocusPolicy(Qt::ClickFocus);  // a click on the table takes the keyboard off a setting
    mAids = new qlTableAids(*this);
    mAids->AddKeysTo(*this);
    // Below the size at which every label and a city of six cards a row stay whole, the table
    // scrolls rather than squeezing them.
    mTable = new QWidget(this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrTable");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // the keyboard stays the table's own
    scroll->setWidgetResizable(true);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroll);
    auto* grid = new QGridLayout(mTable);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(6);
    for (int i = 0; i < 4; ++i) {
        mSeatAreas[static_cast<std::size_t>(i)] = new SeatArea(i, mTable);
        grid->addWidget(mSeatAreas[static_cast<std::size_t>(i)],
                        kSeatCells[static_cast<std::size_t>(i)].first,
                        kSeatCells[static_cast<std::size_t>(i)].second);
    }
    grid->addWidget(BuildCentre(), 0, 1, 2, 1);
    grid->addWidget(BuildBottomRow(), 2, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);  // a tall screen gives the history more lines too
    scroll->setWidget(mTable);
    connect(mPace, &TablePace::Over, this, [this] { Play([this] { mGame->Continue(); }); });
    mMoves = new MoveAnimation(*mTable);
    connect(mMoves, &MoveAnimation::Done, this, [this] { Play([this] { mGame->Continue(); }); });
    connect(mMoves, &MoveAnimation::Moving, mPace, &TablePace::SetMoving);
    connect(mPace, &TablePace::MovesHurried, mMoves, &MoveAnimation::Finish);
    connect(mSettings, &TableSettings::Changed, this,
            [this] { WriteJournal(JournalSettingsText(mSettings->Current())); });
    mPrompts = new TablePrompts(this);
    connect(mPrompts, &TablePrompts::Answered, this, &frmMain::QuestionAnswered);
    connect(mPrompts, &TablePrompts::MessageClosed, this, &frmMain::MessageClosed);
}

frmMain::~frmMain() = default;

QSize frmMain::sizeHint() const {
    return mTable->minimumSizeHint();
}

QWidget* frmMain::BuildCentre() {
    auto* centre = new QWidget(mTable);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);

    mRoles = new RoleButtons(centre);
    // The press is taken once the button has finished with it.
    connect(
        mRoles, &RoleButtons::RolePressed, this,
        [this](int role) {
            if (mGame) {
                Play([this, role] { mGame->cmdRoles_Click(role); });
            }
        },
        Qt::QueuedConnection);
    layout->addWidget(mRoles);

    auto* trade = new QGroupBox("Trade", centre);
    auto* prices = new QHBoxLayout(trade);
    for (int i = 0; i < 5; ++i) {
        QLineEdit*& box = txtGoodValues[static_cast<std::size_t>(i)];
        box = CountBox(trade);
        box->setFixedWidth(36);
        box->setStyleSheet(QString("background: %1; color: %2; font-weight: bold;")
                               .arg(kGoodColours[static_cast<std::size_t>(i)],
                                    kGoodTextColours[static_cast<std::size_t>(i)]));
        box->setToolTip(
            QString("%1: cards for one good").arg(kGoodNames[static_cast<std::size_t>(i)]));
        box->setAccessibleName(QString("Price of %1").arg(kGoodNames[static_cast<std::size_t>(i)]));
        box->setVisible(false);
        prices->addWidget(box);
    }
    trade->setMinimumHeight(60);
    layout->addWidget(trade);

    auto* piles = new QHBoxLayout;
    txtReserveCount = CountBox(centre);
    txtDiscardCount = CountBox(centre);
    txtReserveCount->setAccessibleName("Reserve");
    txtReserveCount->setObjectName("txtReserveCount");
    txtDiscardCount->setObjectName("txtDiscardCount");
    txtDiscardCount->setAccessibleName("Discard");
    piles->addWidget(new QLabel("Reserve", centre));
    piles->addWidget(txtReserveCount);
    piles->addStretch();
    piles->addWidget(new QLabel("Discard", centre));
    piles->addWidget(txtDiscardCount);
    layout->addLayout(piles);

    mSettings = new TableSettings(mTable);
    layout->addWidget(mSettings);
    layout->addStretch();
    cmdExit = new QPushButton("E&xit", centre);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::LeaveGame);
    layout->addWidget(mAids->NewButtons(centre, cmdExit));
    layout->addLayout(BuildRecordButtons(centre));
    // As wide as the setting groups side by side need, in whatever font the screen has.
    centre->setFixedWidth(std::max(kCentreWidth, layout->minimumSize().width()));
    return centre;
}

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!mStarted) {
        mStarted = true;
        if (const auto notice = CardPictures::MissingNotice(DataFolder() / "Images")) {
            lblMessage->setText(*notice);  // until the game's first word; the history keeps it
            mHistory->AddLine(*notice);
        }
        TakeKeyboard();
        QTimer::singleShot(500, this, [this] {
            if (!mExitRequested) {
                PlayGame();
            }
        });
    }
}

void frmMain::SeatsReady(const std::array<const qlPlayer*, 4>& seats) {
    for (std::size_t i = 0; i < 4; ++i) {
        const qlPlayer& seat = *seats[i];
        mSeatAreas[i]->ShowSeat(seat, static_cast<int>(i) < mOptions.numberOfPlayers,
                                seat.PlayerNumber() == mOptions.humanSeat);
        HandChanged(seat);
    }
}

SeatArea& frmMain::AreaOf(const qlPlayer& seat) {
    return *mSeatAreas[static_cast<std::size_t>(seat.PlayerNumber() - 1)];
}

void frmMain::CardCovered(const qlPlayer& seat, Card card) {
    AreaOf(seat).CardCovered(card);
}

void frmMain::PilesChanged(Long reserve, Long discard) {
    txtReserveCount->setText(QString::number(reserve));
    txtDiscardCount->setText(QString::number(discard));
}

void frmMain::SeatsReleased() {
    if (mPrompts->MessageOpen()) {
        mReleaseAfterMessage = true;  // the cities stay in view behind the final scores
        return;
    }
    for (SeatArea* area : mSeatAreas) {
        area->Release();
    }
    hldHumansCards->SetCards({});
}

void frmMain::ShowStatus(const std::string& text) {
    lblMessage->setText(QString::fromStdString(text));
}

void frmMain::ShowGovernor(int seatIndex) {
    for (std::size_t i = 0; i < 4; ++i) {
        mSeatAreas[i]->ShowGovernor(static_cast<int>(i) == seatIndex);
    }
}

void frmMain::ShowPoints(int seatIndex, Integer points) {
    mSeatAreas[static_cast<std::size_t>(seatIndex)]->ShowPoints(points);
}

void frmMain::EnableRole(int roleIndex, bool enabled) {
    mRoles->SetFree(roleIndex, enabled);
}

void frmMain::TakeKeyboard() {
    const QWidget* active = QApplication::activeWindow();
    if (active && active != this && active->isVisible()) {
        return;  // the player is reading another window, such as the help
    }
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void frmMain::ShowTradePrices(const qlTradeTiles::Tile& prices) {
    for (std::size_t i = 0; i < 5; ++i) {
        txtGoodValues[i]->setText(QString::number(prices[i]));
        txtGoodValues[i]->setVisible(true);
    }
}

void frmMain::HideTradePrices() {
    for (QLineEdit* box : txtGoodValues) {
        box->setVisible(false);
    }
}

bool frmMain::EmptySelectors() const {
    return mSettings->EmptySelectors();
}

bool frmMain::GoldMineViews() const {
    return mSettings->GoldMineViews();
}

Integer frmMain::Delay() const {
    return mSettings->Delay();
}
