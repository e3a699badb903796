// The table's side of the game it hosts: starting it, playing it on after every answer, pause
// and message, leaving it, and the end of the table once the game is over. Nothing here waits:
// each step runs from the application's event loop and returns to it.

#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <exception>
#include <utility>

#include "game/ComputerSeats.h"
#include "game/qlGame.h"
#include "ui/MoveAnimation.h"
#include "ui/RoleButtons.h"
#include "ui/ScoreViews.h"
#include "ui/TableAids.h"
#include "ui/TablePace.h"
#include "ui/TablePrompts.h"
#include "ui/TableSettings.h"
#include "ui/frmCardChooser.h"
#include "ui/frmMain.h"
#include "ui/frmShowMessage.h"

void frmMain::PlayGame() {
    mGame = std::make_unique<qlGame>(*this, mOptions.numberOfPlayers, mOptions.humanSeat,
                                     mOptions.seedSource);
    mGame->SetLogFiles(mLogs.LogFile.get(), mLogs.GameLogFile.get());
    mAids->SetGame(mGame.get(), mOptions.humanSeat);
    Random::SeedSource source = mOptions.seedSource;  // a copy: the game's stays unmoved
    mComputerSeats = std::make_unique<ComputerSeats>(
        mOptions.computers, *mGame, *this, mOptions.humanSeat, source(), mOptions.thinkingBudget);
    mGameRunning = true;
    mGameStart = std::chrono::steady_clock::now();
    Play([this] {
        StartJournal();
        mGame->Start();
    });
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
    if (mGame->Result() == qlGame::Outcome::Finished ||
        mGame->Result() == qlGame::Outcome::RoundCapped) {
        EndJournal();
    }
    if (mGame->Result()) {
        RecordGame();
        if (!Holding()) {
            FinishTable();
        }
    }
}

void frmMain::FinishTable() {
    if (std::exchange(mFinished, true)) {
        return;
    }
    mGameRunning = false;  // an answer or a move still on its way finds no game to play on
    RecordGame();          // a game left: those that ended were recorded then
    mAids->SetGame(nullptr, 0);
    mLogs.LogFile.reset();
    mLogs.GameLogFile.reset();
    mGame.reset();
    mComputerSeats.reset();  // their threads end with them
    cmdFinalScores->hide();
    if (std::exchange(mPlayAgain, false) && !mClosing) {
        emit PlayAgainRequested();
        return;
    }
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
    mMoves->Stop();
    mPrompts->Drop();
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
    // The player has left, and the game only has to stop; or a game taken up shows what was
    // seen already (a gold mine's cards) before every recorded answer is given.
    if (mExitRequested || (mReplaying && !mRecordedAnswers->Done())) {
        window->ConfirmWithFirstCards();
        answered(*window);
        return;
    }
    EndReplay();
    EndSkipOnHumansTurn();
    mAids->EquipQuestion(*window);
    PlaceChooser(*window, *this, seatIndex, mSettings->CardDetails(), mSettings->LogicalPositions(),
                 mOptions.numberOfPlayers);
    mPrompts->Ask(std::move(window), std::move(answered));
}

void frmMain::QuestionAnswered() {
    const auto [question, answered] = mPrompts->TakeAnswered();
    if (!question) {
        return;  // dropped as the player left
    }
    TakeKeyboard();
    Play([&] {
        answered(*question);
        mGame->Continue();
    });
}

void frmMain::ChooseRole() {
    EndReplay();
    mPace->EndSkip();
    mRoles->SetChoosing(true);
    TakeKeyboard();
}

void frmMain::ShowMessage(int informational, int roleIndex, const std::string& text) {
    if (mExitRequested || (mReplaying && informational != 0)) {
        return;  // the player has left, or has read it before the game was taken up
    }
    EndReplay();
    std::function<QWidget*(QWidget*)> details;  // the final scores explained
    if (informational == 0 && mGame) {
        details = [this](QWidget* parent) { return NewScoreDetails(*mGame, parent); };
    }
    frmShowMessage* message =
        OpenMessageWindow(this, informational, roleIndex, QString::fromStdString(text),
                          mSettings->StatusMessages(), Delay(), details);
    if (informational == 0) {
        OfferEndChoices(*message);
    }
    mPrompts->Tell(message);
}

void frmMain::MessageClosed() {
    if (std::exchange(mReleaseAfterMessage, false)) {
        SeatsReleased();
    }
    TakeKeyboard();
    Play([this] { mGame->Continue(); });
}

bool frmMain::Holding() const {
    return mPrompts->Open() || mPace->Pausing() || mMoves->Running();
}

void frmMain::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        this, [this, task = std::move(task)] { Play(task); }, Qt::QueuedConnection);
}

void frmMain::Pause(Long milliseconds) {
    if (!mExitRequested && !mReplaying) {
        mPace->Pause(mOptions.pauseLength.value_or(milliseconds));
    }
}
