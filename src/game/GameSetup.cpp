// Setting up one game: the seats, the piles, the starting buildings and hands.

#include <stdexcept>
#include <string>

#include "cards/Catalogue.h"
#include "game/HumanDecider.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

qlGame::qlGame(Table& table, Integer numberOfPlayers, Integer humanSeat,
               Random::SeedSource seedSource)
    : mTable(&table), mSilent(table.Silent()) {
    mState.random = Random::Stream(std::move(seedSource));
    mState.values.NumberOfPlayers = numberOfPlayers;
    UseStandardDeciders();
    if (humanSeat >= 1 && humanSeat <= 4) {
        auto human = std::make_unique<HumanDecider>(table);
        mHuman = human.get();
        mDeciders[static_cast<std::size_t>(humanSeat - 1)] = std::move(human);
        mByTheRules[static_cast<std::size_t>(humanSeat - 1)] = false;
    }
}

qlGame::~qlGame() = default;

void qlGame::SetLogFiles(std::ostream* logFile, std::ostream* gameLogFile) {
    mLogFile = logFile;
    mGameLogFile = gameLogFile;
}

qlGame::Outcome qlGame::PlayGame() {
    Start();
    if (!mResult) {
        throw std::logic_error("qlGame::PlayGame: a seat answers later; drive the game instead");
    }
    return *mResult;
}

void qlGame::Start() {
    if (mState.playStarted) {
        throw std::logic_error(
            "qlGame::PlayGame: this game has been played already; "
            "a new game needs a new qlGame");
    }
    mState.playStarted = true;
    mPlayedWhole = true;
    if (mRoundLimit == 0) {
        mRoundLimit = kMostRounds;
    }
    SetUpGame();
    DealStartingHands();
    Continue();
}

qlGame::Outcome qlGame::PlayOn() {
    Continue();
    if (!mResult) {
        throw std::logic_error("qlGame::PlayOn: a seat answers later; drive the game instead");
    }
    return *mResult;
}

qlGame::Outcome qlGame::FinishGame() {
    if (ExitRequested()) {
        return Outcome::Exited;
    }
    if (!mState.gameOver) {
        if (mPlayedWhole && mState.rounds >= mRoundLimit) {
            EndGame("No city reached twelve buildings in " + std::to_string(mState.rounds) +
                    " rounds: the game ends here.\r\n\r\n");
            return Outcome::RoundCapped;
        }
        return Outcome::Abandoned;
    }
    EndGame();
    return Outcome::Finished;
}

void qlGame::SetUpGame() {
    ClearStatus();
    mState.values.BuildingsLeft = 11;
    mState.gameOver = false;
    CreateSeats();
    mState.reserve.Clear();
    mState.discard.Clear();
    ShowSeats();
    if (mCatalogueEntries) {
        mState.reserve.LoadCatalogue(mCatalogueEntries, mState.random);
    } else if (mCatalogueFile) {
        mState.reserve.LoadCatalogue(*mCatalogueFile, mState.random);
    } else {
        mState.reserve.Reset(mState.random);
    }
    mState.catalogueSize = mState.reserve.Count();
    mState.discard.Reserve(static_cast<std::size_t>(mState.catalogueSize));
    GiveStartingBuildings();
}

void qlGame::CreateSeats() {
    for (Integer n = 1; n <= 4; ++n) {
        mState.seats[n - 1] = qlPlayer(mState.values);
        mState.seats[n - 1].SetPlayerNumber(n);
    }
    mState.seatsExist = true;
}

void qlGame::ShowSeats() {
    mTable->SeatsReady({&mState.seats[0], &mState.seats[1], &mState.seats[2], &mState.seats[3]});
    mTable->PilesChanged(mState.reserve.Count(), mState.discard.Count());
}

void qlGame::ShowCards(const qlPlayer& seat) {
    if (mSilent) {
        return;
    }
    mTable->HandChanged(seat);
    mTable->PilesChanged(mState.reserve.Count(), mState.discard.Count());
}

void qlGame::SetBuildingsLeft(Integer left) {
    mState.values.BuildingsLeft = left;
    for (qlPlayer& seat : mState.seats) {
        seat.SetGame(mState.values);
    }
}

void qlGame::GiveStartingBuildings() {
    const Integer players = mState.values.NumberOfPlayers;
    const Long plants = mState.reserve.GetCardsByName("Indigo Plant").Count();
    if (plants < players) {
        const std::string file = (mCatalogueFile ? *mCatalogueFile : CatalogueFile()).string();
        throw CatalogueError(file + ": the catalogue holds " + std::to_string(plants) +
                             " \"Indigo Plant\" cards, but each of the " + std::to_string(players) +
                             " seats starts with one");
    }
    for (Integer n = 1; n <= players; ++n) {
        qlPlayer& seat = Player(n);
        const Card plant = mState.reserve.DealCardByName("Indigo Plant");
        seat.BuildCard(plant);
        mTable->CardBuilt(seat, plant);
    }
}

void qlGame::DealStartingHands() {
    for (Integer n = 1; n <= mState.values.NumberOfPlayers; ++n) {
        Player(n).SetCardsInHand(Draw(n + 4));
        ShowCards(Player(n));
    }
}

void qlGame::SetDecider(Integer seatNumber, std::unique_ptr<SeatDecider> decider) {
    std::unique_ptr<SeatDecider>& seat = mDeciders[static_cast<std::size_t>(seatNumber - 1)];
    if (seat.get() == mHuman) {
        mHuman = nullptr;
    }
    seat = std::move(decider);
    mByTheRules[static_cast<std::size_t>(seatNumber - 1)] = false;
}

void qlGame::UseStandardDeciders() {
    for (std::unique_ptr<SeatDecider>& decider : mDeciders) {
        decider = std::make_unique<StandardDecider>();
    }
    mByTheRules.fill(true);
}
