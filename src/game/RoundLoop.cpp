// The rounds: the governor passes, every seat goes through the governor phase, and the seats
// choose roles in turn, every seat performing each role from its chooser on. The rules run
// step by step to the next decision; where they stand is the game's step and turn state.

#include <string>
#include <utility>

#include "game/HumanDecider.h"
#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::Advance() {
    while (mStep != Step::Decide && mStep != Step::Stopped && mStep != Step::Over) {
        RunStep();
    }
}

void qlGame::RunStep() {
    switch (mStep) {
        case Step::StartRound:
            StartRound();
            break;
        case Step::GovernorTurn:
            StartGovernorTurn();
            break;
        case Step::HandLimit:
            StartHandLimit();
            break;
        case Step::NextGovernorTurn:
            NextGovernorTurn();
            break;
        case Step::RoleChoice:
            StartRoleChoice();
            break;
        case Step::Turn:
            StartTurn();
            break;
        case Step::TurnDone:
            EndTurn();
            break;
        case Step::RoleDone:
            EndRole();
            break;
        case Step::Decide:
        case Step::Stopped:
        case Step::Over:
            break;
    }
}

// Every seat answers for itself until the game is over or stops. A seat that leaves at its
// role choice (the human pressing Exit) stops the game where it stands.
void qlGame::PlayDecisions() {
    Advance();
    while (mStep == Step::Decide) {
        const Decision decision = Pending();
        SeatDecider& decider = DeciderOf(DecidingSeat());
        const Choice choice = decider.Answer(*this, decision, mRandom);
        if (decision.kind == DecisionKind::Role && choice.role < 0) {
            mTable->ShowRole(mCurrentPlayer - 1, "");
            mAwaiting = DecisionKind::None;
            mStep = Step::Stopped;
            return;
        }
        if (!mTable->Silent() && decider.PausesAfter(*this, decision, choice)) {
            mTable->Pause(kComputerPause);
        }
        Apply(decision, choice);
    }
}

void qlGame::StartRound() {
    if (ExitRequested() || (mRoundLimit > 0 && mRounds >= mRoundLimit)) {
        mStep = Step::Stopped;
        return;
    }
    ++mRounds;
    mFirstRound = mGovernor == 0;
    mGovernor = mFirstRound ? Integer{1} : NextSeat(mGovernor);
    for (int i = 0; i < 4; ++i) {
        mTable->ShowRole(i, "");
    }
    mTable->ShowGovernor(mGovernor - 1);
    Tell([&] {
        return table_events::ForSeat(TableEvent::Kind::RoundStarted, Player(mGovernor), mRounds);
    });
    mCurrentPlayer = mRoleChooser = mGovernor;
    ClearSelectedRoles();
    mGovernorSeat = 1;
    mStep = Step::GovernorTurn;
}

void qlGame::NextGovernorTurn() {
    mGovernorSeat = NextSeat(mGovernorSeat);
    if (mGovernorSeat != 1) {
        mStep = Step::GovernorTurn;
        return;
    }
    GovernorPhasesDone.Raise(*this);
    for (int i = 0; i < kRoleCount; ++i) {
        mRolesFree[static_cast<std::size_t>(i)] = true;
        mTable->EnableRole(i, true);
    }
    mStep = Step::RoleChoice;
}

void qlGame::StartRoleChoice() {
    if (ExitRequested()) {
        mStep = Step::Stopped;
        return;
    }
    BeforeRoleChoice.Raise(*this);
    ShowStatus("select a role...");
    Tell(
        [&] { return table_events::ForSeat(TableEvent::Kind::TurnStarted, Player(mRoleChooser)); });
    Player(mRoleChooser).SetGetsRoleBenefit(true);
    Await(DecisionKind::Role);
}

// What a press of a role button does, for the human's click and the computer's choice alike.
void qlGame::SelectRole(int index) {
    ++mRolesChosen;
    const Role role = RoleAt(index);
    if (role == Role::Trader) {
        DrawTradeTile();
    }
    mCurrentRole = role;
    mRolesFree[static_cast<std::size_t>(index)] = false;
    mTable->EnableRole(index, false);
    WriteGameLog([&] {
        return "Player " + std::to_string(mRoleChooser) + " Selected Role: " + RoleName(role);
    });
    Tell([&] { return table_events::RoleChosen(Player(mRoleChooser), RoleName(role)); });
    mTable->ShowRole(mCurrentPlayer - 1, RoleName(role));
    mStep = Step::Turn;
}

void qlGame::StartTurn() {
    if (ExitRequested()) {
        mStep = Step::Stopped;
        return;
    }
    ShowStatus("perform ", RoleName(*mCurrentRole), " role...");
    Tell([&] {
        return table_events::ForSeat(TableEvent::Kind::TurnStarted, Player(mCurrentPlayer));
    });
    BeginPhase();
}

void qlGame::BeginPhase() {
    mStep = Step::TurnDone;  // unless the phase waits for a decision
    switch (*mCurrentRole) {
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
    Player(mRoleChooser).SetGetsRoleBenefit(false);
    mTurn = {};
    mCurrentPlayer = NextSeat(mCurrentPlayer);
    mStep = mCurrentPlayer == mRoleChooser ? Step::RoleDone : Step::Turn;
}

void qlGame::EndRole() {
    RolePerformed.Raise(*this);
    if (mGameOver) {
        mStep = Step::Over;
        return;
    }
    mValues.BuildingsLeft = ComputeBuildingsLeft();
    mTable->HideTradePrices();
    mCurrentRole.reset();
    const bool roundOver = mValues.NumberOfPlayers == 2
                               ? mRoleChooser == mGovernor && Player(mRoleChooser).SelectedRole()
                               : NextSeat(mRoleChooser) == mGovernor;
    if (roundOver) {
        mTable->ProcessEvents();
        mStep = Step::StartRound;
        return;
    }
    Player(mRoleChooser).SetSelectedRole(true);
    mRoleChooser = NextSeat(mRoleChooser);
    mCurrentPlayer = mRoleChooser;
    mStep = Step::RoleChoice;
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
    for (const auto& seat : mPlayers) {
        seat->SetSelectedRole(false);
    }
}

qlGame::OtherSeats qlGame::OthersAfter(Integer seatNumber) const {
    OtherSeats others;
    for (Integer n = NextSeat(seatNumber); n != seatNumber; n = NextSeat(n)) {
        others.seats[others.count++] = &Player(n);
    }
    return others;
}

Integer qlGame::ComputeBuildingsLeft() const {
    Long largest = 0;
    for (Integer n = 1; n <= mValues.NumberOfPlayers; ++n) {
        largest = std::max(largest, Player(n).BuiltCards()->Count());
    }
    return static_cast<Integer>(12 - largest);
}

void qlGame::ShowStatus(std::string_view text, std::string_view more, std::string_view rest) {
    if (mTable->Silent()) {
        return;
    }
    std::string line = std::string(IsHuman(mCurrentPlayer) ? "Human " : "Robot ") +
                       std::to_string(mCurrentPlayer) + ", ";
    line.append(text).append(more).append(rest);
    mTable->ShowStatus(line);
}

void qlGame::ClearStatus() {
    mTable->ShowStatus("");
}
