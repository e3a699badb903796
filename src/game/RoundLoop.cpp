// The rounds: the governor passes, every seat goes through the governor phase, and the seats
// choose roles in turn, every seat performing each role from its chooser on. The rules run
// step by step to the next decision; where they stand is the game's step and turn state.

#include <optional>
#include <string>
#include <utility>

#include "game/HumanDecider.h"
#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::Advance() {
    while (mState.step != RulesStep::Decide && mState.step != RulesStep::Stopped &&
           mState.step != RulesStep::Over && !Holding()) {
        RunStep();
    }
}

void qlGame::RunStep() {
    switch (mState.step) {
        case RulesStep::StartRound:
            StartRound();
            break;
        case RulesStep::GovernorTurn:
            StartGovernorTurn();
            break;
        case RulesStep::HandLimit:
            StartHandLimit();
            break;
        case RulesStep::NextGovernorTurn:
            NextGovernorTurn();
            break;
        case RulesStep::RoleChoice:
            StartRoleChoice();
            break;
        case RulesStep::Turn:
            StartTurn();
            break;
        case RulesStep::GoldMine:
            GoldMineStep();
            break;
        case RulesStep::TurnDone:
            EndTurn();
            break;
        case RulesStep::RoleDone:
            EndRole();
            break;
        case RulesStep::Decide:
        case RulesStep::Stopped:
        case RulesStep::Over:
            break;
    }
}

namespace {

// Marks the game as driven while it is in scope, however the driving ends.
class DrivingScope {
  public:
    explicit DrivingScope(bool& driving) : mDriving(driving) { mDriving = true; }
    DrivingScope(const DrivingScope&) = delete;
    DrivingScope& operator=(const DrivingScope&) = delete;
    ~DrivingScope() { mDriving = false; }

  private:
    bool& mDriving;
};

}  // namespace

void qlGame::Continue() {
    if (mDriving || mResult) {
        return;
    }
    bool ended = false;
    {
        const DrivingScope driving(mDriving);
        ended = PlayDecisions();
    }
    if (ended) {
        mResult = FinishGame();
    }
}

void qlGame::Answer(const Choice& choice) {
    if (!mAsked) {
        return;  // nobody was asked: an answer given up already
    }
    mAnswer = choice;
    Continue();
}

void qlGame::Leave() {
    if (mAsked) {
        mAsked = false;
        mAnswer.reset();
        DeciderOf(DecidingSeat()).Cancel();
    }
    Continue();
}

// Every seat answers for itself until the game is over or stops. A seat that leaves at its
// role choice (the human pressing Exit) stops the game where it stands. A computer seat's
// answer waits through the table's pause before it is carried out.
bool qlGame::PlayDecisions() {
    while (true) {
        if (Holding()) {
            return false;
        }
        if (mPaused) {
            const Choice choice = *std::exchange(mPaused, std::nullopt);
            Apply(Pending(), choice);
            continue;
        }
        Advance();
        if (Holding()) {
            return false;
        }
        if (mState.step != RulesStep::Decide) {
            return true;
        }
        const Integer seat = DecidingSeat();
        SeatDecider& decider = DeciderOf(seat);
        const bool byTheRules = AnswersByTheRules(seat);
        const Decision decision = Describe(!byTheRules);
        if (byTheRules) {
            if (TakeAnswer(decision, decider, decider.Answer(*this, decision, mState.random),
                           true)) {
                return true;
            }
        } else if (std::optional<Choice> recorded = mFeed ? mFeed(decision) : std::nullopt) {
            mFed = true;
            if (TakeAnswer(decision, decider, std::move(*recorded))) {
                return true;
            }
        } else if (decider.AnswersLater(decision)) {
            if (!mAsked) {
                mAsked = true;
                decider.Ask(*this, decision, [this](const Choice& answer) { Answer(answer); });
            }
            if (!mAnswer) {
                return false;
            }
            mAsked = false;
            if (TakeAnswer(decision, decider, *std::exchange(mAnswer, std::nullopt))) {
                return true;
            }
        } else if (TakeAnswer(decision, decider, decider.Answer(*this, decision, mState.random))) {
            return true;
        }
    }
}

bool qlGame::TakeAnswer(const Decision& decision, const SeatDecider& decider, Choice&& choice,
                        bool byTheRules) {
    if (decision.kind == DecisionKind::Role && choice.role < 0) {
        ShowRole(mState.currentPlayer, "");
        mState.awaiting = DecisionKind::None;
        mState.step = RulesStep::Stopped;
        return true;
    }
    if (!mSilent && decider.PausesAfter(*this, decision, choice)) {
        mTable->Pause(kComputerPause);
        mPaused = std::move(choice);
        return false;
    }
    if (byTheRules) {
        // The rules run on to the next decision at the top of the loop that asked.
        CarryOut(choice);
    } else {
        Apply(decision, choice);
    }
    return false;
}

void qlGame::StartRound() {
    if (ExitRequested() || (mRoundLimit > 0 && mState.rounds >= mRoundLimit)) {
        mState.step = RulesStep::Stopped;
        return;
    }
    ++mState.rounds;
    mState.firstRound = mState.governor == 0;
    mState.governor = mState.firstRound ? Integer{1} : NextSeat(mState.governor);
    for (Integer n = 1; n <= 4; ++n) {
        ShowRole(n, "");
    }
    if (!mSilent) {
        mTable->ShowGovernor(mState.governor - 1);
    }
    Tell([&] {
        return table_events::ForSeat(TableEvent::Kind::RoundStarted, Player(mState.governor),
                                     mState.rounds);
    });
    mState.currentPlayer = mState.roleChooser = mState.governor;
    ClearSelectedRoles();
    mState.governorSeat = 1;
    mState.step = RulesStep::GovernorTurn;
}

void qlGame::NextGovernorTurn() {
    mState.governorSeat = NextSeat(mState.governorSeat);
    if (mState.governorSeat != 1) {
        mState.step = RulesStep::GovernorTurn;
        return;
    }
    GovernorPhasesDone.Raise(*this);
    for (int i = 0; i < kRoleCount; ++i) {
        mState.rolesFree[static_cast<std::size_t>(i)] = true;
        if (!mSilent) {
            mTable->EnableRole(i, true);
        }
    }
    mState.step = RulesStep::RoleChoice;
}

void qlGame::StartRoleChoice() {
    if (ExitRequested()) {
        mState.step = RulesStep::Stopped;
        return;
    }
    BeforeRoleChoice.Raise(*this);
    ShowStatus("select a role...");
    Tell([&] {
        return table_events::ForSeat(TableEvent::Kind::TurnStarted, Player(mState.roleChooser));
    });
    Player(mState.roleChooser).SetGetsRoleBenefit(true);
    Await(DecisionKind::Role);
}

// What a press of a role button does, for the human's click and the computer's choice alike.
void qlGame::SelectRole(int index) {
    ++mState.rolesChosen;
    const Role role = RoleAt(index);
    if (role == Role::Trader) {
        DrawTradeTile();
    }
    mState.currentRole = role;
    mState.rolesFree[static_cast<std::size_t>(index)] = false;
    if (!mSilent) {
        mTable->EnableRole(index, false);
    }
    WriteGameLog([&] {
        return "Player " + std::to_string(mState.roleChooser) + " Selected Role: " + RoleName(role);
    });
    Tell([&] { return table_events::RoleChosen(Player(mState.roleChooser), RoleName(role)); });
    ShowRole(mState.currentPlayer, RoleName(role));
    mState.step = RulesStep::Turn;
}

void qlGame::StartTurn() {
    if (ExitRequested()) {
        mState.step = RulesStep::Stopped;
        return;
    }
    ShowStatus("perform ", RoleName(*mState.currentRole), " role...");
    Tell([&] {
        return table_events::ForSeat(TableEvent::Kind::TurnStarted, Player(mState.currentPlayer));
    });
    BeginPhase();
}

void qlGame::BeginPhase() {
    mState.step = RulesStep::TurnDone;  // unless the phase waits for a decision
    switch (*mState.currentRole) {
        case Role::Councillor:
            CouncillorPhase();
            break;
        case Role::Builder:
            BuilderPhase();
            break;
        case Role::Producer:
            Await(DecisionKind::Produce);
            break;
        case Role::Trader:
            Await(DecisionKind::Trade);
            break;
        case Role::Prospector:
            ProspectorPhase();
            break;
    }
}

// The turn is over: the chooser's privilege ends with it, and the next seat performs the role
// until the chooser's turn would come round again.
void qlGame::EndTurn() {
    Player(mState.roleChooser).SetGetsRoleBenefit(false);
    mState.turn.Clear();
    mState.currentPlayer = NextSeat(mState.currentPlayer);
    mState.step =
        mState.currentPlayer == mState.roleChooser ? RulesStep::RoleDone : RulesStep::Turn;
}

void qlGame::EndRole() {
    RolePerformed.Raise(*this);
    if (mState.gameOver) {
        mState.step = RulesStep::Over;
        return;
    }
    SetBuildingsLeft(ComputeBuildingsLeft());
    if (!mSilent) {
        mTable->HideTradePrices();
    }
    mState.currentRole.reset();
    const bool roundOver =
        mState.values.NumberOfPlayers == 2
            ? mState.roleChooser == mState.governor && Player(mState.roleChooser).SelectedRole()
            : NextSeat(mState.roleChooser) == mState.governor;
    if (roundOver) {
        mState.step = RulesStep::StartRound;
        return;
    }
    Player(mState.roleChooser).SetSelectedRole(true);
    mState.roleChooser = NextSeat(mState.roleChooser);
    mState.currentPlayer = mState.roleChooser;
    mState.step = RulesStep::RoleChoice;
}

void qlGame::cmdRoles_Click(int index) {
    if (mHuman) {
        mHuman->PressRole(index);
    }
}

bool qlGame::HumanChoosesRole() const {
    return mHuman && mHuman->ChoosingRole();
}

void qlGame::ClearSelectedRoles() {
    for (qlPlayer& seat : mState.seats) {
        seat.SetSelectedRole(false);
    }
}

qlGame::OtherSeats qlGame::OthersAfter(Integer seatNumber) const {
    // Seat n sits at index n - 1, so the seat after it at index n: the seats from there to the
    // end of the table, then those from the first on.
    const auto seat = static_cast<std::size_t>(seatNumber);
    const auto players = static_cast<std::size_t>(mState.values.NumberOfPlayers);
    OtherSeats others;
    others.count = players - 1;
    for (std::size_t k = 0; k < others.count; ++k) {
        const std::size_t index = seat + k < players ? seat + k : seat + k - players;
        others.seats[k] = &mState.seats[index];
    }
    return others;
}

Integer qlGame::ComputeBuildingsLeft() const {
    Long largest = 0;
    for (Integer n = 1; n <= mState.values.NumberOfPlayers; ++n) {
        largest = std::max(largest, Player(n).BuiltCards().Count());
    }
    return static_cast<Integer>(12 - largest);
}

void qlGame::ShowStatusLine(std::initializer_list<std::string_view> parts) {
    std::string line = std::string(IsHuman(mState.currentPlayer) ? "Human " : "Robot ") +
                       std::to_string(mState.currentPlayer) + ", ";
    for (const std::string_view part : parts) {
        line.append(part);
    }
    mTable->ShowStatus(line);
}

void qlGame::ClearStatus() {
    mTable->ShowStatus("");
}
