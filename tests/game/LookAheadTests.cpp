// The strong and the expert players: they decide only on what their seat can see, never change
// the game they think about, repeat a seeded decision however many threads think, and look far
// enough ahead to leave the standard rules where they lose.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
#include "game/ExpertCandidates.h"
#include "game/ExpertDecider.h"
#include "game/ExpertPlayer.h"
#include "game/HeadlessTable.h"
#include "game/StandardDecider.h"
#include "game/StrongDecider.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

namespace {

using testing_support::ScriptedTable;
using Strings = std::vector<std::string>;

// Two verdicts alike to the option, the copies counted and won, and the point of margin.
void ExpectSameVerdict(const LookAheadVerdict& a, const LookAheadVerdict& b) {
    EXPECT_EQ(std::tie(a.option, a.games, a.wins, a.margin),
              std::tie(b.option, b.games, b.wins, b.margin));
}

// The names of the cards a choice takes, sorted, and its role: two choices alike to the seat
// name the same.
Strings Names(const Choice& choice) {
    Strings names = testing_support::Names(choice.cards);
    std::sort(names.begin(), names.end());
    if (choice.role >= 0) {
        names.push_back("role " + std::to_string(choice.role));
    }
    return names;
}

// Seat 2 holds eleven buildings and the lead, and one card in hand: the game is lost for seat 1
// whatever it does, and only the margin is left to play for. Seat 1 is at its role choice.
void ArrangeLostRace(qlGame& game) {
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
}

// A table with an event loop of its own: what is posted to it waits until the test runs it.
class LoopTable : public ScriptedTable {
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

// The standard rules take the Producer for seat 1's Palace in hand; looking ahead finds a role
// that loses by less. The verdict is the same on one thread as on two, and spends the budget by
// halving the five roles to three, two and one: 21, 35 and 53 copies for each finalist of 320.
// At a table with an event loop the strong seat thinks beside the game about a copy: the game
// stays as it is, an answer given up never arrives, and the answer that arrives through the
// table's Post is the one the same player gives when asked at once. Once the player has asked
// to leave, it answers at once.
TEST(StrongPlayer, LooksAheadPastTheStandardRulesAndThinksBesideTheGameAtAWindow) {
    LoopTable table;
    qlGame game(table, 2, 0, Random::SeededSource(12));
    ArrangeLostRace(game);
    const Decision decision = game.Pending();
    ASSERT_EQ(decision.kind, DecisionKind::Role);
    const std::string playedOn = testing_support::PlayCopy(game).gameLog;

    const int standard = ai::AIPickRole(game.Player(1), game.OthersAfter(1), game.RolesFree());
    StrongPlayer reference(1, 3, 320, 2);  // asked at once, twice
    const int looked = reference.PickRole(game, table);
    EXPECT_EQ(standard, 2);
    EXPECT_NE(looked, standard);
    EXPECT_EQ(reference.LastVerdict().option, looked);
    EXPECT_EQ(reference.LastVerdict().games, 21 + 35 + 53);
    EXPECT_NE(reference.LastVerdict().margin, 0);
    StrongPlayer alone(1, 3, 320, 1);
    alone.PickRole(game, table);
    ExpectSameVerdict(alone.LastVerdict(), reference.LastVerdict());
    const int expected = reference.PickRole(game, table);

    StrongPlayer strong(1, 3, 320, 2);
    StrongDecider decider(strong, table);
    EXPECT_TRUE(decider.AnswersLater(decision));
    std::vector<int> replies;
    const auto reply = [&replies](const Choice& choice) { replies.push_back(choice.role); };
    decider.Ask(game, decision, reply);
    decider.Cancel();
    table.RunPosted(std::chrono::seconds(0));
    EXPECT_TRUE(replies.empty());

    decider.Ask(game, decision, reply);
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
    ScriptedTable table;
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
    Strings offered{hand.Item(3)->BuildingName(), hand.Item(4)->BuildingName()};
    for (Long n = discarded + 1; n <= discarded + 3; ++n) {
        offered.push_back(game.Discard().Item(n)->BuildingName());
    }
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (Strings{"Hero", "Palace", "Quarry", "Statue", "Statue"}));
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
    std::array<HiddenFromSeatOne, 4> others{};
    others[0].hand = "Hero,Aqueduct";
    others[1].good = "Silver Smelter";
    others[2].chapel = "Indigo Plant,Indigo Plant,Indigo Plant,Indigo Plant,Indigo Plant";
    others[3].tileOrder = 99;
    ScriptedTable table;
    qlGame base(table, 3, 0, Random::SeededSource(31));
    ArrangePosition(base, {});
    StrongPlayer baseStrong(1, 8, 48, 2);
    baseStrong.PickRole(base, table);
    for (const HiddenFromSeatOne& hidden : others) {
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
        strong.PickRole(other, table);
        ExpectSameVerdict(strong.LastVerdict(), baseStrong.LastVerdict());
    }

    qlGame palaces(table, 3, 0, Random::SeededSource(31));
    ArrangePosition(palaces, others[2]);
    GameTestAccess::Bury(palaces, 1, "Palace,Palace");
    const std::string ownChapel = "chapel Statue,Palace,Palace,;";
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        qlGame copy(palaces, table);
        copy.RedealHidden(1, seed);
        const std::string layout = GameTestAccess::Layout(copy);
        ASSERT_NE(layout.find(ownChapel), std::string::npos) << layout;
        EXPECT_EQ(layout.find("Palace", layout.find(ownChapel) + ownChapel.size()),
                  std::string::npos);
        EXPECT_EQ(layout.find("Palace"), layout.find(ownChapel) + 14) << layout;
    }
}

// A copy that fails stops the decision and its fault reaches the deciding thread; the workers
// stay ready for the next decision, which weighs alike to one of a player that never failed.
TEST(StrongPlayer, PassesOnTheFaultOfACopyAndDecidesOnAfterIt) {
    ScriptedTable table;
    qlGame game(table, 3, 0, Random::SeededSource(5));
    GameTestAccess::SetUpAtFirstRoleChoice(game);
    StrongPlayer strong(1, 9, 40, 2);
    const StrongPlayer::Force failing = [](const qlGame&, int option) {
        if (option == 2) {
            throw std::runtime_error("copy failed");
        }
        return Choice{.role = option};
    };
    EXPECT_EQ(testing_support::ErrorOf<std::runtime_error>(
                  [&] { strong.Decide(game, table, 3, failing); }),
              "copy failed");
    const StrongPlayer::Force late = [](const qlGame&, int option) {
        return Choice{.role = option + 3};
    };
    const StrongPlayer::Verdict verdict = strong.Decide(game, table, 2, late);
    EXPECT_EQ(verdict.games, 20);
    EXPECT_EQ(strong.DecisionSeconds().size(), 1u);
    StrongPlayer fresh(1, 9, 40, 2);
    fresh.Decide(game, table, 3, [](const qlGame&, int option) { return Choice{.role = option}; });
    ExpectSameVerdict(fresh.Decide(game, table, 2, late), verdict);
}

// A seat that, at every decision, checks the expert's candidates against the rules and against
// the standard rules, and at some asks an expert player both in the game and in a copy whose
// hidden cards are dealt afresh; it answers with a candidate drawn from a seeded generator, so
// that its games go where the standard rules would not.
class ExpertProbe : public StandardDecider {
  public:
    ExpertProbe(std::array<int, 12>& positions, std::array<int, 12>& compared, std::uint64_t seed)
        : mPositions(positions), mCompared(compared), mDraws(seed) {}

    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override {
        const std::vector<ExpertCandidate> candidates = ExpertCandidates(game, decision);
        ++mPositions[static_cast<std::size_t>(decision.kind)];
        CheckCandidates(game, decision, random, candidates);
        if (candidates.size() > 1 && ++mAsked % 7 == 3) {
            CompareWithRedealt(game, decision);
        }
        const auto drawn = static_cast<std::size_t>(
            mDraws.NextIndex(static_cast<int>(std::min<std::size_t>(candidates.size(), 3))));
        return candidates[drawn].choice;
    }

  private:
    void CheckCandidates(const qlGame& game, const Decision& decision, const Random::Stream& random,
                         const std::vector<ExpertCandidate>& candidates) const {
        ASSERT_FALSE(candidates.empty());
        EXPECT_LE(candidates.size(), kMostCandidates);
        if (decision.kind != DecisionKind::CraneCover) {
            Random::Stream untouched = random;
            StandardDecider standard;
            EXPECT_EQ(Names(candidates.front().choice),
                      Names(standard.Answer(game, decision, untouched)));
        }
        std::vector<Strings> seen;
        for (const ExpertCandidate& candidate : candidates) {
            const Strings names = Names(candidate.choice);
            EXPECT_EQ(std::count(seen.begin(), seen.end(), names), 0)
                << "a choice weighed twice at decision " << static_cast<int>(decision.kind);
            seen.push_back(names);
            HeadlessTable table;
            qlGame copy(game, table);
            EXPECT_NO_THROW(copy.Apply(candidate.choice))
                << "decision " << static_cast<int>(decision.kind);
        }
        if (decision.kind == DecisionKind::Role) {
            const auto free =
                std::count(decision.rolesFree.begin(), decision.rolesFree.end(), true);
            EXPECT_EQ(static_cast<long>(candidates.size()), free);
        }
    }

    void CompareWithRedealt(const qlGame& game, const Decision& decision) {
        HeadlessTable table;
        qlGame redealt(game, table);
        redealt.RedealHidden(decision.seat, 977 * static_cast<std::uint64_t>(mAsked));
        ExpertPlayer here(decision.seat, 5, 24, 2);
        ExpertPlayer there(decision.seat, 5, 24, 2);
        EXPECT_EQ(Names(here.Decide(game, table)), Names(there.Decide(redealt, table)))
            << "decision " << static_cast<int>(decision.kind);
        ExpectSameVerdict(here.LastVerdict(), there.LastVerdict());
        EXPECT_GT(here.LastVerdict().games, 0);
        ++mCompared[static_cast<std::size_t>(decision.kind)];
    }

    std::array<int, 12>& mPositions;
    std::array<int, 12>& mCompared;
    Random::Generator mDraws;
    int mAsked = 0;
};

// Seeded games of two, three and four seats in which every seat probes, and a gold mine that
// found gold: at thousands of decisions of every kind each candidate is taken by the rules, none is
// weighed twice, the standard rules' choice comes first, and a role choice weighs every free role.
// The expert asked in a copy whose hidden cards are dealt afresh decides alike, to the copy won and
// the point of margin, at every kind of decision it was asked.
TEST(ExpertPlayer, WeighsOnlyChoicesTheRulesTakeAndCannotTellHiddenCardsApart) {
    std::array<int, 12> positions{};
    std::array<int, 12> compared{};
    for (const Integer players : {2, 3, 4}) {
        for (const std::uint64_t seed : {301, 302, 303, 304}) {
            HeadlessTable table;
            qlGame game(table, players, 0, Random::SeededSource(seed));
            testing_support::SetEveryDecider(game, [&](Integer seat) {
                return std::make_unique<ExpertProbe>(positions, compared, seed * 10 + seat);
            });
            ASSERT_NE(game.PlayGame(), qlGame::Outcome::Exited);
        }
    }
    // Gold is rare: a gold mine's four cards of four costs, arranged.
    ScriptedTable table;
    qlGame mine(table, 2, 0, Random::SeededSource(305));
    GameTestAccess::SetUp(mine);
    GameTestAccess::Build(mine, 1, "Gold Mine");
    GameTestAccess::Stack(mine, "Smithy,Well,Tower,Hero");
    mine.SetDecider(1, std::make_unique<ExpertProbe>(positions, compared, 3));
    GameTestAccess::Perform(mine, 1, "Prospector", false);
    EXPECT_EQ(mine.Player(1).CardsInHand().Count(), 1);
    int total = 0;
    for (const int count : positions) {
        total += count;
    }
    EXPECT_GT(total, 2000);
    testing_support::ExpectEachCounted(positions, testing_support::kEveryDecisionKind);
    testing_support::ExpectEachCounted(
        compared, {DecisionKind::Role, DecisionKind::Build, DecisionKind::Payment,
                   DecisionKind::CouncilKeep});
}

// A first role choice of four seats plays long copies, more work than a decision is allowed:
// the trees stop short of the budget, at the same iteration on one thread as on two.
TEST(ExpertPlayer, StopsAtItsWorkAllowedAtTheSameIterationOnOneThreadOrTwo) {
    ScriptedTable table;
    qlGame game(table, 4, 0, Random::SeededSource(412));
    GameTestAccess::SetUpAtFirstRoleChoice(game);
    ExpertPlayer one(1, 23, 400, 1);
    ExpertPlayer two(1, 23, 400, 2);
    EXPECT_EQ(Names(one.Decide(game, table)), Names(two.Decide(game, table)));
    ExpectSameVerdict(one.LastVerdict(), two.LastVerdict());
    EXPECT_EQ(one.LastIterations(), two.LastIterations());
    EXPECT_LT(one.LastIterations(), 400);
    EXPECT_GT(one.LastIterations(), 400 * ExpertPlayer::kWorkPerIteration / 80);
}

// A builder phase late in a two-seat game, seat 1 the builder: it holds a Hero and a Palace
// and can pay for neither, but its city has a Crane. Building over one of its buildings lowers
// the cost by that building's: over the Coffee Roaster the Hero is free (the privilege takes one
// card off). The crane's cover pays off only through the build after it: the expert plans the
// two together and its city gains points, while the strong player leaves the crane to the
// standard rules, which build over nothing here, and then has nothing it can build.
TEST(ExpertPlayer, PlansItsCraneCoverAndTheBuildAfterItTogether) {
    ScriptedTable table;
    const auto builderPhase = [&table](bool expert) {
        ExpertPlayer expertPlayer(1, 7, 400, 2);
        StrongPlayer strongPlayer(1, 7, 400, 2);
        qlGame game(table, 2, 0, Random::SeededSource(61));
        GameTestAccess::SetUp(game);
        GameTestAccess::Build(game, 1,
                              "Crane,Statue,Sugar Mill,Sugar Mill,Tobacco Storage,Tobacco "
                              "Storage,Coffee Roaster,Coffee Roaster,Silver Smelter,Tower");
        GameTestAccess::Give(game, 1, "Hero,Palace");
        GameTestAccess::Build(game, 2,
                              "Sugar Mill,Coffee Roaster,Tobacco Storage,Tobacco Storage,Coffee "
                              "Roaster,Statue,Chapel,Prefecture,Market Hall,Black Market");
        GameTestAccess::Give(game, 2, "Smithy,Gold Mine,Archive");
        GameTestAccess::SetBuildingsLeft(game, 1);
        GameTestAccess::OpenRound(game, 1);
        EXPECT_EQ(game.Player(1).Points(), 20);
        if (expert) {
            game.SetDecider(1, std::make_unique<ExpertDecider>(expertPlayer, table));
        } else {
            game.SetDecider(1, std::make_unique<StrongDecider>(strongPlayer, table));
        }
        GameTestAccess::Perform(game, 1, "Builder", true);
        return std::tuple(testing_support::Names(game.Player(1).BuiltCards()),
                          testing_support::Names(game.Player(1).CardsInHand()),
                          game.Player(1).Points());
    };
    const auto [city, hand, points] = builderPhase(true);
    EXPECT_EQ(city.size(), 11u);
    EXPECT_EQ(std::count(city.begin(), city.end(), "Hero") +
                  std::count(city.begin(), city.end(), "Palace"),
              1);
    EXPECT_GT(points, 20);
    EXPECT_LT(hand.size(), 2u);
    const auto [unchanged, kept, same] = builderPhase(false);
    EXPECT_EQ(unchanged.size(), 11u);
    EXPECT_EQ(std::count(unchanged.begin(), unchanged.end(), "Coffee Roaster"), 2);
    EXPECT_EQ(same, 20);
    EXPECT_EQ(kept.size(), 2u);
}

// Late in a two-seat game the expert's city stands at eleven buildings and leads; the standard
// seat behind it keeps the Builder untouched, which would let the leader end the game. Every
// copy in which the expert waits is still won, by a few more points once the standard rules play
// on: the expert ends the game now rather than put its win off, round after round.
TEST(ExpertPlayer, EndsAGameItLeadsRatherThanPutItsWinOff) {
    ScriptedTable table;
    qlGame game(table, 2, 0, Random::SeededSource(96033));
    GameTestAccess::SetUp(game);
    GameTestAccess::Build(game, 1,
                          "Coffee Roaster,Gold Mine,Silver Smelter,Prefecture,Victory Column,"
                          "Statue,Guild Hall,Triumphal Arch");
    GameTestAccess::Give(game, 1, "Hero,City Hall,Library,Tobacco Storage,Sugar Mill,Crane");
    GameTestAccess::Build(game, 2,
                          "Library,Carpenter,Hero,Prefecture,Smithy,Black Market,City Hall,"
                          "Quarry,Victory Column,Market Stand");
    GameTestAccess::Give(game, 2, "Palace,Statue,Chapel,Sugar Mill,Silver Smelter");
    GameTestAccess::OpenRound(game, 2);
    GameTestAccess::RunToDecision(game);
    ASSERT_EQ(game.Pending().kind, DecisionKind::Role);
    EXPECT_EQ(game.Player(1).Points(), 28);
    EXPECT_EQ(game.Player(2).Points(), 32);
    ExpertPlayer expert(2, 7, 400, 2);
    EXPECT_EQ(expert.Decide(game, table).role, 1);
}

}  // namespace
