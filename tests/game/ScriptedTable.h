#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sstream>

#include "game/Table.h"
#include "game/qlGame.h"

namespace testing_support {

// A table that plays the human's side from a script and keeps the rules of the window's card
// chooser: no more than MaxAmt cards checked, none while the cards are inactive, OK only from
// MinAmt on, build mode offering only what the seat may build. Everything the game shows or
// asks is written down as one line of text, in order.
class ScriptedTable : public Table {
  public:
    void SetGame(qlGame* game) { mGame = game; }
    // Answers for the card questions, in order: the names of the offered cards to check, each
    // the first unchecked card of that name, or "#n" for the first n offered. A question with
    // no answer left confirms with nothing checked.
    void Answer(std::vector<std::string> names) { mAnswers.push_back(std::move(names)); }
    std::size_t AnswersLeft() const { return mAnswers.size(); }
    // Role indexes the human clicks, in order; once they run out the player asks to leave.
    void ClickRole(int index) { mRoles.push_back(index); }
    // Asks to leave before the next question of the game.
    void RequestExit() { mExit = true; }
    // Runs at every status text, with the text: checks of the moment.
    std::function<void(const std::string&)> onStatus;

    // What was shown and asked, one line each: "Ask <seat>: <caption> | min .. | ...",
    // "Message <flag> <picture>: <text>", "Points <seat> <n>".
    std::vector<std::string> shown;
    // Called as a building comes into a city.
    std::function<void(const qlPlayer&, Card)> onBuilt;
    // The questions' lines only.
    std::vector<std::string> Questions() const;
    // The table events in words, one line each, as the human in `seat` reads them.
    std::vector<std::string> Told(Integer seat) const;
    std::vector<std::string> statuses;
    std::vector<Long> pauses;

    std::unique_ptr<CardChooser> NewChooser() override;
    void ShowChooser(std::unique_ptr<CardChooser> chooser, int seatIndex,
                     Answered answered) override;
    void ShowMessage(int informational, int roleIndex, const std::string& text) override;
    void SeatsReady(const std::array<const qlPlayer*, 4>&) override {}
    void CardBuilt(const qlPlayer& seat, Card card) override {
        if (onBuilt) {
            onBuilt(seat, card);
        }
    }
    void SeatsReleased() override { shown.push_back("Released"); }
    void ShowStatus(const std::string& text) override;
    void ShowRole(int, const std::string&) override {}
    void ShowGovernor(int) override {}
    void ShowPoints(int seatIndex, Integer points) override;
    void EnableRole(int, bool) override {}
    void ShowTradePrices(const qlTradeTiles::Tile& prices) override;
    void HideTradePrices() override {}
    void ChooseRole() override;
    void Pause(Long milliseconds) override { pauses.push_back(milliseconds); }
    bool EmptySelectors() const override { return emptySelectors; }
    bool GoldMineViews() const override { return goldMineViews; }
    Integer Delay() const override { return 4; }
    bool ExitRequested() const override { return mExit; }
    bool FollowsEvents() const override { return true; }
    void ShowEvent(const TableEvent& event) override;

    // The table events in order, each with the number of lines shown before it.
    std::vector<TableEvent> events;
    std::vector<std::size_t> eventShownAt;
    // Runs at every table event, with the event: checks of the moment.
    std::function<void(const TableEvent&)> onEvent;

    // With no script left: check the first cards a question needs, at least one where one may
    // be checked, and take the first free role.
    bool autoPlay = false;
    bool emptySelectors = true;
    bool goldMineViews = true;

  private:
    qlGame* mGame = nullptr;
    std::deque<std::vector<std::string>> mAnswers;
    std::deque<int> mRoles;
    bool mExit = false;
};

// A game at a scripted table that keeps both its logs in memory.
struct ScriptedGame {
    ScriptedGame(Integer players, Integer human, Random::SeedSource seeds, bool autoPlay = false)
        : game(table, players, human, std::move(seeds)) {
        table.SetGame(&game);
        table.autoPlay = autoPlay;
        game.SetLogFiles(&log, &gameLog);
    }
    ScriptedTable table;
    std::ostringstream log;
    std::ostringstream gameLog;
    qlGame game;
};

// What a game wrote to GameLog.txt and to Log.txt, and how it ended.
struct PlayedLogs {
    std::string gameLog;
    std::string log;
    qlGame::Outcome outcome = qlGame::Outcome::Finished;
};
// Plays `game` at its own table, from its start or (`on`) from where it stands, to its end.
PlayedLogs PlayLogged(qlGame& game, bool on = false);
// A copy of `game` at a table of its own, played on to its end.
PlayedLogs PlayCopy(const qlGame& game);
// A seeded game of computer seats only.
PlayedLogs PlaySeeded(Integer players, std::uint64_t seed);
// Fails unless `played` ended and wrote both logs as the seeded game of computer seats did.
void ExpectLogsOfSeeded(const PlayedLogs& played, Integer players, std::uint64_t seed);

// Every kind of decision the rules ask a seat for.
inline const std::vector<DecisionKind> kEveryDecisionKind{
    DecisionKind::Role,       DecisionKind::Chapel,      DecisionKind::HandLimit,
    DecisionKind::CraneCover, DecisionKind::BlackMarket, DecisionKind::Build,
    DecisionKind::Payment,    DecisionKind::CouncilKeep, DecisionKind::GoldMine,
    DecisionKind::Produce,    DecisionKind::Trade};
// Fails for each of `kinds` that `counts`, indexed by kind, never counted.
void ExpectEachCounted(const std::array<int, 12>& counts, const std::vector<DecisionKind>& kinds);
// Gives every seat of `game` the decider `make` makes for it.
void SetEveryDecider(qlGame& game,
                     const std::function<std::unique_ptr<SeatDecider>(Integer)>& make);

}  // namespace testing_support
