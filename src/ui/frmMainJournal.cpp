// The table's side of the journal: a new game begins one, every answer the journal holds is
// written to it before the game goes on, a finished game removes it, and a game taken up is
// played from it to where the player left, with nothing shown moving and no pause.

#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>
#include <stdexcept>

#include "cards/Catalogue.h"
#include "game/ComputerSeats.h"
#include "game/LookAhead.h"
#include "game/qlGame.h"
#include "ui/HistoryPanel.h"
#include "ui/JournalFile.h"
#include "ui/TableSettings.h"
#include "ui/frmMain.h"

void frmMain::StartJournal() {
    mResumeMilliseconds.reset();
    if (!mOptions.journalFile) {
        return;
    }
    const std::filesystem::path& file = *mOptions.journalFile;
    try {
        if (mOptions.resumed) {
            TakeUpJournal(file);
            mJournal = JournalFile::Continue(file, mResumedJournal.keptBytes);
        } else {
            mJournal = JournalFile::Create(file, JournalHeaderText(NewJournalHeader()));
        }
    } catch (const JournalError&) {
        throw;  // the start had read it whole: a fault of the game now
    } catch (const std::runtime_error& error) {
        TellJournalFault(error.what());
    }
    mAnswerGiven =
        mGame->AnswerGiven.Subscribe([this](const Decision& decision, const Choice& choice) {
            JournalAnswer(decision, choice);
        });
}

const JournalHeader& frmMain::NewJournalHeader() {
    mJournalHeader.program = QCoreApplication::applicationVersion().toStdString();
    mJournalHeader.started =
        QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm").toStdString();
    mJournalHeader.catalogue = CatalogueDigest(CatalogueFile());
    mJournalHeader.seed = mOptions.seed;
    mJournalHeader.players = mOptions.numberOfPlayers;
    mJournalHeader.humanSeat = mOptions.humanSeat;
    mJournalHeader.computers = mOptions.computers;
    mJournalHeader.settings = mSettings->Current();
    return mJournalHeader;
}

void frmMain::TakeUpJournal(const std::filesystem::path& file) {
    mResumedJournal = ReadJournalFile(file);
    mJournalHeader = mResumedJournal.header;
    mSettings->Restore(mJournalHeader.settings);
    mRecordedAnswers = std::make_unique<RecordedAnswers>(mResumedJournal, file.string());
    for (Integer seat = 1; seat <= 4; ++seat) {
        LookAhead* thinker = mComputerSeats->Of(seat);
        if (const auto state = mRecordedAnswers->ThinkerState(seat); thinker && state) {
            thinker->RestoreGenerator(*state);
        }
    }
    mGame->SetAnswerFeed(
        [this](const Decision& decision) { return mRecordedAnswers->Next(decision); });
    mReplaying = true;
    mReplayStart = std::chrono::steady_clock::now();
    if (mResumedJournal.droppedLine) {
        mHistory->AddLine(QString("The last line of %1 was cut short as the program ended; the "
                                  "answer it began is asked again.")
                              .arg(QString::fromStdString(file.string())));
    }
}

void frmMain::JournalAnswer(const Decision& decision, const Choice& choice) {
    if (!mJournal || !RecordedAnswers::Holds(mJournalHeader, decision)) {
        return;
    }
    std::optional<std::uint64_t> thinker;
    if (const LookAhead* player = mComputerSeats->Of(decision.seat)) {
        thinker = player->GeneratorState();
    }
    WriteJournal(JournalAnswerText(decision, choice, thinker));
}

void frmMain::WriteJournal(const std::string& text) {
    if (!mJournal) {
        return;
    }
    try {
        mJournal->Append(text);
    } catch (const std::runtime_error& error) {
        TellJournalFault(error.what());
    }
}

void frmMain::TellJournalFault(const std::string& why) {
    mJournal.reset();
    const std::string notice =
        why + "; the game goes on, but it cannot be taken up again if it ends now.";
    mHistory->AddLine(QString::fromStdString(notice));
    auto* box = new QMessageBox(QMessageBox::Warning, "Quellin", QString::fromStdString(notice),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

void frmMain::EndReplay() {
    if (std::exchange(mReplaying, false)) {
        mResumeMilliseconds = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - mReplayStart)
                                  .count();
    }
}

void frmMain::EndJournal() {
    EndReplay();
    mAnswerGiven.Reset();
    if (const std::unique_ptr<JournalFile> journal = std::move(mJournal)) {
        try {
            journal->Remove();
        } catch (const std::runtime_error&) {
            // A journal that cannot be removed is offered again and replays to the final scores.
        }
    }
}
