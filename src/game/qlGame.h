#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ai/Opponents.h"
#include "cards/Card.h"
#include "cards/qlCards.h"
#include "cards/qlTradeTiles.h"
#include "core/Event.h"
#include "core/Random.h"
#include "core/Types.h"
#include "game/Decision.h"
#include "game/GameState.h"
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
    // A copy of `other`'s state played at `table`, every seat deciding by the standard rules.
    qlGame(const qlGame& other, Table& table);
    qlGame(const qlGame&) = delete;
    qlGame& operator=(const qlGame&) = delete;
    ~qlGame();

    // The logs the game writes to; either may be nothing, and then that log is skipped.
    void SetLogFiles(std::ostream* logFile, std::ostream* gameLogFile);
    // Reads the catalogue from this file instead of the data folder's.
    void SetCatalogueFile(std::filesystem::path file) { mCatalogueFile = std::move(file); }
    // Deals from these buildings, read already from the catalogue file the game reads (the
    // games of a run share them, without a look at the file for each).
    void SetCatalogue(std::shared_ptr<const std::vector<CatalogueEntry>> entries) {
        mCatalogueEntries = std::move(entries);
    }

    // Plays the whole game at a table where every seat answers at once: set-up, the rounds, and
    // the end unless the player left. Throws CatalogueError at set-up for a catalogue the game
    // cannot be played with, and std::logic_error on a game that has been played (or copied
    // from one) already, or one that waits for an answer to come later.
    Outcome PlayGame();
    // Plays a copied game on from the decision it was copied at, to its end.
    Outcome PlayOn();

    // Sets the game up and plays it as far as it goes without waiting: for the table to let go
    // (a pause, a message), or for a seat that answers later. Throws as PlayGame does.
    void Start();
    // Plays on from where the game waits, once the table has let go or a seat's later answer
    // has come; does nothing while the game is playing on already (it then goes on by itself).
    void Continue();
    // The answer of the seat asked to answer later; plays on.
    void Answer(const Choice& choice);
    // The player leaves: the answer under way is given up, and the game plays on at once to
    // where it stops (the human's open question answered with its first cards, a thinking seat
    // answering with its first option), as the Exit button makes it.
    void Leave();
    // How the game ended; nothing while it is still being played.
    const std::optional<Outcome>& Result() const { return mResult; }

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

    // Answers given before (a journal's), handed back in order: asked at every decision, the
    // feed returns the recorded answer to take in place of the seat's own, or nothing to let
    // the seat decide. A recorded answer is carried out as any other, without a question.
    using AnswerFeed = std::function<std::optional<Choice>(const Decision&)>;
    void SetAnswerFeed(AnswerFeed feed) { mFeed = std::move(feed); }
    // Raised with every seat's answer the rules accept, before it is carried out; not for an
    // answer the feed gave, nor once the player has asked to leave (the answers the game then
    // gives itself only stop it).
    Event<const Decision&, const Choice&> AnswerGiven;
    // Raised as every role choice begins, before the chooser has the privilege.
    Event<const qlGame&> BeforeRoleChoice;
    // Raised after every seat has performed a role, and after every round's governor phases.
    Event<const qlGame&> RolePerformed;
    Event<const qlGame&> GovernorPhasesDone;

    // What the game shows and what a copy or a check needs to read.
    const GameState& State() const { return mState; }
    const qlPlayer& Player(Integer seatNumber) const { return mState.seats[seatNumber - 1]; }
    qlPlayer& Player(Integer seatNumber) { return mState.seats[seatNumber - 1]; }
    const qlCards& Reserve() const { return mState.reserve; }
    const qlCards& Discard() const { return mState.discard; }
    // Seat numbers (1 to 4), 0 before the first round.
    Integer Governor() const { return mState.governor; }
    Integer RoleChooser() const { return mState.roleChooser; }
    Integer CurrentPlayer() const { return mState.currentPlayer; }
    // The seat that plays after `seatNumber`, round the table.
    Integer NextSeat(Integer seatNumber) const {
        // A comparison, not a remainder: the seat ring is walked at every decision.
        return seatNumber >= mState.values.NumberOfPlayers ? Integer{1}
                                                           : static_cast<Integer>(seatNumber + 1);
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
    const std::optional<Role>& CurrentRole() const { return mState.currentRole; }
    const std::array<bool, 5>& RolesFree() const { return mState.rolesFree; }
    bool GameOver() const { return mState.gameOver; }
    Integer NumberOfPlayers() const { return mState.values.NumberOfPlayers; }
    Integer BuildingsLeft() const { return mState.values.BuildingsLeft; }
    // Cards of the catalogue, and those gone from play under a covering building.
    Long CatalogueSize() const { return mState.catalogueSize; }
    Long CoveredCount() const { return mState.coveredCount; }
    // Rounds started and roles chosen so far.
    Long Rounds() const { return mState.rounds; }
    Long RolesChosen() const { return mState.rolesChosen; }
    // True while the human is to press a role button.
    bool HumanChoosesRole() const;
    // At a seat's build choice, the cost the crane and the black market have already covered;
    // none at any other moment.
    std::optional<Integer> BuildSavings() const;
    // The winner by the rules of the final scores; never nothing once the seats exist.
    const qlPlayer& GetWinner() const;
    // What breaks a tie for the most points: cards in hand plus buildings holding a good.
    static Long TieValue(const qlPlayer& seat);

  private:
    friend class GameTestAccess;

    // Cards from the top of the draw pile, refilled from the shuffled discards when it runs out.
    qlCards Draw(int count) { return mState.reserve.Deal(count, mState.discard, mState.random); }
    // The top card, as Draw(1) gives it; none when both piles have run dry.
    Card DrawCard() { return mState.reserve.DealCard(mState.discard, mState.random); }
    // Adds the top card, if there is one, to the seat's hand.
    void DrawInto(qlPlayer& player) {
        if (const Card card = DrawCard()) {
            player.CardsInHand().AddCard(card);
        }
    }

    // Set-up and the game loop.
    void SetUpGame();
    void CreateSeats();
    void GiveStartingBuildings();
    void DealStartingHands();
    Outcome FinishGame();
    // Runs the rules on to the next decision, or until the table holds the game.
    void Advance();
    // Answers decisions by the seats' deciders until the game is over or stops (true), or
    // until it waits for the table or for a later answer (false).
    bool PlayDecisions();
    // The seat's answer to `decision`: the game stops (true) when the seat left at its role
    // choice; otherwise the answer waits through the table's pause or is carried out, checked
    // first unless `byTheRules` (see AnswersByTheRules).
    bool TakeAnswer(const Decision& decision, const SeatDecider& decider, Choice&& choice,
                    bool byTheRules = false);
    // Whether the seat's next answer is the game's own standard rules' with nobody to follow
    // it: such an answer is legal by construction and is carried out unchecked, and its
    // decision is described without the options a check or a follower would read.
    bool AnswersByTheRules(Integer seatNumber) const {
        return mByTheRules[static_cast<std::size_t>(seatNumber - 1)] && !mFeed &&
               !AnswerGiven.Followed();
    }
    void RunStep();
    void Await(DecisionKind kind) {
        mState.awaiting = kind;
        mState.step = RulesStep::Decide;
    }
    // The number of the seat whose decision is pending.
    Integer DecidingSeat() const;
    // Apply, for `pending`, the decision Pending names.
    void Apply(const Decision& pending, const Choice& choice);
    // Pending's decision, its options left empty unless `withOptions`; the options of the
    // decision the game waits for, of the deciding `seat`.
    Decision Describe(bool withOptions) const;
    qlCards Options(const qlPlayer& seat) const;
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
    // "Robot 2, " and the text in parts, put together (and their lengths taken) only for a table
    // that shows it.
    template <typename... Parts>
    void ShowStatus(const Parts&... parts) {
        if (!mSilent) {
            ShowStatusLine({std::string_view(parts)...});
        }
    }
    void ShowStatusLine(std::initializer_list<std::string_view> parts);
    void ClearStatus();
    bool ExitRequested() const { return mTable->ExitRequested(); }
    bool Holding() const { return !mSilent && mTable->Holding(); }
    // Shows a seat area's role label, at a table that shows anything.
    void ShowRole(Integer seatNumber, const char* role) const {
        if (!mSilent) {
            mTable->ShowRole(seatNumber - 1, role);
        }
    }
    // Tells the table the seats are ready; tells it of a seat's hand and the piles' counts.
    void ShowSeats();
    void ShowCards(const qlPlayer& seat);
    // Sets the buildings left, for the game and for each seat's decisions.
    void SetBuildingsLeft(Integer left);

    // The phases, each from its start to its first decision, and on from each decision; each
    // acts on the current player (the governor phases on mState.governorSeat).
    void BuryInChapel(qlPlayer& player, const qlCards& chapel);
    void CutHandToLimit(qlPlayer& player, const Choice& choice);
    void BuilderPhase();
    void AfterCrane(const qlCards& cover);
    void AfterBlackMarket(const qlCards& goods);
    void ChooseBuilding(const qlCards& choice);
    void FinishBuild(const qlCards& payment);
    void Build(qlPlayer& player, const Card& building, const Card& covered);
    void Built(const qlPlayer& player, Card building);
    void DrawAfterBuilding(qlPlayer& player, const Card& building);
    void CouncillorPhase();
    void KeepCouncilCards(const Choice& choice);
    void ProspectorPhase();
    void GoldMineStep();
    void WorkGoldMine();
    void FinishGoldMine(const qlCards& taken);
    void ShowGoldMine(const qlPlayer& player, const qlCards& mine, bool gold, const qlCards& taken);
    void ProducerPhase(const qlCards& chosen);
    void TraderPhase(const qlCards& chosen);
    // Takes the good off a building of the seat's city into the discard pile, if it has one.
    void DiscardGood(qlPlayer& player, const Card& building);
    // Lays a good on a building of the seat's city, or takes it off with nothing.
    void LayGood(qlPlayer& player, Card building, Card good);
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

    Table* mTable;
    // The table's Silent(), read once: a silent table shows nothing and never holds the game.
    bool mSilent;
    GameState mState;
    std::array<std::unique_ptr<SeatDecider>, 4> mDeciders;
    HumanDecider* mHuman = nullptr;  // the human seat's decider, while it has one
    // The seats whose decider the game made itself by the standard rules.
    std::array<bool, 4> mByTheRules{};
    // Where the driving of the game stands (never copied: a copy drives afresh).
    bool mDriving = false;          // PlayDecisions is running: an answer given now waits for it
    bool mAsked = false;            // the deciding seat answers later
    std::optional<Choice> mAnswer;  // and here is its answer
    std::optional<Choice> mPaused;  // a computer seat's answer, carried out after its pause
    AnswerFeed mFeed;
    bool mFed = false;  // the answer to be carried out came from the feed
    std::optional<Outcome> mResult;
    bool mPlayedWhole = false;  // from its set-up: a game stopped by the round limit is scored
    Long mRoundLimit = 0;
    std::optional<std::filesystem::path> mCatalogueFile;
    std::shared_ptr<const std::vector<CatalogueEntry>> mCatalogueEntries;
    std::ostream* mLogFile = nullptr;
    std::ostream* mGameLogFile = nullptr;
};
