#include "ui/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "cards/qlCards.h"
#include "core/DataFolder.h"
#include "game/StrongDecider.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"
#include "players/qlPlayer.h"
#include "ui/CardPictures.h"
#include "ui/HistoryPanel.h"
#include "ui/RoleButtons.h"
#include "ui/ScoreViews.h"
#include "ui/SeatArea.h"
#include "ui/TableAids.h"
#include "ui/TablePace.h"
#include "ui/TableSettings.h"
#include "ui/frmCardChooser.h"
#include "ui/frmShowMessage.h"
#include "ui/qlCardHolder.h"

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

void frmMain::PlayGame() {
    mGame = std::make_unique<qlGame>(*this, mOptions.numberOfPlayers, mOptions.humanSeat,
                                     mOptions.seedSource);
    mGame->SetLogFiles(mLogs.LogFile.get(), mLogs.GameLogFile.get());
    mAids->SetGame(mGame.get(), mOptions.humanSeat);
    if (mOptions.strongComputers) {
        Random::SeedSource source = mOptions.seedSource;  // a copy: the game's stays unmoved
        const std::uint64_t seed = source();
        for (Integer seat = 1; seat <= 4; ++seat) {
            if (seat != mOptions.humanSeat) {
                mStrongPlayers.push_back(
                    std::make_unique<StrongPlayer>(seat, StrongPlayer::SeedFor(seed, seat)));
                mGame->SetDecider(seat,
                                  std::make_unique<StrongDecider>(*mStrongPlayers.back(), *this));
            }
        }
    }
    mGameRunning = true;
    Play([this] { mGame->Start(); });
}

void frmMain::Play(const std::function<void()>& step) {
    if (!mGameRunning) {
        return;
    }
    try {
        step();
    } catch (const std::exception& error) {
        // A bad catalogue or a fault in the game: the player is told, the logs written so far
        // are kept, and the program ends with a failure status.
        mExitCode = 1;
        mExitRequested = true;
        mGameRunning = false;
        auto* box = new QMessageBox(QMessageBox::Critical, "Quellin",
                                    QString::fromStdString(error.what()), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        connect(box, &QMessageBox::finished, this, &frmMain::FinishTable);
        box->show();
        return;
    }
    if (mGame->Result() && !Holding()) {
        mGameRunning = false;
        FinishTable();
    }
}

void frmMain::FinishTable() {
    if (std::exchange(mFinished, true)) {
        return;
    }
    mAids->SetGame(nullptr, 0);
    mLogs.LogFile.reset();
    mLogs.GameLogFile.reset();
    mGame.reset();
    if (!mClosing) {
        close();
    }
    emit GameFinished();
}

void frmMain::LeaveGame() {
    mExitRequested = true;
    if (!mGameRunning) {
        return;
    }
    // What is on screen goes without an answer; the game asks again, and is answered at once.
    mPace->Stop();
    mQuestion.reset();
    mAnswered = {};
    if (mMessage) {
        mMessage->disconnect(this);
        mMessage->close();
        mMessage = nullptr;
    }
    Play([this] { mGame->Leave(); });
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing acts as Exit: the game stops where Exit would stop it, and the window closes.
    mClosing = true;
    LeaveGame();
    FinishTable();  // the game has stopped, or never started
    event->accept();
}

std::unique_ptr<CardChooser> frmMain::NewChooser() {
    auto chooser = std::make_unique<frmCardChooser>(this);
    mAids->AddKeysTo(*chooser);
    return chooser;
}

void frmMain::ShowChooser(std::unique_ptr<CardChooser> chooser, int seatIndex, Answered answered) {
    std::unique_ptr<frmCardChooser> window(static_cast<frmCardChooser*>(chooser.release()));
    if (mExitRequested) {
        window->ConfirmWithFirstCards();  // the player has left: the game only has to stop
        answered(*window);
        return;
    }
    EndSkipOnHumansTurn();
    mAids->EquipQuestion(*window);
    PlaceChooser(*window, *this, seatIndex, mSettings->CardDetails(), mSettings->LogicalPositions(),
                 mOptions.numberOfPlayers);
    connect(window.get(), &QDialog::accepted, this, &frmMain::QuestionAnswered,
            Qt::QueuedConnection);
    mQuestion = std::move(window);
    mAnswered = std::move(answered);
    mQuestion->show();
}

void frmMain::QuestionAnswered() {
    if (!mQuestion) {
        return;  // dropped as the player left
    }
    const std::unique_ptr<frmCardChooser> question = std::move(mQuestion);
    const Answered answered = std::exchange(mAnswered, {});
    TakeKeyboard();
    Play([&] {
        answered(*question);
        mGame->Continue();
    });
}

void frmMain::ChooseRole() {
    mPace->EndSkip();
    mRoles->SetChoosing(true);
    TakeKeyboard();
}

void frmMain::ShowMessage(int informational, int roleIndex, const std::string& text) {
    if (mExitRequested) {
        return;  // the player has left; nobody reads it
    }
    std::function<QWidget*(QWidget*)> details;  // the final scores explained
    if (informational == 0 && mGame) {
        details = [this](QWidget* parent) { return NewScoreDetails(*mGame, parent); };
    }
    mMessage = OpenMessageWindow(this, informational, roleIndex, QString::fromStdString(text),
                                 mSettings->StatusMessages(), Delay(), details);
    connect(mMessage, &QDialog::finished, this, &frmMain::MessageClosed, Qt::QueuedConnection);
}

void frmMain::MessageClosed() {
    mMessage = nullptr;
    if (std::exchange(mReleaseAfterMessage, false)) {
        SeatsReleased();
    }
    TakeKeyboard();
    Play([this] { mGame->Continue(); });
}

bool frmMain::Holding() const {
    return mQuestion || mMessage || mPace->Pausing();
}

void frmMain::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        this, [this, task = std::move(task)] { Play(task); }, Qt::QueuedConnection);
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

void frmMain::CardBuilt(const qlPlayer& seat, Card card) {
    AreaOf(seat).CardBuilt(seat, card);
}

void frmMain::CardCovered(const qlPlayer& seat, Card card) {
    AreaOf(seat).CardCovered(card);
}

void frmMain::GoodChanged(const qlPlayer& seat, Card building) {
    AreaOf(seat).GoodChanged(building);
}

void frmMain::HandChanged(const qlPlayer& seat) {
    if (seat.PlayerNumber() == mOptions.humanSeat) {
        hldHumansCards->SetCards(seat.CardsInHand());
    }
    AreaOf(seat).ShowCardCount(seat.CardsInHand().Count());
}

void frmMain::PilesChanged(Long reserve, Long discard) {
    txtReserveCount->setText(QString::number(reserve));
    txtDiscardCount->setText(QString::number(discard));
}

void frmMain::SeatsReleased() {
    if (mMessage) {
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

void frmMain::ShowRole(int seatIndex, const std::string& role) {
    mSeatAreas[static_cast<std::size_t>(seatIndex)]->ShowRole(QString::fromStdString(role));
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

void frmMain::Pause(Long milliseconds) {
    if (!mExitRequested) {
        mPace->Pause(mOptions.pauseLength.value_or(milliseconds));
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
