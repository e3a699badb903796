#include "ui/frmMain.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
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
#include "ui/ElidedLabel.h"
#include "ui/HistoryPanel.h"
#include "ui/ScoreViews.h"
#include "ui/TableAids.h"
#include "ui/TablePace.h"
#include "ui/WindowSystemWatch.h"
#include "ui/frmCardChooser.h"
#include "ui/frmPauser.h"
#include "ui/frmShowMessage.h"
#include "ui/qlCardHolder.h"

namespace {

constexpr std::array<const char*, 5> kRoleCaptions{"&Councillor", "&Builder", "&Producer",
                                                   "&Trader", "Pro&spector"};
constexpr std::array<const char*, 5> kDelayTags{"2", "3", "4", "6", "8"};
// The price boxes in the goods' colours, by good index, with a text colour that reads on each.
constexpr std::array<const char*, 5> kGoodColours{"#2f3f9f", "#ffffff", "#9a6332", "#4a2c18",
                                                  "#a9a9a9"};
constexpr std::array<const char*, 5> kGoodTextColours{"#ffffff", "#000000", "#ffffff", "#ffffff",
                                                      "#000000"};
constexpr std::array<const char*, 5> kGoodNames{"Indigo", "Sugar", "Tobacco", "Coffee", "Silver"};
const char* const kSeatFill = "#efe8d8";
const char* const kHumanFill = "#dbe7f4";  // the fill of the human's hand frame
const char* const kHumanText = "#0000c0";

// Seat n's place in the grid: 1 top left, 2 top right, 3 bottom right, 4 bottom left.
constexpr std::array<std::pair<int, int>, 4> kSeatCells{{{0, 0}, {0, 2}, {1, 2}, {1, 0}}};
// Every seat area is as wide as the others whatever its header says: room for a city row of six
// and a header with the turn marker, "(you)", "GOVERNOR", a role and two-digit counts.
constexpr int kSeatWidth = 450;
constexpr int kCentreWidth = 340;  // at least

template <typename Label = QLabel>
Label* BoldLabel(const QString& text, QWidget* parent) {
    auto* label = new Label(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

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
    frmPauser::Reset();              // a new table waits through its pauses again
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
        grid->addWidget(BuildSeatArea(i), kSeatCells[static_cast<std::size_t>(i)].first,
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
    optDelay[2]->setChecked(true);
    mWatch = WindowSystemWatch::Install();
}

frmMain::~frmMain() = default;

QSize frmMain::sizeHint() const {
    return mTable->minimumSizeHint();
}

QWidget* frmMain::BuildSeatArea(int index) {
    SeatArea& area = mSeatAreas[static_cast<std::size_t>(index)];
    area.shpPlayer = new QFrame(mTable);
    area.shpPlayer->setObjectName("shpPlayer" + QString::number(index));
    area.shpPlayer->setFrameShape(QFrame::StyledPanel);
    area.shpPlayer->setStyleSheet(QString("QFrame#%1 { background: %2; border: 1px solid #8a7f6a; "
                                          "border-radius: 6px; }")
                                      .arg(area.shpPlayer->objectName(), kSeatFill));
    auto* layout = new QVBoxLayout(area.shpPlayer);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    // Its own width, not its header's: a growing header never moves the columns.
    area.shpPlayer->setMinimumWidth(kSeatWidth);
    area.shpPlayer->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* header = new QHBoxLayout;
    header->setSpacing(4);
    area.lblPlayer = BoldLabel<ElidedLabel>("PLAYER " + QString::number(index + 1), area.shpPlayer);
    area.lblGovernor = BoldLabel("GOVERNOR", area.shpPlayer);
    area.lblGovernor->setStyleSheet("color: #8b1a1a;");
    area.lblGovernor->setVisible(false);
    area.lblRole = BoldLabel<ElidedLabel>("", area.shpPlayer);
    area.lblRole->setStyleSheet("color: #1d5e2b;");
    area.lblTextPoints = new QLabel("Points:", area.shpPlayer);
    area.lblPoints = BoldLabel("0", area.shpPlayer);
    area.lblTextCards = new QLabel("Cards:", area.shpPlayer);
    area.lblCards = BoldLabel("0", area.shpPlayer);
    header->addWidget(area.lblPlayer);
    header->addWidget(area.lblGovernor);
    header->addWidget(area.lblRole, 1);
    header->addWidget(area.lblTextPoints);
    header->addWidget(area.lblPoints);
    header->addSpacing(8);
    header->addWidget(area.lblTextCards);
    header->addWidget(area.lblCards);
    layout->addLayout(header);
    area.hldPlayerBuilt = new qlCardHolder(area.shpPlayer);
    area.hldPlayerBuilt->SetNumberOfRows(2);
    area.hldPlayerBuilt->SetGrowth(true);
    area.hldPlayerBuilt->setAccessibleName("City of player " + QString::number(index + 1));
    area.hldPlayerBuilt->setObjectName("hldPlayerBuilt" + QString::number(index));
    area.lblPoints->setObjectName("lblPoints" + QString::number(index));
    area.lblCards->setObjectName("lblCards" + QString::number(index));
    layout->addWidget(area.hldPlayerBuilt, 1);
    return area.shpPlayer;
}

QWidget* frmMain::BuildCentre() {
    auto* centre = new QWidget(mTable);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* pctRoles = new QGroupBox("Roles", centre);
    auto* roles = new QVBoxLayout(pctRoles);
    for (int i = 0; i < 5; ++i) {
        QPushButton*& button = cmdRoles[static_cast<std::size_t>(i)];
        button = new QPushButton(kRoleCaptions[static_cast<std::size_t>(i)], pctRoles);
        button->setMinimumHeight(26);
        button->setObjectName("cmdRoles" + QString::number(i));
        roles->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (mGame) {
                mGame->cmdRoles_Click(i);
            }
            mChoosingRole = false;  // only a role still free can be pressed: it is taken
            ShowRoleButtons();
        });
    }
    layout->addWidget(pctRoles);

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

    layout->addWidget(BuildSettings());
    layout->addStretch();
    cmdExit = new QPushButton("E&xit", centre);
    connect(cmdExit, &QPushButton::clicked, this, [this] { mExitRequested = true; });
    layout->addWidget(mAids->NewButtons(centre, cmdExit));
    // As wide as the setting groups side by side need, in whatever font the screen has.
    centre->setFixedWidth(std::max(kCentreWidth, layout->minimumSize().width()));
    return centre;
}

// The two groups side by side, "Gold Mine Views" under the shorter one.
QWidget* frmMain::BuildSettings() {
    auto* settings = new QWidget(mTable);
    auto* layout = new QHBoxLayout(settings);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    layout->addLayout(left);
    auto* selector = new QGroupBox("Selector Behavior", settings);
    auto* selectorLayout = new QVBoxLayout(selector);
    chkCardHelp = new QCheckBox("Card Details", selector);
    chkPosition = new QCheckBox("Logical Positions", selector);
    selectorLayout->addWidget(chkCardHelp);
    selectorLayout->addWidget(chkPosition);
    left->addWidget(selector);

    auto* autoClose = new QGroupBox("Automatic Close", settings);
    auto* closeLayout = new QVBoxLayout(autoClose);
    chkNoChoice = new QCheckBox("Empty Selectors", autoClose);
    chkMessages = new QCheckBox("Status Messages", autoClose);
    closeLayout->addWidget(chkNoChoice);
    closeLayout->addWidget(chkMessages);
    auto* delays = new QHBoxLayout;
    delays->addWidget(new QLabel("Fast", autoClose));
    auto* group = new QButtonGroup(autoClose);
    for (int i = 0; i < 5; ++i) {
        QRadioButton*& option = optDelay[static_cast<std::size_t>(i)];
        option = new QRadioButton(autoClose);
        option->setToolTip(QString("Close after %1 s")
                               .arg(std::stoi(kDelayTags[static_cast<std::size_t>(i)]) / 2.0));
        option->setAccessibleName(QString("Delay %1").arg(kDelayTags[static_cast<std::size_t>(i)]));
        group->addButton(option, i);
        delays->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                mDelay = static_cast<Integer>(std::stoi(kDelayTags[static_cast<std::size_t>(i)]));
            }
        });
    }
    delays->addWidget(new QLabel("Slow", autoClose));
    closeLayout->addLayout(delays);
    layout->addWidget(autoClose, 0, Qt::AlignTop);

    chkProspect = new QCheckBox("Gold Mine Views", settings);
    left->addWidget(chkProspect);
    left->addStretch();
    for (QCheckBox* box : {chkCardHelp, chkPosition, chkNoChoice, chkMessages, chkProspect}) {
        box->setChecked(true);
    }
    return settings;
}

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

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!mStarted) {
        mStarted = true;
        if (const auto notice = CardPictures::MissingNotice(DataFolder() / "Images")) {
            lblMessage->setText(*notice);  // until the game's first word; the history keeps it
            mHistory->AddLine(*notice);
        }
        ShowRoleButtons();
        TakeKeyboard();
        QTimer::singleShot(500, this, [this] { PlayGame(); });
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
    try {
        mGame->PlayGame();
    } catch (const std::exception& error) {
        // A bad catalogue or a fault in the game: the player is told, the logs written so far
        // are kept, and the program ends with a failure status.
        QMessageBox::critical(this, "Quellin", QString::fromStdString(error.what()));
        mExitCode = 1;
    }
    mGameRunning = false;
    mAids->SetGame(nullptr, 0);
    frmPauser::Reset();
    mLogs.LogFile.reset();
    mLogs.GameLogFile.reset();
    close();
    emit GameFinished();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing acts as Exit: the game stops at its next check and then closes the window.
    mExitRequested = true;
    if (!mGameRunning) {
        event->accept();
        return;
    }
    frmPauser::AbortAll();
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* chooser = qobject_cast<frmCardChooser*>(modal)) {
        chooser->ConfirmWithFirstCards();
    } else if (auto* message = qobject_cast<frmShowMessage*>(modal)) {
        message->accept();
    }
    event->ignore();
}

std::unique_ptr<CardChooser> frmMain::NewChooser() {
    auto chooser = std::make_unique<frmCardChooser>(this);
    mAids->AddKeysTo(*chooser);
    return chooser;
}

void frmMain::ShowChooser(CardChooser& chooser, int seatIndex) {
    EndSkipOnHumansTurn();
    auto& window = static_cast<frmCardChooser&>(chooser);
    mAids->EquipQuestion(window);
    PlaceChooser(window, *this, seatIndex, chkCardHelp->isChecked(), chkPosition->isChecked(),
                 mOptions.numberOfPlayers);
    while (!window.Answered()) {  // a question whose window was taken away is asked again
        if (mExitRequested) {
            window.ConfirmWithFirstCards();
        } else {
            window.exec();
        }
    }
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
    ShowMessageWindow(this, informational, roleIndex, QString::fromStdString(text),
                      chkMessages->isChecked(), mDelay, details);
    TakeKeyboard();
}

void frmMain::SeatsReady(const std::array<const qlPlayer*, 4>& seats) {
    for (int i = 0; i < 4; ++i) {
        SeatArea& area = mSeatAreas[static_cast<std::size_t>(i)];
        const bool inPlay = i < mOptions.numberOfPlayers;
        for (QWidget* w :
             std::initializer_list<QWidget*>{area.lblPlayer, area.lblTextCards, area.lblTextPoints,
                                             area.lblCards, area.lblPoints, area.lblRole}) {
            w->setVisible(inPlay);
        }
        area.lblGovernor->setVisible(false);
        area.hldPlayerBuilt->setEnabled(inPlay);
        if (i + 1 == mOptions.humanSeat) {
            area.lblPlayer->setStyleSheet(QString("color: %1;").arg(kHumanText));
            area.lblPlayer->setText(area.lblPlayer->text() + "  (you)");
            area.shpPlayer->setStyleSheet(
                QString("QFrame#%1 { background: %2; border: 2px solid #6d87a8; "
                        "border-radius: 6px; }")
                    .arg(area.shpPlayer->objectName(), kHumanFill));
        }
        const qlPlayer& seat = *seats[static_cast<std::size_t>(i)];
        area.hldPlayerBuilt->SetCards(seat.BuiltCards());
        area.hldPlayerBuilt->ShowGoodsOf(&seat);
        HandChanged(seat);
        ExplainPoints(*area.lblPoints, inPlay ? &seat : nullptr);
    }
}

frmMain::SeatArea& frmMain::AreaOf(const qlPlayer& seat) {
    return mSeatAreas[static_cast<std::size_t>(seat.PlayerNumber() - 1)];
}

void frmMain::CardBuilt(const qlPlayer& seat, Card card) {
    SeatArea& area = AreaOf(seat);
    area.hldPlayerBuilt->AddCard(card);
    area.lblPoints->setText(QString::number(seat.Points()));
}

void frmMain::CardCovered(const qlPlayer& seat, Card card) {
    AreaOf(seat).hldPlayerBuilt->RemoveCard(card);
}

void frmMain::GoodChanged(const qlPlayer& seat, Card building) {
    AreaOf(seat).hldPlayerBuilt->RefreshGood(building);
}

void frmMain::HandChanged(const qlPlayer& seat) {
    if (seat.PlayerNumber() == mOptions.humanSeat) {
        hldHumansCards->SetCards(seat.CardsInHand());
    }
    AreaOf(seat).lblCards->setText(QString::number(seat.CardsInHand().Count()));
}

void frmMain::PilesChanged(Long reserve, Long discard) {
    txtReserveCount->setText(QString::number(reserve));
    txtDiscardCount->setText(QString::number(discard));
}

void frmMain::SeatsReleased() {
    for (SeatArea& area : mSeatAreas) {
        area.hldPlayerBuilt->SetCards({});
        area.hldPlayerBuilt->ShowGoodsOf(nullptr);
        ExplainPoints(*area.lblPoints, nullptr);
    }
    hldHumansCards->SetCards({});
}

void frmMain::ShowStatus(const std::string& text) {
    lblMessage->setText(QString::fromStdString(text));
}

void frmMain::ShowRole(int seatIndex, const std::string& role) {
    // In a game of two, a seat chooses twice a round: both roles stay shown.
    QLabel* label = mSeatAreas[static_cast<std::size_t>(seatIndex)].lblRole;
    const QString text = QString::fromStdString(role);
    label->setText(role.empty() || label->text().isEmpty() ? text : label->text() + ", " + text);
}

void frmMain::ShowGovernor(int seatIndex) {
    for (int i = 0; i < 4; ++i) {
        mSeatAreas[static_cast<std::size_t>(i)].lblGovernor->setVisible(i == seatIndex);
    }
}

void frmMain::ShowPoints(int seatIndex, Integer points) {
    mSeatAreas[static_cast<std::size_t>(seatIndex)].lblPoints->setText(QString::number(points));
}

void frmMain::EnableRole(int roleIndex, bool enabled) {
    mRolesFree[static_cast<std::size_t>(roleIndex)] = enabled;
    ShowRoleButtons();
}

void frmMain::ShowRoleButtons() {
    for (std::size_t i = 0; i < cmdRoles.size(); ++i) {
        cmdRoles[i]->setEnabled(mChoosingRole && mRolesFree[i]);
    }
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

void frmMain::ProcessEvents() {
    QApplication::processEvents();
}

// The human's role choice waits here, from its start until a role button is pressed.
void frmMain::WaitForEvents() {
    mPace->EndSkip();  // only the human's role choice waits here
    if (!mChoosingRole) {
        mChoosingRole = true;
        ShowRoleButtons();
        TakeKeyboard();
    }
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void frmMain::Pause(Long milliseconds) {
    mPace->Pause(mOptions.pauseLength.value_or(milliseconds));
}

bool frmMain::EmptySelectors() const {
    return chkNoChoice->isChecked();
}

bool frmMain::GoldMineViews() const {
    return chkProspect->isChecked();
}
