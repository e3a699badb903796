#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cards/CardRefs.h"
#include "cards/qlCards.h"
#include "cards/qlTradeTiles.h"
#include "core/Event.h"
#include "core/Random.h"
#include "core/Types.h"
#include "game/SeatDecider.h"
#include "game/Table.h"
#include "players/Role.h"
#include "players/qlPlayer.h"

// One game from set-up to final scores: the seats, the piles, the tiles, whose turn it is, the
// flags, the game-wide values and the random generator's state. Every seat decides through its
// own SeatDecider. A game can be copied whole at any role choice and the copy played on at its
// own table, leaving the original untouched.
class HumanDecider;

class qlGame {
  public:
    // RoundCapped: no city reached twelve buildings within kMostRounds rounds (a catalogue
    // with which no seat can build); the game ended there with the scores so far.
    enum class Outcome { Finished, Exited, Abandoned, RoundCapped };
    static constexpr Long kMostRounds = 200;

    // A game for `numberOfPlayers` seats (2 to 4) with the human at `humanSeat` (1 to 4; a
    // seat outside the game leaves every seat to the computer), played at `table`.
    qlGame(Table& table, Integer numberOfPlayers, Integer humanSeat,
           Random::SeedSource seedSource = Random::TimeOfDaySource());
    // A deep copy of `other` played at `table`: every card, seat and pile is the copy's own.
    qlGame(const qlGame& other, Table& table);
    qlGame(const qlGame&) = delete;
    qlGame& operator=(const qlGame&) = delete;
    ~qlGame();

    // The logs the game writes to; either may be nothing, and then that log is skipped.
    void SetLogFiles(std::ostream* logFile, std::ostream* gameLogFile);
    // Reads the catalogue from this file instead of the data folder's.
    void SetCatalogueFile(std::filesystem::path file) { mCatalogueFile = std::move(file); }

    // Plays the whole game: set-up, the rounds, and the end unless the player left. Throws
    // CatalogueError at set-up for a catalogue the game cannot be played with, and
    // std::logic_error on a game that has been played (or copied from one) already.
    Outcome PlayGame();
    // Plays a copied game on from the role choice it was copied at, to its end.
    Outcome PlayOn();

    // The role button handler: the human's choice of role. A click at any other moment, or on
    // a role already taken, is ignored.
    void cmdRoles_Click(int index);
    // Makes a seat (1 to 4) a computer seat playing by the standard rules: for copies played
    // on without a human.
    void SetComputerSeat(Integer seatNumber);
    // Lets `decider` decide for a seat (1 to 4) from now on. Every seat of a new game but the
    // human's decides by the standard rules; every seat of a copy does.
    void SetDecider(Integer seatNumber, std::unique_ptr<SeatDecider> decider);

    // For the look-ahead of a strong player, on a copy: the role the chooser takes at the
    // role choice the copy resumes at, the building (by name, "" for none) the seat builds
    // at the build choice it resumes at, or the cards it keeps of the councillor's draw.
    void ForceRole(int index);
    // Stops the game once it would start round `rounds`, as no game may play on forever where
    // no seat can build: a copy played on gives up without scores, a game played whole ends
    // with the scores so far (after kMostRounds rounds when no limit is set).
    void SetRoundLimit(Long rounds) { mRoundLimit = rounds; }
    void ForceBuild(std::string name);
    void ForceKeep(std::vector<std::string> names);
    // Deals afresh from `seed` everything `viewer` (a seat number) cannot see: the other
    // hands and chapels, the draw and discard piles, the goods on the buildings, the tiles not
    // turned up yet and every random draw still to come, keeping every count the seat can see. Only
    // for copies: the seat's thinking plays on these, and can never be given the real future.
    void RedealHidden(Integer viewer, std::uint64_t seed);

    // Raised at every role choice, before the chooser picks: the moment a game may be copied.
    Event<const qlGame&> BeforeRoleChoice;
    // Raised after every seat has performed a role, and after every round's governor phases.
    Event<const qlGame&> RolePerformed;
    Event<const qlGame&> GovernorPhasesDone;

    // What the game shows and what a copy or a check needs to read.
    qlPlayer& Player(Integer seatNumber) const { return *mPlayers[seatNumber - 1]; }
    const DeckRef& Reserve() const { return mReserve; }
    const DeckRef& Discard() const { return mDiscard; }
    qlPlayer* Governor() const { return mGovernor; }
    qlPlayer* RoleChooser() const { return mRoleChooser; }
    qlPlayer* CurrentPlayer() const { return mCurrentPlayer; }
    // The role being performed; none at a role choice and between rounds.
    const std::optional<Role>& CurrentRole() const { return mCurrentRole; }
    const std::array<bool, 5>& RolesFree() const { return mRolesFree; }
    bool GameOver() const { return mGameOver; }
    Integer NumberOfPlayers() const { return mValues.NumberOfPlayers; }
    Integer BuildingsLeft() const { return mValues.BuildingsLeft; }
    // Cards of the catalogue, and those gone from play under a covering building.
    Long CatalogueSize() const { return mCatalogueSize; }
    Long CoveredCount() const { return mCoveredCount; }
    // Rounds started and roles chosen so far.
    Long Rounds() const { return mRounds; }
    Long RolesChosen() const { return mRolesChosen; }
    // True while the human is to press a role button.
    bool HumanChoosesRole() const;
    // At a seat's build choice, the cost the crane and the black market have already covered;
    // none at any other moment.
    std::optional<Integer> BuildSavings() const;
    // The winner by the rules of the final scores; never nothing once the seats exist.
    qlPlayer& GetWinner() const;
    // What breaks a tie for the most points: cards in hand plus buildings holding a good.
    static Long TieValue(const qlPlayer& seat);

  private:
    friend class GameTestAccess;

    // A build waiting for the seat's choice of building: what the crane and the black market
    // have already settled.
    struct PendingBuild {
        CardRef covered;
        Integer goodsUsed = 0;
    };  // arranges positions for the scenario tests
    // A councillor's choice waiting for the seat: the cards drawn and how many it keeps.
    struct PendingKeep {
        DeckRef drawn;
        Integer keep = 1;
        bool archive = false;
    };

    // Cards from the top of the draw pile, refilled from the shuffled discards when it runs out.
    DeckRef Draw(int count) { return mReserve->Deal(count, mRandom); }

    // Set-up and the round loop.
    void SetUpGame();
    void CreateSeats();
    void GiveStartingBuildings();
    void DealStartingHands();
    Outcome FinishGame();
    void PlayRounds();
    bool PlayRoleChoices();
    void EndRoleChoice();
    void StartRound();
    void ChooseRole();
    void SelectRole(int index);
    bool PerformRoleForEverySeat();
    bool ResumeTurn();
    void PerformRole();
    void ClearSelectedRoles();
    Integer ComputeBuildingsLeft() const;
    // "Robot 2, " and the text in up to three parts, put together only for a table that shows it.
    void ShowStatus(std::string_view text, std::string_view more = {}, std::string_view rest = {});
    void ClearStatus();
    bool ExitRequested() const { return mTable->ExitRequested(); }
    void FollowSeats();

    // The phases; each acts on the current player.
    void GovernorPhase(qlPlayer& player, bool firstRound);
    void BuryInChapel(qlPlayer& player);
    void CutHandToLimit(qlPlayer& player, bool firstRound);
    void BuilderPhase();
    CardRef ChooseBuildingToCover(qlPlayer& player);
    Integer SpendGoodsAtBlackMarket(qlPlayer& player);
    static Integer Savings(const PendingBuild& build);
    void ResumeBuild();
    void FinishBuild(qlPlayer& player, const DeckRef& choice, const CardRef& covered,
                     Integer goodsUsed);
    void Build(qlPlayer& player, const CardRef& building, const CardRef& covered);
    void DrawAfterBuilding(qlPlayer& player, const CardRef& building);
    void CouncillorPhase();
    void KeepCouncilCards(qlPlayer& player);
    void ProspectorPhase();
    void WorkGoldMine(qlPlayer& player);
    void ShowGoldMine(const qlPlayer& player, const DeckRef& mine, bool gold, const DeckRef& taken);
    void ProducerPhase();
    void TraderPhase();
    void DrawTradeTile();
    Integer GoodValue(const qlCard& building) const;

    // Who decides for `seat`; every seat of a copy decides by the standard rules.
    SeatDecider& DeciderOf(const qlPlayer& seat) const {
        return *mDeciders[static_cast<std::size_t>(seat.PlayerNumber() - 1)];
    }
    void UseStandardDeciders();

    // The end of the game and the logs.
    void EndGame(const std::string& preface = {});
    void WriteResultsLog();
    void ShowFinalScores(const std::string& preface);
    void ReleaseGame();
    // Writes the line `make` returns to the game log; it is made only when a game log is open.
    template <typename Make>
    void WriteGameLog(const Make& make) {
        if (mGameLogFile) {
            WriteGameLogLine(make());
        }
    }
    // Writes one line to the open game log and flushes it.
    void WriteGameLogLine(const std::string& line);
    void LogOverBuild(const qlPlayer& player, const char* stage, const CardRef& covered);
    // Shows the table event `make` returns; it is made only when the table follows events.
    template <typename Make>
    void Tell(const Make& make) const {
        if (mTable->FollowsEvents()) {
            mTable->ShowEvent(make());
        }
    }

    void OnBuiltNewCard(const qlPlayer& player);
    void OnCoverOldCard(const CardRef& covered);

    Table* mTable;
    GameValues mValues;
    Integer mHumanSeat = 0;
    Random::Stream mRandom;
    std::array<std::unique_ptr<qlPlayer>, 4> mPlayers;
    std::array<Subscription, 8> mSeatSubscriptions;
    DeckRef mReserve;
    DeckRef mDiscard;
    std::optional<qlTradeTiles> mTradeTiles;
    qlTradeTiles::Tile mGoodValues{};
    qlPlayer* mCurrentPlayer = nullptr;
    qlPlayer* mGovernor = nullptr;
    qlPlayer* mRoleChooser = nullptr;
    std::optional<Role> mCurrentRole;
    std::array<bool, 5> mRolesFree{};
    bool mRoundOpen = false;
    bool mPerforming = false;
    std::optional<PendingBuild> mPendingBuild;
    std::optional<PendingKeep> mPendingKeep;
    std::array<std::unique_ptr<SeatDecider>, 4> mDeciders;
    HumanDecider* mHuman = nullptr;  // the human seat's decider, while it has one
    bool mGameOver = false;
    bool mSeatsExist = false;
    bool mPlayStarted = false;
    Long mCatalogueSize = 0;
    Long mCoveredCount = 0;
    Long mRounds = 0;
    Long mRolesChosen = 0;
    Long mTilesTurned = 0;
    Long mRoundLimit = 0;
    std::optional<std::filesystem::path> mCatalogueFile;
    std::ostream* mLogFile = nullptr;
    std::ostream* mGameLogFile = nullptr;
};
