// The strong player: it decides only on what its seat can see, never changes the game it
// thinks about, and looks far enough ahead to leave the standard rules where they lose.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "GameTestAccess.h"
#include "ScriptedTable.h"
#include "ai/ComputerPlayer.h"
#include "game/StrongDecider.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

namespace {

// Seat 2 holds eleven buildings and the lead, and one card in hand: the game is lost for seat 1
// whatever it does, and only the margin is left to play for. The standard rules take the
// Producer for seat 1's Palace in hand; looking ahead finds a role that loses by less. The
// verdict is the same on one thread as on two, and spends the budget by halving the five roles
// to three, two and one: 21, 35 and 53 copies for each finalist of 320.
TEST(StrongPlayer, LooksAheadPastTheStandardRulesAlikeOnOneThreadOrTwo) {
    testing_support::ScriptedTable table;
    qlGame game(table, 2, 0, Random::SeededSource(12));
    GameTestAccess::SetUp(game);
    GameTestAccess::Build(game, 2,
                          "Smithy,Well,Chapel,Tower,Statue,Archive,Gold Mine,Hero,Palace,"
                          "Victory Column");
    GameTestAccess::Give(game, 2, "Market Stand");
    GameTestAccess::Build(game, 1, "Sugar Mill,Coffee Roaster,Quarry");
    GameTestAccess::Give(game, 1, "Palace");
    GameTestAccess::OpenRound(game, 1);
    GameTestAccess::RunToDecision(game);
    GameTestAccess::SetBuildingsLeft(game, 1);
    const int standard = ai::AIPickRole(game.Player(1), game.OthersAfter(1), game.RolesFree());
    StrongPlayer strong(1, 3, 320, 2);
    const int looked = strong.PickRole(game, table);
    EXPECT_EQ(standard, 2);
    EXPECT_NE(looked, standard);
    EXPECT_EQ(strong.LastVerdict().option, looked);
    EXPECT_EQ(strong.LastVerdict().games, 21 + 35 + 53);
    EXPECT_NE(strong.LastVerdict().margin, 0);
    StrongPlayer alone(1, 3, 320, 1);
    EXPECT_EQ(alone.PickRole(game, table), looked);
    EXPECT_EQ(alone.LastVerdict().wins, strong.LastVerdict().wins);
    EXPECT_EQ(alone.LastVerdict().margin, strong.LastVerdict().margin);
}

// A table with an event loop of its own: what is posted to it waits until the test runs it.
class LoopTable : public testing_support::ScriptedTable {
  public:
    bool HasEventLoop() const override { return true; }
    void Post(std::function<void()> task) override {
        const std::lock_guard<std::mutex> hold(mLock);
        mTasks.push_back(std::move(task));
        mPosted.notify_all();
    }
    // Runs what has been posted, waiting up to `wait` for the first task; how many ran.
    int RunPosted(std::chrono::seconds wait) {
        std::unique_lock<std::mutex> hold(mLock);
        mPosted.wait_for(hold, wait, [this] { return !mTasks.empty(); });
        std::vector<std::function<void()>> tasks = std::exchange(mTasks, {});
        hold.unlock();
        for (const std::function<void()>& task : tasks) {
            task();
        }
        return static_cast<int>(tasks.size());
    }

  private:
    std::mutex mLock;
    std::condition_variable mPosted;
    std::vector<std::function<void()>> mTasks;
};

// At a table with an event loop the strong seat thinks beside the game about a copy: the game
// stays as it is, an answer given up never arrives, and the answer that arrives through the
// table's Post is the one the same player gives when asked at once. Once the player has asked
// to leave, it answers at once.
TEST(StrongPlayer, ThinksBesideTheGameAtAWindowAndAnAnswerGivenUpNeverArrives) {
    LoopTable table;
    qlGame game(table, 2, 0, Random::SeededSource(12));
    GameTestAccess::SetUp(game);
    GameTestAccess::Build(game, 2, "Smithy,Well,Chapel,Tower,Statue,Archive,Gold Mine,Hero");
    GameTestAccess::Give(game, 2, "Market Stand");
    GameTestAccess::Build(game, 1, "Sugar Mill,Coffee Roaster,Quarry");
    GameTestAccess::Give(game, 1, "Palace");
    GameTestAccess::OpenRound(game, 1);
    GameTestAccess::RunToDecision(game);
    const Decision decision = game.Pending();
    ASSERT_EQ(decision.kind, DecisionKind::Role);
    const std::string playedOn = testing_support::PlayCopy(game).gameLog;

    StrongPlayer reference(1, 3, 320, 2);  // asked at once, twice
    reference.PickRole(game, table);
    const int expected = reference.PickRole(game, table);

    StrongPlayer strong(1, 3, 320, 2);
    StrongDecider decider(strong, table);
    EXPECT_TRUE(decider.AnswersLater(decision));
    std::vector<int> replies;
    decider.Ask(game, decision,
                [&replies](const Choice& choice) { replies.push_back(choice.role); });
    decider.Cancel();
    table.RunPosted(std::chrono::seconds(0));
    EXPECT_TRUE(replies.empty());

    decider.Ask(game, decision,
                [&replies](const Choice& choice) { replies.push_back(choice.role); });
    ASSERT_EQ(table.RunPosted(std::chrono::seconds(30)), 1);
    EXPECT_EQ(replies, std::vector<int>{expected});
    EXPECT_EQ(testing_support::PlayCopy(game).gameLog, playedOn);  // the game is untouched

    table.RequestExit();
    EXPECT_FALSE(decider.AnswersLater(decision));
}

// With the Prefecture the strong seat weighs every pair of the councillor's draw it could keep,
// a pair of one name once: five cards of four names give seven pairs, halved to four, two and
// one, so the pair kept was played in 15, 26 and 53 copies of 320. The two kept join the hand
// and the other three go to the discard pile.
TEST(StrongPlayer, WeighsEveryPairItCouldKeepOfTheCouncillorsDrawAndLosesNoCard) {
    testing_support::ScriptedTable table;
    qlGame game(table, 2, 0, Random::SeededSource(21));
    GameTestAccess::SetUp(game);
    GameTestAccess::Build(game, 1, "Prefecture");
    GameTestAccess::Give(game, 1, "Smithy,Well");
    GameTestAccess::Stack(game, "Statue,Quarry,Statue,Hero,Palace");
    GameTestAccess::OpenRound(game, 1);
    StrongPlayer strong(1, 4, 320, 2);
    game.SetDecider(1, std::make_unique<StrongDecider>(strong, table));
    const Long discarded = game.Discard().Count();
    GameTestAccess::Perform(game, 1, "Councillor", true);

    EXPECT_EQ(strong.LastVerdict().games, 15 + 26 + 53);
    const qlCards& hand = game.Player(1).CardsInHand();
    ASSERT_EQ(hand.Count(), 4);
    ASSERT_EQ(game.Discard().Count(), discarded + 3);
    std::vector<std::string> offered{hand.Item(3)->BuildingName(), hand.Item(4)->BuildingName()};
    for (Long n = discarded + 1; n <= discarded + 3; ++n) {
        offered.push_back(game.Discard().Item(n)->BuildingName());
    }
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (std::vector<std::string>{"Hero", "Palace", "Quarry", "Statue", "Statue"}));
}

// What seat 2 holds out of seat 1's sight: its hand, the good on its Indigo Plant, the five
// cards under its Chapel, and the order of the four tiles nobody has turned up yet.
struct HiddenFromSeatOne {
    std::string hand = "Well,Quarry";
    std::string good = "Indigo Plant";
    std::string chapel = "Palace,Palace,Hero,Hero,Victory Column";
    std::uint64_t tileOrder = 0;  // 0: as dealt
};

// A three-seat position at seat 1's role choice in which seat 1 sees its own hand and chapel
// and every city; all else is arranged as `hidden` says.
void ArrangePosition(qlGame& game, const HiddenFromSeatOne& hidden) {
    GameTestAccess::SetUp(game);
    GameTestAccess::Build(game, 1, "Chapel,Smithy,Coffee Roaster");
    GameTestAccess::Give(game, 1, "Market Stand,Tower");
    GameTestAccess::Bury(game, 1, "Statue");
    GameTestAccess::Build(game, 2, "Chapel,Indigo Plant,Sugar Mill,Library");
    GameTestAccess::Give(game, 2, hidden.hand);
    GameTestAccess::Stack(game, hidden.good);
    GameTestAccess::PutGood(game, 2, "Indigo Plant");
    GameTestAccess::Bury(game, 2, hidden.chapel);
    GameTestAccess::Build(game, 3, "Tobacco Storage,Well");
    GameTestAccess::Give(game, 3, "Carpenter,Crane,Prefecture");
    GameTestAccess::TurnFirstTile(game);
    if (hidden.tileOrder != 0) {
        GameTestAccess::ShuffleUnturnedTiles(game, hidden.tileOrder);
    }
    GameTestAccess::OpenRound(game, 1);
    GameTestAccess::RunToDecision(game);
}

// Positions that differ only in what seat 1 cannot see are dealt alike in every copy it thinks
// with, so it decides alike, to the copy won and the point of margin. The cards under another
// seat's Chapel are dealt afresh with the rest, while seat 1's own stay as it buried them: with
// both Palaces under its own Chapel, no copy deals a Palace anywhere else.
TEST(StrongPlayer, CannotTellPositionsApartThatDifferOnlyInWhatItsSeatCannotSee) {
    HiddenFromSeatOne otherHand;
    otherHand.hand = "Hero,Aqueduct";
    HiddenFromSeatOne otherGood;
    otherGood.good = "Silver Smelter";
    HiddenFromSeatOne otherChapel;
    otherChapel.chapel = "Indigo Plant,Indigo Plant,Indigo Plant,Indigo Plant,Indigo Plant";
    HiddenFromSeatOne otherTiles;
    otherTiles.tileOrder = 99;
    testing_support::ScriptedTable table;
    qlGame base(table, 3, 0, Random::SeededSource(31));
    ArrangePosition(base, {});
    StrongPlayer baseStrong(1, 8, 48, 2);
    const int baseRole = baseStrong.PickRole(base, table);
    for (const HiddenFromSeatOne& hidden : {otherHand, otherGood, otherChapel, otherTiles}) {
        qlGame other(table, 3, 0, Random::SeededSource(31));
        ArrangePosition(other, hidden);
        ASSERT_NE(GameTestAccess::Layout(base), GameTestAccess::Layout(other));
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            qlGame baseCopy(base, table);
            qlGame otherCopy(other, table);
            baseCopy.RedealHidden(1, seed);
            otherCopy.RedealHidden(1, seed);
            ASSERT_EQ(GameTestAccess::Layout(baseCopy), GameTestAccess::Layout(otherCopy))
                << "seed " << seed << ", seat 2's hand " << hidden.hand << ", chapel "
                << hidden.chapel;
        }
        StrongPlayer strong(1, 8, 48, 2);
        EXPECT_EQ(strong.PickRole(other, table), baseRole);
        EXPECT_EQ(strong.LastVerdict().wins, baseStrong.LastVerdict().wins);
        EXPECT_EQ(strong.LastVerdict().margin, baseStrong.LastVerdict().margin);
    }

    qlGame palaces(table, 3, 0, Random::SeededSource(31));
    ArrangePosition(palaces, otherChapel);
    GameTestAccess::Bury(palaces, 1, "Palace,Palace");
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        qlGame copy(palaces, table);
        copy.RedealHidden(1, seed);
        const std::string layout = GameTestAccess::Layout(copy);
        const std::string ownChapel = "chapel Statue,Palace,Palace,;";
        ASSERT_NE(layout.find(ownChapel), std::string::npos) << layout;
        EXPECT_EQ(layout.find("Palace", layout.find(ownChapel) + ownChapel.size()),
                  std::string::npos);
        EXPECT_EQ(layout.find("Palace"), layout.find(ownChapel) + 14) << layout;
    }
}

// A copy that fails stops the decision and its fault reaches the deciding thread; the workers
// stay ready for the next decision.
TEST(StrongPlayer, PassesOnTheFaultOfACopyAndDecidesOnAfterIt) {
    testing_support::ScriptedTable table;
    qlGame game(table, 3, 0, Random::SeededSource(5));
    GameTestAccess::SetUp(game);
    GameTestAccess::OpenRound(game, 1);
    GameTestAccess::RunToDecision(game);
    StrongPlayer strong(1, 9, 40, 2);
    const StrongPlayer::Force failing = [](const qlGame&, int option) {
        if (option == 2) {
            throw std::runtime_error("copy failed");
        }
        return Choice{.role = option};
    };
    try {
        strong.Decide(game, table, 3, failing);
        ADD_FAILURE() << "the failing copy was not reported";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "copy failed");
    }
    const StrongPlayer::Force late = [](const qlGame&, int option) {
        return Choice{.role = option + 3};
    };
    const StrongPlayer::Verdict verdict = strong.Decide(game, table, 2, late);
    EXPECT_EQ(verdict.games, 20);
    EXPECT_EQ(strong.DecisionSeconds().size(), 1u);
    // The failed decision left nothing behind: a player whose first decision went well weighs
    // its second alike.
    StrongPlayer fresh(1, 9, 40, 2);
    fresh.Decide(game, table, 3, [](const qlGame&, int option) { return Choice{.role = option}; });
    const StrongPlayer::Verdict again = fresh.Decide(game, table, 2, late);
    EXPECT_EQ(std::tie(verdict.option, verdict.wins, verdict.games, verdict.margin),
              std::tie(again.option, again.wins, again.games, again.margin));
}

}  // namespace
