// The table after a game: the final scores' choices (another game at once, or a look at the
// table before the scores come back), the game's record, the statistics, and a new game at the
// same table.

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <iostream>

#include "game/ComputerSeats.h"
#include "game/qlGame.h"
#include "record/GameRecordOf.h"
#include "ui/HistoryPanel.h"
#include "ui/MoveAnimation.h"
#include "ui/RecordStore.h"
#include "ui/TablePace.h"
#include "ui/TablePrompts.h"
#include "ui/frmCardChooser.h"
#include "ui/frmMain.h"
#include "ui/frmShowMessage.h"

QLayout* frmMain::BuildRecordButtons(QWidget* centre) {
    auto* row = new QHBoxLayout;
    cmdStatistics = new QPushButton("Statistics", centre);
    cmdStatistics->setObjectName("cmdStatistics");
    cmdStatistics->setToolTip("Your record of games (Ctrl+T)");
    cmdStatistics->setFocusPolicy(Qt::NoFocus);  // Space stays the table's
    connect(cmdStatistics, &QPushButton::clicked, this, &frmMain::StatisticsRequested);
    auto* keys = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(keys, &QShortcut::activated, this, &frmMain::StatisticsRequested);
    cmdFinalScores = new QPushButton("Final Scores", centre);
    cmdFinalScores->setObjectName("cmdFinalScores");
    cmdFinalScores->setFocusPolicy(Qt::NoFocus);
    cmdFinalScores->hide();
    connect(cmdFinalScores, &QPushButton::clicked, this, [this] {
        cmdFinalScores->hide();
        if (frmShowMessage* scores = mFinalScores.data()) {
            scores->show();
            scores->raise();
            scores->activateWindow();
        }
    });
    row->addWidget(cmdStatistics);
    row->addWidget(cmdFinalScores);
    row->addStretch();
    return row;
}

void frmMain::OfferEndChoices(frmShowMessage& scores) {
    scores.AddEndChoices();
    mFinalScores = &scores;
    connect(&scores, &QDialog::finished, this,
            [this](int result) { mPlayAgain = result == frmShowMessage::kPlayAgain; });
    connect(&scores, &frmShowMessage::LookingAtTable, cmdFinalScores, &QWidget::show);
}

bool frmMain::GameInProgress() const {
    return mGameRunning && mGame && !mGame->Result();
}

void frmMain::RecordGame() {
    if (mRecorded || !mOptions.record || !mGame || !mGame->Result()) {
        return;
    }
    mRecorded = true;
    const qlGame::Outcome outcome = *mGame->Result();
    GameCircumstances circumstances;
    circumstances.seed = mOptions.seed;
    circumstances.humanSeat = mOptions.humanSeat;
    circumstances.computers = mOptions.computers;
    circumstances.durationMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - mGameStart)
                                   .count();
    circumstances.resumed = mOptions.resumed;
    const bool exited =
        outcome != qlGame::Outcome::Finished && outcome != qlGame::Outcome::RoundCapped;
    if (const auto notice = mOptions.record->Record(RecordOf(*mGame, exited, circumstances))) {
        std::cerr << "quellin: " << *notice << "\n";
        mHistory->AddLine(QString::fromStdString(*notice));
        auto* box = new QMessageBox(QMessageBox::Warning, "Quellin",
                                    QString::fromStdString(*notice), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setObjectName("recordNotice");
        box->show();
    }
}

frmMain::Options frmMain::ForAnotherGame(std::uint64_t seed) const {
    Options next = mOptions;
    next.seed = seed;
    next.seedSource = Random::SeededSource(seed);
    next.resumed = false;
    return next;
}

void frmMain::NewGame(Options options) {
    mOptions = std::move(options);
    mLogs = mOptions.logFolder ? GameLogs(*mOptions.logFolder) : GameLogs();
    mPace->Stop();
    mMoves->Stop();
    mPrompts->Drop();
    mHistory->Clear();
    HideTradePrices();
    MarkTurn(-1);
    mExitRequested = false;
    mFinished = false;
    mRecorded = false;
    mReleaseAfterMessage = false;
    mExitCode = 0;
    TakeKeyboard();
    QTimer::singleShot(0, this, [this] {
        if (!mExitRequested && !mGameRunning) {
            PlayGame();
        }
    });
}
