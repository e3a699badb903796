// The rounds: the governor passes, every seat goes through the governor phase, and the seats
// choose roles in turn, every seat performing each role from its chooser on.

#include <string>
#include <utility>

#include "game/HumanDecider.h"
#include "game/TableEvents.h"
#include "game/qlGame.h"

void qlGame::PlayRounds() {
    while (!ExitRequested()) {
        if (!mRoundOpen) {
            if (mRoundLimit > 0 && mRounds >= mRoundLimit) {
                return;
            }
            StartRound();
            mRoundOpen = true;
        }
        if (!PlayRoleChoices()) {
            return;
        }
        mRoundOpen = false;
        mTable->ProcessEvents();
    }
}

// The role choices of one round, from the present role chooser on (or from the seat whose
// turn it is, when a copy resumes in the middle of a role). False when the game stops: the
// player left, or a city reached twelve buildings.
bool qlGame::PlayRoleChoices() {
    for (;;) {
        if (!mPerforming) {
            if (ExitRequested()) {
                return false;
            }
            BeforeRoleChoice.Raise(*this);
            ShowStatus("select a role...");
            Tell([&] {
                return table_events::ForSeat(TableEvent::Kind::TurnStarted, *mRoleChooser);
            });
            ChooseRole();
            // No role when the human left instead of choosing one.
            mTable->ShowRole(mCurrentPlayer->PlayerNumber() - 1,
                             mCurrentRole ? RoleName(*mCurrentRole) : "");
            mPerforming = true;
        }
        if (!PerformRoleForEverySeat()) {
            return false;
        }
        mPerforming = false;
        RolePerformed.Raise(*this);
        if (mGameOver) {
            return false;
        }
        mValues.BuildingsLeft = ComputeBuildingsLeft();
        mTable->HideTradePrices();
        mCurrentRole.reset();
        const bool roundOver = mValues.NumberOfPlayers == 2
                                   ? mRoleChooser == mGovernor && mRoleChooser->SelectedRole()
                                   : mRoleChooser->NextPlayer() == mGovernor;
        if (roundOver) {
            return true;
        }
        mRoleChooser->SetSelectedRole(true);
        mRoleChooser = mRoleChooser->NextPlayer();
        mCurrentPlayer = mRoleChooser;
    }
}

// From the current player on, until the role chooser's turn comes round again. False when the
// player left before a seat's turn.
bool qlGame::PerformRoleForEverySeat() {
    do {
        if (!ResumeTurn()) {
            if (ExitRequested()) {
                return false;
            }
            ShowStatus("perform ", RoleName(*mCurrentRole), " role...");
            Tell([&] {
                return table_events::ForSeat(TableEvent::Kind::TurnStarted, *mCurrentPlayer);
            });
            PerformRole();
        }
        mCurrentPlayer = mCurrentPlayer->NextPlayer();
    } while (mCurrentPlayer != mRoleChooser);
    return true;
}

// A copy taken while a seat decides in the middle of its turn finishes that turn first. False
// when no turn was waiting.
bool qlGame::ResumeTurn() {
    if (mPendingBuild) {
        ResumeBuild();
    } else if (mPendingKeep) {
        KeepCouncilCards(*mCurrentPlayer);
    } else {
        return false;
    }
    mRoleChooser->SetGetsRoleBenefit(false);
    return true;
}

void qlGame::StartRound() {
    ++mRounds;
    const bool firstRound = mGovernor == nullptr;
    mGovernor = firstRound ? &Player(1) : mGovernor->NextPlayer();
    for (int i = 0; i < 4; ++i) {
        mTable->ShowRole(i, "");
    }
    mTable->ShowGovernor(mGovernor->PlayerNumber() - 1);
    Tell(
        [&] { return table_events::ForSeat(TableEvent::Kind::RoundStarted, *mGovernor, mRounds); });
    mCurrentPlayer = mRoleChooser = mGovernor;
    ClearSelectedRoles();
    qlPlayer* seat = &Player(1);
    do {
        GovernorPhase(*seat, firstRound);
        seat = seat->NextPlayer();
    } while (seat != &Player(1));
    GovernorPhasesDone.Raise(*this);
    for (int i = 0; i < 5; ++i) {
        mRolesFree[static_cast<std::size_t>(i)] = true;
        mTable->EnableRole(i, true);
    }
}

void qlGame::ChooseRole() {
    mRoleChooser->SetGetsRoleBenefit(true);
    if (const int role = DeciderOf(*mRoleChooser).PickRole(*this, *mRoleChooser); role >= 0) {
        SelectRole(role);
    }
}

void qlGame::cmdRoles_Click(int index) {
    if (mHuman) {
        mHuman->PressRole(index);
    }
}

bool qlGame::HumanChoosesRole() const {
    return mHuman && mHuman->ChoosingRole();
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
        return "Player " + std::to_string(mRoleChooser->PlayerNumber()) +
               " Selected Role: " + RoleName(role);
    });
    Tell([&] { return table_events::RoleChosen(*mRoleChooser, RoleName(role)); });
}

void qlGame::PerformRole() {
    switch (*mCurrentRole) {
        case Role::Councillor:
            CouncillorPhase();
            break;
        case Role::Builder:
            BuilderPhase();
            break;
        case Role::Producer:
            ProducerPhase();
            break;
        case Role::Trader:
            TraderPhase();
            break;
        case Role::Prospector:
            ProspectorPhase();
            break;
    }
    mRoleChooser->SetGetsRoleBenefit(false);
}

void qlGame::ClearSelectedRoles() {
    for (const auto& seat : mPlayers) {
        seat->SetSelectedRole(false);
    }
}

Integer qlGame::ComputeBuildingsLeft() const {
    Long largest = 0;
    qlPlayer* seat = &Player(1);
    do {
        largest = std::max(largest, seat->BuiltCards()->Count());
        seat = seat->NextPlayer();
    } while (seat != &Player(1));
    return static_cast<Integer>(12 - largest);
}

void qlGame::ShowStatus(std::string_view text, std::string_view more, std::string_view rest) {
    if (mTable->Silent()) {
        return;
    }
    std::string line = std::string(mCurrentPlayer->IsHuman() ? "Human " : "Robot ") +
                       std::to_string(mCurrentPlayer->PlayerNumber()) + ", ";
    line.append(text).append(more).append(rest);
    mTable->ShowStatus(line);
}

void qlGame::ClearStatus() {
    mTable->ShowStatus("");
}
