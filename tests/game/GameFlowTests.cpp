// Whole games and their ends: the rounds, the roles, the governor, the end at twelve
// buildings, leaving, the logs and the final scores.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "GameTestAccess.h"
#include "ScriptedTable.h"
#include "cards/Catalogue.h"
#include "cards/qlCard.h"
#include "game/ScoreDetails.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

using testing_support::Lines;
using testing_support::ScriptedGame;
using testing_support::ScriptedTable;
using Strings = std::vector<std::string>;

namespace {

Long LargestCity(const qlGame& game) {
    Long largest = 0;
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        largest = std::max(largest, game.Player(n).BuiltCards().Count());
    }
    return largest;
}

class RoundStructure : public ::testing::TestWithParam<int> {};

TEST_P(RoundStructure, PrivilegeStageAndRoleButtonsHoldThroughAWholeGame) {
    const Integer players = static_cast<Integer>(GetParam());
    ScriptedGame played(players, 0, Random::SeededSource(40 + players));
    auto& [table, log, gameLog, game] = played;

    Subscription beforeChoice = game.BeforeRoleChoice.Subscribe([&](const qlGame& g) {
        EXPECT_EQ(g.CurrentPlayer(), g.RoleChooser());
        // The governor passes to the next seat each round; a computer seat weighs the others
        // from the seat after it, round the table.
        EXPECT_EQ(g.Governor(), (g.Rounds() - 1) % players + 1);
        const qlGame::OtherSeats others = g.OthersAfter(g.RoleChooser());
        ASSERT_EQ(static_cast<Integer>(others.size()), players - 1);
        for (std::size_t k = 0; k < others.size(); ++k) {
            EXPECT_EQ(others[k]->PlayerNumber(),
                      (g.RoleChooser() + static_cast<Integer>(k)) % players + 1);
        }
        EXPECT_EQ(g.BuildingsLeft(), 12 - LargestCity(g));
        EXPECT_FALSE(g.CurrentRole());
    });
    // While a role is performed only its chooser, in its own turn, holds the privilege; and a
    // role button pressed now changes nothing.
    table.onStatus = [&](const std::string& status) {
        if (status.find("perform ") == std::string::npos) {
            return;
        }
        for (Integer n = 1; n <= 4; ++n) {
            const qlPlayer& seat = game.Player(n);
            EXPECT_EQ(seat.GetsRoleBenefit(), n == game.RoleChooser() && n == game.CurrentPlayer());
        }
        const std::optional<Role> role = game.CurrentRole();
        const std::size_t logged = gameLog.str().size();
        game.cmdRoles_Click(game.RolesFree()[0] ? 0 : 4);
        EXPECT_EQ(game.CurrentRole(), role);
        EXPECT_EQ(gameLog.str().size(), logged);
    };

    ASSERT_EQ(game.PlayGame(), qlGame::Outcome::Finished);
    EXPECT_EQ(LargestCity(game), 12);
    EXPECT_EQ(table.statuses.front(), "");
    EXPECT_EQ(std::count(table.shown.begin(), table.shown.end(), "Released"), 1);
    // A played game is not set up again over its seats: a second play is refused whole.
    const std::size_t logged = gameLog.str().size();
    EXPECT_THROW(game.PlayGame(), std::logic_error);
    EXPECT_EQ(gameLog.str().size(), logged);
    EXPECT_EQ(LargestCity(game), 12);
}

INSTANTIATE_TEST_SUITE_P(Players, RoundStructure, ::testing::Values(2, 3, 4));

// A two-player game at its last Builder: the human in seat 1 holds eleven buildings.
class LastRole : public ::testing::Test {
  protected:
    void SetUp() override {
        GameTestAccess::SetUp(game);
        GameTestAccess::Build(game, 1,
                              "Sugar Mill,Smithy,Well,Chapel,Tower,Statue,Archive,Gold Mine,"
                              "Market Stand,Poor House");
        GameTestAccess::Build(game, 2, "Palace,Sugar Mill");
        GameTestAccess::Give(game, 1, "Trading Post,Quarry,Library");
        GameTestAccess::Give(game, 2, "Indigo Plant,Tobacco Storage");
        GameTestAccess::PutGood(game, 2, "Sugar Mill");
        GameTestAccess::OpenRound(game, 1);
    }

    ScriptedGame played{2, 1, Random::SeededSource(8)};
    ScriptedTable& table = played.table;
    std::ostringstream& log = played.log;
    std::ostringstream& gameLog = played.gameLog;
    qlGame& game = played.game;
};

TEST_F(LastRole, TheGameEndsOnceEverySeatHasPerformedTheRoleThatFilledACity) {
    bool overAtTwelve = false;
    table.onBuilt = [&](const qlPlayer& seat, Card) {
        overAtTwelve = seat.PlayerNumber() == 1 && game.GameOver();
    };
    table.ClickRole(1);
    table.Answer({"Trading Post"});
    table.Answer({"Quarry"});  // the privilege takes one off its cost of two
    ASSERT_EQ(game.PlayOn(), qlGame::Outcome::Finished);
    EXPECT_TRUE(overAtTwelve);

    const Strings gameLines = Lines(gameLog.str());
    ASSERT_GE(gameLines.size(), 2u);
    EXPECT_EQ(gameLines[0], "Player 1 Selected Role: Builder");
    EXPECT_EQ(gameLines[1], "Player 1 Built: Trading Post");
    // Seat 2 still performs the role: its build, if any, is the last line.
    EXPECT_LE(gameLines.size(), 3u);
    // and once the scores are out, nobody is prompted any more.
    ASSERT_GE(table.statuses.size(), 2u);
    EXPECT_EQ(table.statuses.end()[-2], "Robot 2, perform Builder role...");
    EXPECT_EQ(table.statuses.back(), "");

    const Integer humanPoints = game.Player(1).Points();
    const Integer robotPoints = game.Player(2).Points();
    ASSERT_GT(humanPoints, robotPoints);
    // The results, laid out as the recorded games' Log.txt: each seat's twelve places, then its
    // points and whether it won.
    const Strings results = Lines(log.str());
    ASSERT_EQ(results.size(), 28u);
    EXPECT_EQ(results[12], "    Trading Post,");
    EXPECT_EQ(results[13], "  Points = " + std::to_string(humanPoints) + ", W");
    EXPECT_EQ(results[27], "  Points = " + std::to_string(robotPoints) + ", L");
    EXPECT_EQ(table.shown[table.shown.size() - 2],
              "Message 0 0: Player 1 wins: " + std::to_string(humanPoints) +
                  " points!\r\n\r\n\r\nHere are the final scores:\r\n\r\n        Player 1 = " +
                  std::to_string(humanPoints) +
                  "\r\n        Player 2 = " + std::to_string(robotPoints) + "\r\n");
    EXPECT_EQ(table.shown.back(), "Released");
}

TEST_F(LastRole, LeavingAtTheRoleChoiceEndsWithoutScoresOrResults) {
    ASSERT_EQ(game.PlayOn(), qlGame::Outcome::Exited);
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(gameLog.str(), "");
    EXPECT_TRUE(table.shown.empty());
    EXPECT_EQ(table.statuses.back(), "Human 1, select a role...");
}

TEST(Winner, TiesGoToCardsAndGoodsThenToTheFirstSeatAndTheDetailsSayWhy) {
    ScriptedTable table;
    qlGame game(table, 3, 1, Random::SeededSource(2));
    GameTestAccess::CreateSeats(game);
    EXPECT_EQ(game.GetWinner().PlayerNumber(), 1);  // nobody beats the empty start
    GameTestAccess::SetUp(game);
    EXPECT_EQ(game.GetWinner().PlayerNumber(), 1);  // equal points, cards and goods
    EXPECT_EQ(TieBreakText(game),
              "Player 1, Player 2 and Player 3 all scored 1 point.\n"
              "Cards in hand plus goods break the tie: Player 1 has 0, Player 2 has 0, Player 3 "
              "has 0.\nStill level, the tie goes to the seat first from seat 1: Player 1 wins.\n");
    GameTestAccess::Give(game, 3, "Well");
    EXPECT_EQ(game.GetWinner().PlayerNumber(), 3);
    EXPECT_NE(TieBreakText(game).find("Player 3 has 1.\nPlayer 3 wins with the most.\n"),
              std::string::npos);
    GameTestAccess::PutGood(game, 2, "Indigo Plant");
    EXPECT_EQ(game.GetWinner().PlayerNumber(), 2);  // first of two with one card or good
    EXPECT_NE(TieBreakText(game).find("seat 1: Player 2 wins.\n"), std::string::npos);
    GameTestAccess::Build(game, 1, "Sugar Mill");
    EXPECT_EQ(game.GetWinner().PlayerNumber(), 1);
    EXPECT_EQ(TieBreakText(game), "");
    EXPECT_EQ(SeatScoreDetails(game, 1), "Player 1 wins\n    2 buildings: 2\n    Total: 2\n");
    EXPECT_EQ(SeatScoreDetails(game, 3), "Player 3\n    1 building: 1\n    Total: 1\n");
}

TEST(SetUp, ACatalogueWithFewerIndigoPlantsThanSeatsIsAClearError) {
    const std::filesystem::path file =
        testing_support::WriteTempFile("quellin-short-catalogue.txt",
                                       "Cardname:Indigo Plant\nCost:1\nVP:1\nNumber:2\nType:0\n"
                                       "Cardname:Well\nCost:2\nVP:1\nNumber:30\nType:1\n");
    ScriptedTable table;
    qlGame game(table, 3, 0, Random::SeededSource(1));
    game.SetCatalogueFile(file);
    EXPECT_EQ(testing_support::ErrorOf<CatalogueError>([&] { game.PlayGame(); }),
              file.string() +
                  ": the catalogue holds 2 \"Indigo Plant\" cards, but each of the 3 seats "
                  "starts with one");
    std::filesystem::remove(file);
}

}  // namespace
