#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "core/Event.h"
#include "core/Random.h"
#include "game/ComputerLevel.h"
#include "game/GameLogs.h"
#include "game/Journal.h"
#include "game/JournalReplay.h"
#include "game/Table.h"

class QFrame;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class RoleButtons;
class SeatArea;
class TableSettings;
class qlCardHolder;
class qlTableAids;
class qlGame;
class ComputerSeats;
class LookAhead;
class HistoryPanel;
class JournalFile;
class TablePace;
class MoveAnimation;
class TablePrompts;
class RecordStore;
class frmShowMessage;

// The table: four seat areas clockwise from the top left, the human's hand, the role buttons,
// the trading-house prices, the pile counts, the status line and the settings. It hosts the
// game, which reaches it only as its Table, and redraws from the seats' and piles' events. It
// never waits inside the game: a question, a message or a pause is shown and the application's
// event loop runs on; the answer, the closed message or the pause's end plays the game on.
class frmMain : public QWidget, public Table {
    Q_OBJECT

  public:
    struct Options {
        Integer numberOfPlayers = 4;
        Integer humanSeat = 2;
        ComputerLevel computers = ComputerLevel::Standard;
        // Copies per strong decision, or iterations per expert decision, instead of the default.
        std::optional<int> thinkingBudget;
        Random::SeedSource seedSource = Random::TimeOfDaySource();
        std::optional<Long> pauseLength;  // a computer pause of this length instead
        // Moves slide across the table; unless set, only on a screen and with pauses.
        std::optional<bool> animations;
        std::optional<std::filesystem::path> logFolder;  // no logs are kept when absent
        std::uint64_t seed = 0;  // the seed seedSource gives the game, for the record
        // The game goes on from where it was left, as the journal at journalFile holds it.
        bool resumed = false;
        RecordStore* record = nullptr;  // where the game is recorded; nowhere when absent
        // The journal of the game, kept here while it is played; none is kept when absent.
        std::optional<std::filesystem::path> journalFile;
    };

    explicit frmMain(Options options, QWidget* parent = nullptr);
    ~frmMain() override;

    // 0 once a game ended or was left; 1 when it could not start (a bad catalogue).
    int ExitCode() const { return mExitCode; }
    // Raised when the game is over and the window has closed.
    Q_SIGNAL void GameFinished();
    // The player asked at the final scores for another game: the table has let the game go and
    // waits for NewGame.
    Q_SIGNAL void PlayAgainRequested();
    // The player asked for the statistics (the button, or Ctrl+T).
    Q_SIGNAL void StatisticsRequested();
    // Plays a new game at this table, once the one before has been let go.
    void NewGame(Options options);
    // The settings of the game at the table for another game of seed `seed`: the same seats,
    // computers, pace and record, a fresh start (not a resumed one) and the same log folder.
    Options ForAnotherGame(std::uint64_t seed) const;
    // The settings of the game at the table.
    const Options& GameOptions() const { return mOptions; }
    // A game is being played: it has started and has not ended or been left.
    bool GameInProgress() const;

    std::unique_ptr<CardChooser> NewChooser() override;
    void ShowChooser(std::unique_ptr<CardChooser> chooser, int seatIndex,
                     Answered answered) override;
    void ChooseRole() override;
    void ShowMessage(int informational, int roleIndex, const std::string& text) override;
    void SeatsReady(const std::array<const qlPlayer*, 4>& seats) override;
    void CardBuilt(const qlPlayer& seat, Card card) override;
    void CardCovered(const qlPlayer& seat, Card card) override;
    void GoodChanged(const qlPlayer& seat, Card building) override;
    void HandChanged(const qlPlayer& seat) override;
    void PilesChanged(Long reserve, Long discard) override;
    void SeatsReleased() override;
    void ShowStatus(const std::string& text) override;
    void ShowRole(int seatIndex, const std::string& role) override;
    void ShowGovernor(int seatIndex) override;
    void ShowPoints(int seatIndex, Integer points) override;
    void EnableRole(int roleIndex, bool enabled) override;
    void ShowTradePrices(const qlTradeTiles::Tile& prices) override;
    void HideTradePrices() override;
    void Pause(Long milliseconds) override;
    bool Holding() const override;
    bool HasEventLoop() const override { return true; }
    void Post(std::function<void()> task) override;
    bool EmptySelectors() const override;
    bool GoldMineViews() const override;
    Integer Delay() const override;
    bool ExitRequested() const override { return mExitRequested; }
    bool FollowsEvents() const override { return true; }
    void ShowEvent(const TableEvent& event) override;

    // The milliseconds it took to play a game taken up to where it was left; none for a new
    // game.
    std::optional<double> ResumeMilliseconds() const { return mResumeMilliseconds; }

    // The size at which the whole table shows without scrolling.
    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    SeatArea& AreaOf(const qlPlayer& seat);

    QWidget* BuildCentre();
    QWidget* BuildHand();
    // The statistics button and the final scores' own, hidden until they are (frmMainAgain.cpp).
    QLayout* BuildRecordButtons(QWidget* centre);
    void PlayGame();
    // Runs `step` of the game (its start, an answer, playing on), and ends the table once the
    // game has ended and nothing is left to read. A fault in the game is told to the player.
    void Play(const std::function<void()>& step);
    // The player leaves at once (Exit, or the window closing): the game plays on to where it
    // stops, without questions, messages or pauses.
    void LeaveGame();
    // The game is over: the logs are closed and the table closes.
    void FinishTable();
    void QuestionAnswered();
    // How long a move is seen sliding across the table; 0 for not at all.
    int MoveMilliseconds() const;
    // Slides the cards new in the human's hand, which held `before`, from the draw pile.
    void SlideNewCards(const qlCards& before);
    void MessageClosed();
    // The final scores are open: they offer another game, or a look at the table.
    void OfferEndChoices(frmShowMessage& scores);
    // Writes the game's record once it has ended or been left; a record that cannot be written
    // is told to the player once, and the table plays on.
    void RecordGame();
    // Gives the keyboard back to the table itself, where Space changes no setting and Alt with
    // a role's letter presses its button; a window the player reads beside it keeps it.
    void TakeKeyboard();

    // The hand, the history, the pace and the turn marker (frmMainHistory.cpp).
    QWidget* BuildBottomRow();
    void MarkTurn(int seatIndex);
    // The human is asked something: a skip to the human's turn has arrived.
    void EndSkipOnHumansTurn();

    // The journal (frmMainJournal.cpp): begun with a new game, or read and handed back to the
    // game as it is taken up, which plays without showing a move until the human is asked.
    void StartJournal();
    const JournalHeader& NewJournalHeader();
    // Reads the journal of the game taken up and hands its answers to the game.
    void TakeUpJournal(const std::filesystem::path& file);
    void WriteJournal(const std::string& text);
    // The journal cannot be written: the player is told once, and the game plays on without.
    void TellJournalFault(const std::string& why);
    void JournalAnswer(const Decision& decision, const Choice& choice);
    void EndReplay();
    // A finished game's journal goes; a game left keeps it.
    void EndJournal();

    Options mOptions;
    QWidget* mTable = nullptr;  // everything, in a scroll area
    std::array<SeatArea*, 4> mSeatAreas{};
    qlCardHolder* hldHumansCards = nullptr;
    QFrame* shpHumans = nullptr;
    RoleButtons* mRoles = nullptr;
    std::array<QLineEdit*, 5> txtGoodValues{};
    QLineEdit* txtReserveCount = nullptr;
    QLineEdit* txtDiscardCount = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdStatistics = nullptr;
    QPushButton* cmdFinalScores = nullptr;  // while the final scores are hidden
    TableSettings* mSettings = nullptr;
    HistoryPanel* mHistory = nullptr;
    TablePace* mPace = nullptr;
    int mTurnSeat = -1;  // the seat area whose turn it is

    bool mExitRequested = false;
    bool mStarted = false;
    bool mGameRunning = false;
    bool mClosing = false;   // the window is closing: it closes once the game has stopped
    bool mFinished = false;  // the table is done with its game, or had none
    // The open question or message; the seats to let go once the final scores have been read.
    TablePrompts* mPrompts = nullptr;
    MoveAnimation* mMoves = nullptr;  // the moves seen on the table (frmMainMoves.cpp)
    bool mReleaseAfterMessage = false;
    QPointer<frmShowMessage> mFinalScores;
    bool mPlayAgain = false;  // the final scores were closed for another game
    bool mRecorded = false;
    std::chrono::steady_clock::time_point mGameStart;
    int mExitCode = 0;
    qlTableAids* mAids = nullptr;  // help and hint beside the game
    GameLogs mLogs;
    // The players thinking for computer seats, declared first to outlive the game.
    std::unique_ptr<ComputerSeats> mComputerSeats;
    std::unique_ptr<qlGame> mGame;
    std::unique_ptr<JournalFile> mJournal;
    JournalHeader mJournalHeader;
    Journal mResumedJournal;
    std::unique_ptr<RecordedAnswers> mRecordedAnswers;
    Subscription mAnswerGiven;
    bool mReplaying = false;
    std::optional<double> mResumeMilliseconds;
    std::chrono::steady_clock::time_point mReplayStart;
};
