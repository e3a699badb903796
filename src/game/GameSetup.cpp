// Setting up one game: the seats, the piles, the starting buildings and hands.

#include <stdexcept>
#include <string>

#include "cards/Catalogue.h"
#include "game/HumanDecider.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

qlGame::qlGame(Table& table, Integer numberOfPlayers, Integer humanSeat,
               Random::SeedSource seedSource)
    : mTable(&table), mRandom(std::move(seedSource)) {
    mValues.NumberOfPlayers = numberOfPlayers;
    UseStandardDeciders();
    if (humanSeat >= 1 && humanSeat <= 4) {
        auto human = std::make_unique<HumanDecider>(table);
        mHuman = human.get();
        mDeciders[static_cast<std::size_t>(humanSeat - 1)] = std::move(human);
    }
}

qlGame::~qlGame() = default;

void qlGame::SetLogFiles(std::ostream* logFile, std::ostream* gameLogFile) {
    mLogFile = logFile;
    mGameLogFile = gameLogFile;
}

qlGame::Outcome qlGame::PlayGame() {
    if (mPlayStarted) {
        throw std::logic_error(
            "qlGame::PlayGame: this game has been played already; "
            "a new game needs a new qlGame");
    }
    mPlayStarted = true;
    if (mRoundLimit == 0) {
        mRoundLimit = kMostRounds;
    }
    SetUpGame();
    DealStartingHands();
    PlayDecisions();
    if (!ExitRequested() && !mGameOver && mRounds >= mRoundLimit) {
        EndGame("No city reached twelve buildings in " + std::to_string(mRounds) +
                " rounds: the game ends here.\r\n\r\n");
        return Outcome::RoundCapped;
    }
    return FinishGame();
}

qlGame::Outcome qlGame::PlayOn() {
    PlayDecisions();
    return FinishGame();
}

qlGame::Outcome qlGame::FinishGame() {
    if (ExitRequested()) {
        return Outcome::Exited;
    }
    if (!mGameOver) {
        return Outcome::Abandoned;
    }
    EndGame();
    return Outcome::Finished;
}

void qlGame::SetUpGame() {
    ClearStatus();
    mValues.BuildingsLeft = 11;
    mGameOver = false;
    CreateSeats();
    mReserve = NewDeck();
    mDiscard = NewDeck();
    FollowSeats();
    mReserve->SetDiscardDeck(mDiscard);
    if (mCatalogueFile) {
        mReserve->LoadCatalogue(*mCatalogueFile, mRandom);
    } else {
        mReserve->Reset(mRandom);
    }
    mCatalogueSize = mReserve->Count();
    GiveStartingBuildings();
}

void qlGame::CreateSeats() {
    for (Integer n = 1; n <= 4; ++n) {
        mPlayers[n - 1] = std::make_unique<qlPlayer>(mValues);
        mPlayers[n - 1]->SetPlayerNumber(n);
    }
    mSeatsExist = true;
}

// The driver's own part in every build: the game ends once a city holds twelve buildings, and
// a covered building is counted. Then the table may redraw.
void qlGame::FollowSeats() {
    for (std::size_t i = 0; i < 4; ++i) {
        qlPlayer& seat = *mPlayers[i];
        mSeatSubscriptions[2 * i] =
            seat.BuiltNewCard.Subscribe([this, &seat](const Card&) { OnBuiltNewCard(seat); });
        mSeatSubscriptions[2 * i + 1] =
            seat.CoverOldCard.Subscribe([this](const Card&) { OnCoverOldCard(); });
    }
    mTable->SeatsReady({mPlayers[0].get(), mPlayers[1].get(), mPlayers[2].get(), mPlayers[3].get()},
                       *mReserve, *mDiscard);
}

void qlGame::OnBuiltNewCard(const qlPlayer& player) {
    if (player.BuiltCards()->Count() == 12) {
        mGameOver = true;
    }
}

void qlGame::OnCoverOldCard() {
    ++mCoveredCount;
}

void qlGame::GiveStartingBuildings() {
    const Integer players = mValues.NumberOfPlayers;
    const Long plants = mReserve->GetCardsByName("Indigo Plant")->Count();
    if (plants < players) {
        const std::string file = (mCatalogueFile ? *mCatalogueFile : CatalogueFile()).string();
        throw CatalogueError(file + ": the catalogue holds " + std::to_string(plants) +
                             " \"Indigo Plant\" cards, but each of the " + std::to_string(players) +
                             " seats starts with one");
    }
    for (Integer n = 1; n <= players; ++n) {
        Player(n).BuildCard(mReserve->DealCardByName("Indigo Plant"));
    }
}

void qlGame::DealStartingHands() {
    for (Integer n = 1; n <= mValues.NumberOfPlayers; ++n) {
        Player(n).SetCardsInHand(Draw(n + 4));
    }
}

void qlGame::SetDecider(Integer seatNumber, std::unique_ptr<SeatDecider> decider) {
    std::unique_ptr<SeatDecider>& seat = mDeciders[static_cast<std::size_t>(seatNumber - 1)];
    if (seat.get() == mHuman) {
        mHuman = nullptr;
    }
    seat = std::move(decider);
}

void qlGame::UseStandardDeciders() {
    for (std::unique_ptr<SeatDecider>& decider : mDeciders) {
        decider = std::make_unique<StandardDecider>();
    }
}
