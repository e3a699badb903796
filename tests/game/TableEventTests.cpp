// The table events of a whole seeded game: one for every move the logs and the phases imply,
// in the logs' order, and never a card the human cannot see.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptedTable.h"
#include "cards/qlCard.h"
#include "game/TableEventText.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

using Kind = TableEvent::Kind;
using Strings = std::vector<std::string>;

namespace {

constexpr Integer kHuman = 2;

Strings LogLinesWith(const std::string& log, const std::string& marker) {
    Strings lines = testing_support::Lines(log);
    std::erase_if(lines,
                  [&](const std::string& line) { return line.find(marker) == std::string::npos; });
    return lines;
}

void AddNames(std::set<std::string>& names, const qlCards& cards) {
    for (const Card& card : cards) {
        names.insert(card->BuildingName());
    }
}

// The names the human has seen so far: every city, its own hand, the gold mine's cards.
void NoteSeen(const qlGame& game, const TableEvent& event, std::set<std::string>& seen) {
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        AddNames(seen, game.Player(n).BuiltCards());
    }
    AddNames(seen, game.Player(kHuman).CardsInHand());
    if (event.kind == Kind::GoldMine) {
        seen.insert(event.cards.begin(), event.cards.end());
    }
}

// The names only a computer seat knows: its hand, and the goods on every building.
std::set<std::string> Hidden(const qlGame& game, const std::set<std::string>& seen) {
    std::set<std::string> names;
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        if (n != kHuman) {
            AddNames(names, game.Player(n).CardsInHand());
        }
        for (const Card& good : game.Player(n).CityGoods()) {
            if (good) {
                names.insert(good->BuildingName());
            }
        }
    }
    std::erase_if(names, [&seen](const std::string& name) { return seen.contains(name); });
    return names;
}

TEST(TableEvents, AWholeGameTellsEveryMoveInTheLogsOrderAndNoHiddenCard) {
    testing_support::ScriptedGame played(4, kHuman, Random::SeededSource(2024), true);
    auto& [table, log, gameLog, game] = played;
    std::set<std::string> seen;
    long hiddenChecked = 0;
    table.onEvent = [&](const TableEvent& event) {
        NoteSeen(game, event, seen);
        const std::string line = DescribeEvent(event, kHuman);
        for (const std::string& name : Hidden(game, seen)) {
            ++hiddenChecked;
            EXPECT_EQ(line.find(name), std::string::npos) << name << " is hidden: " << line;
        }
        if (event.seat != kHuman) {
            EXPECT_TRUE(event.cards.empty() || event.kind == Kind::Produced ||
                        event.kind == Kind::Sold || event.kind == Kind::GoldMine)
                << line;
        }
    };
    ASSERT_EQ(game.PlayGame(), qlGame::Outcome::Finished);
    EXPECT_GT(hiddenChecked, 1000);

    std::map<Kind, long> counts;
    std::map<std::string, long> roles;
    Strings chosen;
    Strings built;
    for (const TableEvent& event : table.events) {
        ++counts[event.kind];
        const std::string player = "Player " + std::to_string(event.seat);
        if (event.kind == Kind::RoleChosen) {
            ++roles[event.role];
            chosen.push_back(player + " Selected Role: " + event.role);
        } else if (event.kind == Kind::Built && !event.building.empty()) {
            built.push_back(player + " Built: " + event.building);
        }
    }
    EXPECT_EQ(chosen, LogLinesWith(gameLog.str(), " Selected Role: "));
    EXPECT_EQ(built, LogLinesWith(gameLog.str(), " Built: "));
    EXPECT_EQ(counts[Kind::RoundStarted], game.Rounds());
    // Every seat performs every role chosen; the chooser alone has the prospector's privilege.
    EXPECT_EQ(counts[Kind::Built], 4 * roles["Builder"]);
    EXPECT_EQ(counts[Kind::Councillor], 4 * roles["Councillor"]);
    EXPECT_EQ(counts[Kind::Produced], 4 * roles["Producer"]);
    EXPECT_EQ(counts[Kind::Sold], 4 * roles["Trader"]);
    EXPECT_EQ(counts[Kind::Prospected], roles["Prospector"]);
    // A turn for every seat's governor phase, every role choice and every role performed.
    EXPECT_EQ(counts[Kind::TurnStarted], 4 * game.Rounds() + 5 * game.RolesChosen());
    // The human's questions are each explained once: a keep question per councillor.
    EXPECT_EQ(counts[Kind::KeepAsked], roles["Councillor"]);
    EXPECT_GT(counts[Kind::HandLimit], 0);
    ASSERT_EQ(counts[Kind::GameEnded], 1);
    EXPECT_EQ(table.events.back().kind, Kind::GameEnded);
    EXPECT_EQ(table.events.back().seat, game.GetWinner().PlayerNumber());
    EXPECT_EQ(table.events.back().count, game.GetWinner().Points());
}

// A build's line names each reduction by what gave it and says what was paid, in the seat's own
// person: the human's cards by name, a computer seat's as a count, nothing paid as "for free".
TEST(TableEvents, ABuildsLineNamesItsReductionsAndWhatWasPaid) {
    TableEvent build;
    build.kind = Kind::Built;
    build.seat = 3;
    build.building = "Quarry";
    build.count = 4;
    build.reductions = {{"Builder", 1}, {"Crane", 3}};
    build.covered = "Tobacco Storage";
    EXPECT_EQ(DescribeEvent(build, kHuman),
              "Player 3 builds Quarry: cost 4, 1 off as Builder, 3 off for building over "
              "Tobacco Storage, for free");
    build.seat = kHuman;
    build.reductions = {{"Library", 2}, {"Smithy", 1}};
    build.cost = 1;
    build.cards = {"Well"};
    build.drawn = 1;
    EXPECT_EQ(DescribeEvent(build, kHuman),
              "You build Quarry: cost 4, 2 off as Builder with the Library, 1 off for the "
              "Smithy, paying Well and draw 1 card");
    build.seat = 1;
    build.cards.clear();
    build.cost = 2;
    build.drawn = 0;
    EXPECT_EQ(DescribeEvent(build, kHuman),
              "Player 1 builds Quarry: cost 4, 2 off as Builder with the Library, 1 off for "
              "the Smithy, paying 2 cards");
}

}  // namespace
