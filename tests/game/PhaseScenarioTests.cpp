// The human's side of every phase, played through the scripted table: the questions exactly
// as asked, the cards that move and the lines logged.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameTestAccess.h"
#include "ScriptedTable.h"
#include "cards/qlCard.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

using testing_support::Names;
using testing_support::ScriptedTable;
using Strings = std::vector<std::string>;

namespace {

// A two-player game, the human in seat 1, with seats and piles set up but no hands dealt.
class PhaseTest : public ::testing::Test {
  protected:
    void SetUp() override { GameTestAccess::SetUp(game); }
    void TearDown() override { EXPECT_EQ(table.AnswersLeft(), 0u) << "answers left unasked"; }
    qlPlayer& Human() { return game.Player(1); }
    qlPlayer& Robot() { return game.Player(2); }
    Strings Hand(Integer seat) { return Names(game.Player(seat).CardsInHand()); }
    Strings City(Integer seat) { return Names(game.Player(seat).BuiltCards()); }
    Strings GameLogLines() { return testing_support::Lines(played.gameLog.str()); }
    Strings Told() const { return table.Told(1); }
    // The line shown right after event `index`: the question it explains.
    std::string ShownAfterEvent(std::size_t index) const {
        return table.shown.at(table.eventShownAt.at(index));
    }
    // The line shown right before event `index`: the question it follows.
    std::string ShownBeforeEvent(std::size_t index) const {
        return table.shown.at(table.eventShownAt.at(index) - 1);
    }

    testing_support::ScriptedGame played{2, 1, Random::SeededSource(3)};
    ScriptedTable& table = played.table;
    qlGame& game = played.game;
};

TEST_F(PhaseTest, BuilderWithCraneAndBlackMarketPaysTheCostLessGoodsAndCoveredCost) {
    GameTestAccess::Build(game, 1, "Crane,Black Market,Tobacco Storage,Coffee Roaster");
    for (const char* building : {"Indigo Plant", "Tobacco Storage", "Coffee Roaster"}) {
        GameTestAccess::PutGood(game, 1, building);
    }
    GameTestAccess::Give(game, 1, "Silver Smelter,Well,Hero");
    const Long discard = game.Discard().Count();
    table.Answer({"Tobacco Storage"});
    table.Answer({"Indigo Plant"});
    table.Answer({"Silver Smelter"});
    table.Answer({"Well"});
    GameTestAccess::Perform(game, 1, "Builder", false);

    EXPECT_EQ(table.Questions(),
              (Strings{"Ask 0: Use crane to build over building? | min 0; max 1; picture 1; "
                       "goods of player 1; cards Indigo Plant,Crane,Black Market,Tobacco "
                       "Storage,Coffee Roaster; no crane;",
                       "Ask 0: Select black market goods... | min 0; max 2; picture 1; goods of "
                       "player 1; cards Indigo Plant,Tobacco Storage,Coffee Roaster;",
                       "Ask 0: Select Card to Build... | picture 1; auto 1; delay 4; add Silver "
                       "Smelter,Well,Hero; build mode 4: Silver Smelter,Well,Hero;",
                       "Ask 0: Select Cards to Discard... | min 1; max 1; picture 1; cards "
                       "Well,Hero;"}));
    // Silver Smelter costs 5: one good and the covered Tobacco Storage's 3 leave one card.
    EXPECT_EQ(City(1), (Strings{"Indigo Plant", "Crane", "Black Market", "Coffee Roaster",
                                "Silver Smelter"}));
    EXPECT_EQ(Names(Human().BuildingsWithGoods()), Strings{"Coffee Roaster"});
    EXPECT_EQ(Hand(1), Strings{"Hero"});
    // The good spent, the card paid and the covered building's good.
    EXPECT_EQ(game.Discard().Count(), discard + 3);
    EXPECT_EQ(game.CoveredCount(), 1);
    EXPECT_EQ(GameLogLines(),
              (Strings{"Player 1 Ready To OverBuild", "  Current Built Count = 5",
                       "Player 1 OverBuilt: Tobacco Storage", "  Current Built Count = 5",
                       "  Indigo Plant", "  Crane", "  Black Market", "  Coffee Roaster",
                       "  Silver Smelter", "Player 1 Built: Silver Smelter"}));
    // The build is told once, after its payment, with the cost and all that lowered it.
    EXPECT_EQ(Told(), (Strings{"You build Silver Smelter: cost 5, 1 off for goods at the Black "
                               "Market, 3 off for building over Tobacco Storage, paying Well"}));
    EXPECT_EQ(ShownBeforeEvent(0).rfind("Ask 0: Select Cards to Discard...", 0), 0u);
}

TEST_F(PhaseTest, ABuildIsToldOnceDoneWithTheCostAsItStoodAndThePaymentNamedOnlyForTheHuman) {
    // The Quarry does not lower its own cost; the one already built lowers the Carpenter's.
    GameTestAccess::Give(game, 1, "Quarry,Well,Hero,Statue");
    table.Answer({"Quarry"});
    table.Answer({"Well", "Hero", "Statue"});
    GameTestAccess::Perform(game, 1, "Builder", true);
    GameTestAccess::Build(game, 2, "Quarry");
    GameTestAccess::Give(game, 2, "Carpenter,Palace,Hero");
    GameTestAccess::Perform(game, 2, "Builder", false);
    EXPECT_EQ(City(2), (Strings{"Indigo Plant", "Quarry", "Carpenter"}));
    EXPECT_EQ(Told(), (Strings{"You build Quarry: cost 4, 1 off as Builder, paying Well, Hero, "
                               "Statue",
                               "Player 2 builds Carpenter: cost 3, 1 off for the Quarry, paying 2 "
                               "cards"}));
}

TEST_F(PhaseTest, BuilderSpendsGoodsEvenWhenNothingIsBuiltAndAnEmptyHandOnlyHearsAMessage) {
    GameTestAccess::Build(game, 1, "Black Market,Coffee Roaster");
    GameTestAccess::PutGood(game, 1, "Coffee Roaster");
    GameTestAccess::Give(game, 1, "Palace");
    const Long discard = game.Discard().Count();
    table.Answer({"Coffee Roaster"});
    table.Answer({});
    GameTestAccess::Perform(game, 1, "Builder", false);
    EXPECT_EQ(game.Discard().Count(), discard + 1);
    EXPECT_EQ(Hand(1), Strings{"Palace"});
    EXPECT_EQ(City(1).size(), 3u);

    GameTestAccess::Give(game, 2, "");
    Human().SetCardsInHand({});
    table.shown.clear();
    GameTestAccess::Perform(game, 1, "Builder", false);
    GameTestAccess::Perform(game, 2, "Builder", false);
    EXPECT_EQ(table.shown, Strings{"Message 1 1: You have nothing to build..."});
    EXPECT_TRUE(GameLogLines().empty());
}

TEST_F(PhaseTest, GovernorBuriesUnderTheChapelBeforeCuttingTheHandToItsLimit) {
    GameTestAccess::Build(game, 1, "Chapel,Library");
    GameTestAccess::Give(game, 1, "Well,Hero,Smithy,Palace,Statue,Quarry,Tower,Crane");
    table.Answer({"Palace"});
    GameTestAccess::Governor(game, 1, false);
    // Eight cards, one under the chapel: the seven left are the limit, so no keep question.
    EXPECT_EQ(table.shown,
              (Strings{"Ask 0: Select card to bury under chapel... | min 0; max 1; picture 0; "
                       "cards Well,Hero,Smithy,Palace,Statue,Quarry,Tower,Crane;",
                       "Points 0 " + std::to_string(Human().Points())}));
    EXPECT_EQ(Human().ChapelPoints(), 1);
    EXPECT_EQ(Hand(1).size(), 7u);
    EXPECT_TRUE(Human().LibraryActive());
    EXPECT_EQ(Told(), Strings{"You place Palace under the chapel"});

    // The first round keeps four, whatever the limit; the cards not kept are discarded.
    table.shown.clear();
    const Long discard = game.Discard().Count();
    table.Answer({});
    table.Answer({"Tower", "Well", "Quarry", "Hero"});
    GameTestAccess::Governor(game, 1, true);
    EXPECT_EQ(table.Questions().back(),
              "Ask 0: Select cards you wish to keep... | min 4; max 4; picture 0; cards "
              "Well,Hero,Smithy,Statue,Quarry,Tower,Crane;");
    EXPECT_EQ(Hand(1), (Strings{"Well", "Hero", "Quarry", "Tower"}));
    EXPECT_EQ(Names(game.Discard()).size(), static_cast<std::size_t>(discard + 3));
    EXPECT_EQ(table.statuses.back(), "Human 1, Governor Phase...");
    EXPECT_EQ(Told().back(), "You discard 3 cards down to the hand limit of 4");
    EXPECT_EQ(Told().at(Told().size() - 2),
              "Hand limit: You hold 7 cards, the limit is 4 in the first round \u2014 keep 4");
    EXPECT_EQ(ShownAfterEvent(table.events.size() - 2),
              "Ask 0: Select cards you wish to keep... | min 4; max 4; picture 0; cards "
              "Well,Hero,Smithy,Statue,Quarry,Tower,Crane;");
}

TEST_F(PhaseTest, CouncillorWithArchiveAndPrefectureChoosesFromHandAndDraw) {
    GameTestAccess::Build(game, 1, "Archive,Prefecture");
    GameTestAccess::Give(game, 1, "Well,Hero,Smithy");
    GameTestAccess::Stack(game, "Palace,Statue");
    const Long discard = game.Discard().Count();
    table.Answer({"Hero", "Smithy", "Palace", "Statue"});
    GameTestAccess::Perform(game, 1, "Councillor", false);
    EXPECT_EQ(table.Questions(),
              Strings{"Ask 0: Select Cards to Keep... | picture 2; add Well,Hero,Smithy; add "
                      "Palace,Statue; max 5; min 4;"});
    EXPECT_EQ(Hand(1), (Strings{"Hero", "Smithy", "Palace", "Statue"}));
    EXPECT_EQ(Names(game.Discard()).back(), "Well");
    EXPECT_EQ(game.Discard().Count(), discard + 1);

    // Without the Archive the chooser draws five and keeps one, after the hand.
    Robot().SetCardsInHand({});
    GameTestAccess::Give(game, 2, "Crane");
    GameTestAccess::Perform(game, 2, "Councillor", true);
    EXPECT_EQ(Hand(2).size(), 2u);
    EXPECT_EQ(Hand(2).front(), "Crane");
    EXPECT_EQ(game.Discard().Count(), discard + 1 + 4);
    // The robot's kept card is only counted; the human's are named.
    EXPECT_EQ(Told(), (Strings{"Councillor: You draw 2 cards and the 3 in hand join them "
                               "(Archive) \u2014 keep 4 or 5 of the 5 (Prefecture)",
                               "You draw 2 cards and, with the 3 in hand (Archive), keep 4 of the "
                               "5: Hero, Smithy, Palace, Statue",
                               "Player 2 draws 5 cards and keeps 1"}));
}

TEST_F(PhaseTest, ACouncillorDrawingFewerCardsThanItKeepsKeepsAllOfThem) {
    GameTestAccess::Build(game, 1, "Prefecture");
    GameTestAccess::Give(game, 2, "Indigo Plant");  // seat 2 holds all but one card
    while (game.Reserve().Count() > 1) {
        Robot().CardsInHand().AddCards(GameTestAccess::Draw(game, 1));
    }
    table.Answer({"#1"});
    GameTestAccess::Perform(game, 1, "Councillor", false);
    EXPECT_EQ(table.Questions().back().substr(0, 40), "Ask 0: Select Cards to Keep... | picture");
    EXPECT_NE(table.Questions().back().find("max 1; min 1;"), std::string::npos);
    EXPECT_EQ(Hand(1).size(), 1u);
    EXPECT_TRUE(game.Reserve().Empty());
}

TEST_F(PhaseTest, ProspectorFindsGoldOnlyWhenTheFourPrintedCostsDiffer) {
    GameTestAccess::Build(game, 1, "Gold Mine,Library");
    GameTestAccess::Build(game, 2, "Gold Mine,Smithy");
    GameTestAccess::Stack(game, "Well,Hero,Indigo Plant,Sugar Mill,Tobacco Storage,Coffee Roaster");
    Long discard = game.Discard().Count();
    table.Answer({"Coffee Roaster"});
    GameTestAccess::Perform(game, 1, "Prospector", true);
    // The privilege's two cards with the Library, then gold: one of the four is taken.
    EXPECT_EQ(table.Questions(),
              Strings{"Ask 0: Select card from Gold Mine... | cards Indigo Plant,Sugar "
                      "Mill,Tobacco Storage,Coffee Roaster; min 1; max 1; picture 4;"});
    EXPECT_EQ(Hand(1), (Strings{"Well", "Hero", "Coffee Roaster"}));
    EXPECT_EQ(game.Discard().Count(), discard + 3);

    // Costs 1, 2, 3, 1: no gold, shown to the human all the same; the Smithy does not count.
    GameTestAccess::Stack(game, "Indigo Plant,Sugar Mill,Tobacco Storage,Indigo Plant");
    table.shown.clear();
    discard = game.Discard().Count();
    GameTestAccess::Perform(game, 2, "Prospector", false);
    EXPECT_EQ(table.Questions(),
              Strings{"Ask 0: Player 2, no gold found today.  Press OK. | cards Indigo "
                      "Plant,Sugar Mill,Tobacco Storage,Indigo Plant; min 0; max 0; inactive; "
                      "picture 4; auto 2; delay 8;"});
    EXPECT_TRUE(Hand(2).empty());
    EXPECT_EQ(game.Discard().Count(), discard + 4);

    GameTestAccess::Stack(game, "Indigo Plant,Sugar Mill,Tobacco Storage,Coffee Roaster");
    table.goldMineViews = false;
    GameTestAccess::Perform(game, 2, "Prospector", false);
    const std::string found = table.Questions().back();
    EXPECT_EQ(found.substr(0, 41), "Ask 0: Player 2 found gold!  Press OK. | ");
    EXPECT_NE(found.find("min 0; max 0; inactive; picture 4; highlight "), std::string::npos);
    EXPECT_EQ(found.find("auto"), std::string::npos);
    EXPECT_EQ(Hand(2).size(), 1u);

    GameTestAccess::Stack(game, "Indigo Plant,Sugar Mill,Tobacco Storage,Sugar Mill");
    GameTestAccess::Perform(game, 1, "Prospector", false);
    EXPECT_EQ(table.Questions().back(),
              "Ask 0: Sorry!  No gold found today.  Press OK. | cards Indigo Plant,Sugar "
              "Mill,Tobacco Storage,Sugar Mill; min 0; max 0; inactive; picture 4;");
}

TEST_F(PhaseTest, AGoldMineDrawingFewerThanFourCardsFindsNoGold) {
    GameTestAccess::Build(game, 1, "Gold Mine");
    Robot().CardsInHand().AddCards(GameTestAccess::Draw(game, game.Reserve().Count() - 3));
    GameTestAccess::Perform(game, 1, "Prospector", false);
    EXPECT_EQ(table.Questions().back().substr(0, 53),
              "Ask 0: Sorry!  No gold found today.  Press OK. | card");
    EXPECT_TRUE(Hand(1).empty());
    EXPECT_EQ(game.Discard().Count(), 3);
}

TEST_F(PhaseTest, ProducerFillsUpToItsPowerAndTheWellDrawsForTwoGoods) {
    GameTestAccess::Build(game, 1, "Aqueduct,Well,Sugar Mill,Coffee Roaster,Silver Smelter");
    GameTestAccess::Stack(game, "Hero,Palace,Statue");
    table.Answer({"Silver Smelter", "Indigo Plant"});
    GameTestAccess::Perform(game, 1, "Producer", true);
    EXPECT_EQ(table.Questions(),
              Strings{"Ask 0: Select buildings to produce goods... | min 0; max 3; picture 3; "
                      "auto 1; delay 4; goods of player 1; cards Indigo Plant,Sugar Mill,Coffee "
                      "Roaster,Silver Smelter;"});
    // Goods in the order chosen (the offer's order), then the Well's card.
    EXPECT_EQ(Human().GoodOn(*Human().BuiltCards().Item(1))->BuildingName(), "Hero");
    EXPECT_EQ(Human().GoodOn(*Human().BuiltCards().Item(6))->BuildingName(), "Palace");
    EXPECT_EQ(Hand(1), Strings{"Statue"});

    // One good draws no Well card; without the privilege the Aqueduct allows two.
    table.emptySelectors = false;
    table.Answer({"Sugar Mill"});
    GameTestAccess::Perform(game, 1, "Producer", false);
    EXPECT_EQ(table.Questions().back(),
              "Ask 0: Select buildings to produce goods... | min 0; max 2; picture 3; goods of "
              "player 1; cards Sugar Mill,Coffee Roaster;");
    EXPECT_EQ(Hand(1), Strings{"Statue"});
    EXPECT_EQ(Human().OpenProductionBuildings().Count(), 1);
}

TEST_F(PhaseTest, TraderSellsAtTheTilesPricesWithTheMarketsBonuses) {
    GameTestAccess::Build(game, 1, "Market Stand,Market Hall,Coffee Roaster,Silver Smelter");
    GameTestAccess::PutGood(game, 1, "Coffee Roaster");
    GameTestAccess::PutGood(game, 1, "Silver Smelter");
    GameTestAccess::SetPrices(game, {1, 2, 2, 3, 3});
    const Long discard = game.Discard().Count();
    table.Answer({"Coffee Roaster", "Silver Smelter"});
    GameTestAccess::Perform(game, 1, "Trader", true);
    EXPECT_EQ(table.Questions(),
              Strings{"Ask 1: Select buildings to trade goods... | min 0; max 2; picture 5; "
                      "auto 1; delay 4; goods of player 1; cards Coffee Roaster,Silver "
                      "Smelter;"});
    EXPECT_EQ(Hand(1).size(), 3u + 3u + 1u + 1u);
    EXPECT_EQ(game.Discard().Count(), discard + 2);
    EXPECT_TRUE(Human().BuildingsWithGoods().Empty());
}

}  // namespace
