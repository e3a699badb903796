#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ai/Opponents.h"
#include "cards/CardRefs.h"
#include "cards/qlCards.h"
#include "cards/qlTradeTiles.h"
#include "core/Event.h"
#include "core/Random.h"
#include "core/Types.h"
#include "game/Decision.h"
#include "game/SeatDecider.h"
#include "game/Table.h"
#include "players/Role.h"
#include "players/qlPlayer.h"

// One game from set-up to final scores: the seats, the piles, the tiles, whose turn it is, the
// flags, the game-wide values and the random generator's state. The rules run from one decision
// to the next: Pending names the decision the game waits for, Apply carries a seat's choice out
// and runs on to the next one, and every seat answers through its own SeatDecider. Where the game
// stands is all in its members, never on the call stack, so a game can be copied whole at any
// decision and the copy played on at its own table, leaving the original untouched.
class HumanDecider;

class qlGame {
  public:
    // RoundCapped: no city reached twelve buildings within kMostRounds rounds (a catalogue
    // with which no seat can build); the game ended there with the scores so far.
    enum class Outcome { Finished, Exited, Abandoned, RoundCapped };
    static constexpr Long kMostRounds = 200;
    // The milliseconds of the table's pause after a computer seat's move.
    static constexpr Long kComputerPause = 2000;

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
    // Plays a copied game on from the decision it was copied at, to its end.
    Outcome PlayOn();

    // The decision the game waits for; DecisionKind::None before set-up, once the game is over
    // and once it has stopped (the player left, or the round limit came).
    Decision Pending() const;
    // Carries out `choice` for the pending decision and runs the rules on to the next one.
    // Throws std::invalid_argument for a choice the rules do not allow there, changing nothing.
    void Apply(const Choice& choice);

    // The role button handler: the human's choice of role. A click at any other moment, or on
    // a role already taken, is ignored.
    void cmdRoles_Click(int index);
    // Lets `decider` decide for a seat (1 to 4) from now on. Every seat of a new game but the
    // human's decides by the standard rules; every seat of a copy does.
    void SetDecider(Integer seatNumber, std::unique_ptr<SeatDecider> decider);

    // Stops the game once it would start round `rounds`, as no game may play on forever where
    // no seat can build: a copy played on gives up without scores, a game played whole ends
    // with the scores so far (after kMostRounds rounds when no limit is set).
    void SetRoundLimit(Long rounds) { mRoundLimit = rounds; }
    // Deals afresh from `seed` everything `viewer` (a seat number) cannot see: the other
    // hands and chapels, the draw and discard piles, the goods on the buildings, the tiles not
    // turned up yet and every random draw still to come, keeping every count the seat can see. Only
    // for copies: the seat's thinking plays on these, and can never be given the real future.
    void RedealHidden(Integer viewer, std::uint64_t seed);

    // Raised as every role choice begins, before the chooser has the privilege.
    Event<const qlGame&> BeforeRoleChoice;
    // Raised after every seat has performed a role, and after every round's governor phases.
    Event<const qlGame&> RolePerformed;
    Event<const qlGame&> GovernorPhasesDone;

    // What the game shows and what a copy or a check needs to read.
    qlPlayer& Player(Integer seatNumber) const { return *mPlayers[seatNumber - 1]; }
    const DeckRef& Reserve() const { return mReserve; }
    const DeckRef& Discard() const { return mDiscard; }
    // Seat numbers (1 to 4), 0 before the first round.
    Integer Governor() const { return mGovernor; }
    Integer RoleChooser() const { return mRoleChooser; }
    Integer CurrentPlayer() const { return mCurrentPlayer; }
    // The seat that plays after `seatNumber`, round the table.
    Integer NextSeat(Integer seatNumber) const {
        return static_cast<Integer>(seatNumber % mValues.NumberOfPlayers + 1);
    }
    // The other seats in play order from the one after `seatNumber`: those a computer seat
    // weighs itself against. Held in place, as every computer decision asks for them.
    struct OtherSeats {
        std::array<const qlPlayer*, 3> seats{};
        std::size_t count = 0;
        operator ai::Opponents() const { return {seats.data(), count}; }
        std::size_t size() const { return count; }
        const qlPlayer* operator[](std::size_t k) const { return seats[k]; }
    };
    OtherSeats OthersAfter(Integer seatNumber) const;
    // Whether the human decides for a seat (1 to 4): the rules word some things for the human.
    bool IsHuman(Integer seatNumber) const {
        return seatNumber >= 1 && seatNumber <= 4 && DeciderOf(seatNumber).IsHuman();
    }
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

    // Where the rules stand between two decisions: the next thing they do when the game runs
    // on. Decide: they wait for the decision mAwaiting names; Stopped: the player left or the
    // round limit came; Over: a city holds twelve buildings once the role is done.
    enum class Step : std::uint8_t {
        StartRound,        // the governor passes and the round's governor phases begin
        GovernorTurn,      // the governor phase of mGovernorSeat: its library, its chapel
        HandLimit,         // the same seat's hand cut to its limit
        NextGovernorTurn,  // the next seat's governor phase, or the round's first role choice
        RoleChoice,        // the role chooser picks a role
        Turn,              // the current seat performs the role
        TurnDone,          // the next seat's turn, or the role is done
        RoleDone,          // the next role choice, or the next round
        Decide,
        Stopped,
        Over,
    };
    // What the rules have settled for the decision they wait for, or for the rest of the turn.
    struct TurnState {
        Card covered;         // the building the crane builds over
        Integer goodsUsed{};  // goods spent at the black market
        Card building;        // the card being built, out of the hand while it is paid for
        Integer cost{};       // what the seat pays for it
        DeckRef offered;      // the councillor's draw, or the gold mine's four cards
        Integer keep = 1;     // how many of the draw the councillor keeps
        bool archive = false;
    };

    // Cards from the top of the draw pile, refilled from the shuffled discards when it runs out.
    DeckRef Draw(int count) { return mReserve->Deal(count, mRandom); }

    // Set-up and the game loop.
    void SetUpGame();
    void CreateSeats();
    void GiveStartingBuildings();
    void DealStartingHands();
    Outcome FinishGame();
    // Runs the rules on to the next decision, and answers decisions by the seats' deciders
    // until the game is over or stops.
    void Advance();
    void PlayDecisions();
    void RunStep();
    void Await(DecisionKind kind) {
        mAwaiting = kind;
        mStep = Step::Decide;
    }
    // The number of the seat whose decision is pending.
    Integer DecidingSeat() const;
    // Apply, for `pending`, the decision Pending names.
    void Apply(const Decision& pending, const Choice& choice);
    void CheckChoice(const Decision& pending, const Choice& choice) const;
    void CarryOut(const Choice& choice);

    // The round: its start, the governor phases, the role choices and every seat's turn.
    void StartRound();
    void StartGovernorTurn();
    void StartHandLimit();
    void NextGovernorTurn();
    void StartRoleChoice();
    void SelectRole(int index);
    void StartTurn();
    // The current seat's phase of the current role, up to its first decision or to its end.
    void BeginPhase();
    void EndTurn();
    void EndRole();
    void ClearSelectedRoles();
    Integer ComputeBuildingsLeft() const;
    // "Robot 2, " and the text in up to three parts, put together only for a table that shows it.
    void ShowStatus(std::string_view text, std::string_view more = {}, std::string_view rest = {});
    void ClearStatus();
    bool ExitRequested() const { return mTable->ExitRequested(); }
    void FollowSeats();

    // The phases, each from its start to its first decision, and on from each decision; each
    // acts on the current player (the governor phases on mGovernorSeat).
    void BuryInChapel(qlPlayer& player, const DeckRef& chapel);
    void CutHandToLimit(qlPlayer& player, const Choice& choice);
    void BuilderPhase();
    void AfterCrane(const DeckRef& cover);
    void AfterBlackMarket(const DeckRef& goods);
    void ChooseBuilding(const DeckRef& choice);
    void FinishBuild(const DeckRef& payment);
    void Build(qlPlayer& player, const Card& building, const Card& covered);
    void DrawAfterBuilding(qlPlayer& player, const Card& building);
    void CouncillorPhase();
    void KeepCouncilCards(const Choice& choice);
    void ProspectorPhase();
    void WorkGoldMine();
    void FinishGoldMine(const DeckRef& taken);
    void ShowGoldMine(const qlPlayer& player, const DeckRef& mine, bool gold, const DeckRef& taken);
    void ProducerPhase(const DeckRef& chosen);
    void TraderPhase(const DeckRef& chosen);
    // Takes the good off a building of the seat's city into the discard pile, if it has one.
    void DiscardGood(qlPlayer& player, const Card& building);
    void DrawTradeTile();
    Integer GoodValue(const qlCard& building) const;

    // Who decides for a seat (1 to 4); every seat of a copy decides by the standard rules.
    SeatDecider& DeciderOf(Integer seatNumber) const {
        return *mDeciders[static_cast<std::size_t>(seatNumber - 1)];
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
    void LogOverBuild(const qlPlayer& player, const char* stage, const Card& covered);
    // Shows the table event `make` returns; it is made only when the table follows events.
    template <typename Make>
    void Tell(const Make& make) const {
        if (mTable->FollowsEvents()) {
            mTable->ShowEvent(make());
        }
    }

    void OnBuiltNewCard(const qlPlayer& player);
    void OnCoverOldCard();

    Table* mTable;
    GameValues mValues;
    Random::Stream mRandom;
    std::array<std::unique_ptr<qlPlayer>, 4> mPlayers;
    std::array<Subscription, 8> mSeatSubscriptions;
    DeckRef mReserve;
    DeckRef mDiscard;
    std::optional<qlTradeTiles> mTradeTiles;
    qlTradeTiles::Tile mGoodValues{};
    // Seat numbers, 0 for none.
    Integer mCurrentPlayer = 0;
    Integer mGovernor = 0;
    Integer mRoleChooser = 0;
    std::optional<Role> mCurrentRole;
    std::array<bool, 5> mRolesFree{};
    Step mStep = Step::StartRound;
    DecisionKind mAwaiting = DecisionKind::None;
    Integer mGovernorSeat = 0;  // the seat in its governor phase
    bool mFirstRound = false;
    TurnState mTurn;
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
