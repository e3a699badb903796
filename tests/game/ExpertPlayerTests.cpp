// The expert player: every choice it weighs is one the rules take, it decides only on what its
// seat can see, and a seed repeats its game however many threads think.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GameTestAccess.h"
#include "ScriptedTable.h"
#include "game/ExpertCandidates.h"
#include "game/ExpertDecider.h"
#include "game/ExpertPlayer.h"
#include "game/HeadlessTable.h"
#include "game/StandardDecider.h"
#include "game/StrongDecider.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

namespace {

// The names of the cards a choice takes, sorted: two choices alike to the seat name the same.
std::vector<std::string> Names(const Choice& choice) {
    std::vector<std::string> names;
    for (const Card& card : choice.cards) {
        names.push_back(card->BuildingName());
    }
    std::sort(names.begin(), names.end());
    if (choice.role >= 0) {
        names.push_back("role " + std::to_string(choice.role));
    }
    return names;
}

// A seat that, at every decision, checks the expert's candidates against the rules and against
// the standard rules, and at some asks an expert player both in the game and in a copy whose
// hidden cards are dealt afresh; it answers with a candidate drawn from a seeded generator, so
// that its games go where the standard rules would not.
class ExpertProbe : public StandardDecider {
  public:
    ExpertProbe(std::array<int, 12>& positions, std::uint64_t seed)
        : mPositions(positions), mDraws(seed) {}

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
        std::vector<std::vector<std::string>> seen;
        for (const ExpertCandidate& candidate : candidates) {
            const std::vector<std::string> names = Names(candidate.choice);
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
        const Choice mine = here.Decide(game, table);
        const Choice theirs = there.Decide(redealt, table);
        EXPECT_EQ(Names(mine), Names(theirs)) << "decision " << static_cast<int>(decision.kind);
        EXPECT_EQ(here.LastVerdict().option, there.LastVerdict().option);
        EXPECT_EQ(here.LastVerdict().games, there.LastVerdict().games);
        EXPECT_EQ(here.LastVerdict().wins, there.LastVerdict().wins);
        EXPECT_EQ(here.LastVerdict().margin, there.LastVerdict().margin);
        EXPECT_GT(here.LastVerdict().games, 0);
        ++mCompared[static_cast<std::size_t>(decision.kind)];
    }

  public:
    std::array<int, 12> mCompared{};

  private:
    std::array<int, 12>& mPositions;
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
            std::vector<const ExpertProbe*> probes;
            for (Integer seat = 1; seat <= players; ++seat) {
                auto probe = std::make_unique<ExpertProbe>(positions, seed * 10 + seat);
                probes.push_back(probe.get());
                game.SetDecider(seat, std::move(probe));
            }
            ASSERT_NE(game.PlayGame(), qlGame::Outcome::Exited);
            for (const ExpertProbe* probe : probes) {
                for (std::size_t kind = 0; kind < compared.size(); ++kind) {
                    compared[kind] += probe->mCompared[kind];
                }
            }
        }
    }
    // Gold is rare: a gold mine's four cards of four costs, arranged.
    testing_support::ScriptedTable table;
    qlGame mine(table, 2, 0, Random::SeededSource(305));
    GameTestAccess::SetUp(mine);
    GameTestAccess::Build(mine, 1, "Gold Mine");
    GameTestAccess::Stack(mine, "Smithy,Well,Tower,Hero");
    mine.SetDecider(1, std::make_unique<ExpertProbe>(positions, 3));
    GameTestAccess::Perform(mine, 1, "Prospector", false);
    EXPECT_EQ(mine.Player(1).CardsInHand().Count(), 1);
    int total = 0;
    for (const int count : positions) {
        total += count;
    }
    EXPECT_GT(total, 2000);
    for (const DecisionKind kind :
         {DecisionKind::Role, DecisionKind::Chapel, DecisionKind::HandLimit,
          DecisionKind::CraneCover, DecisionKind::BlackMarket, DecisionKind::Build,
          DecisionKind::Payment, DecisionKind::CouncilKeep, DecisionKind::GoldMine,
          DecisionKind::Produce, DecisionKind::Trade}) {
        EXPECT_GT(positions[static_cast<std::size_t>(kind)], 0) << static_cast<int>(kind);
    }
    for (const DecisionKind kind : {DecisionKind::Role, DecisionKind::Build, DecisionKind::Payment,
                                    DecisionKind::CouncilKeep}) {
        EXPECT_GT(compared[static_cast<std::size_t>(kind)], 0) << static_cast<int>(kind);
    }
}

// A game with an expert seat at a small budget: the same game log whether it thinks on one
// thread or two, every one of its answers taken by the rules, and a decision timed for each it
// thought about.
TEST(ExpertPlayer, RepeatsItsGameFromASeedOnOneThreadOrTwo) {
    std::vector<std::string> logs;
    std::vector<std::size_t> decisions;
    for (const int threads : {1, 2}) {
        HeadlessTable table;
        qlGame game(table, 3, 0, Random::SeededSource(411));
        ExpertPlayer expert(2, 17, 12, threads);
        game.SetDecider(2, std::make_unique<ExpertDecider>(expert, table));
        const testing_support::PlayedLogs played = testing_support::PlayLogged(game);
        ASSERT_EQ(played.outcome, qlGame::Outcome::Finished);
        logs.push_back(played.gameLog);
        decisions.push_back(expert.DecisionSeconds().size());
    }
    EXPECT_EQ(logs[0], logs[1]);
    EXPECT_GT(decisions[0], 20u);
    EXPECT_EQ(decisions[0], decisions[1]);
    EXPECT_NE(logs[0], testing_support::PlaySeeded(3, 411).gameLog);
}

// A builder phase late in a two-seat game, seat 1 the builder: it holds a Hero and a Palace
// and can pay for neither, but its city has a Crane. Building over one of its buildings lowers
// the cost by that building's: over the Coffee Roaster the Hero is free (the privilege takes one
// card off), and the Palace stays in hand. The crane's cover pays off only through the build
// after it: the expert plans the two together, while the strong player leaves the crane to the
// standard rules, which build over nothing here, and then has nothing it can build.
void ArrangeLastBuild(qlGame& game) {
    GameTestAccess::SetUp(game);
    GameTestAccess::Build(game, 1,
                          "Crane,Statue,Sugar Mill,Sugar Mill,Tobacco Storage,Tobacco Storage,"
                          "Coffee Roaster,Coffee Roaster,Silver Smelter,Tower");
    GameTestAccess::Give(game, 1, "Hero,Palace");
    GameTestAccess::Build(game, 2,
                          "Sugar Mill,Coffee Roaster,Tobacco Storage,Tobacco Storage,Coffee "
                          "Roaster,Statue,Chapel,Prefecture,Market Hall,Black Market");
    GameTestAccess::Give(game, 2, "Smithy,Gold Mine,Archive");
    GameTestAccess::SetBuildingsLeft(game, 1);
    GameTestAccess::OpenRound(game, 1);
}

std::vector<std::string> CityOf(const qlGame& game, Integer seat) {
    std::vector<std::string> city;
    for (const Card& building : game.Player(seat).BuiltCards()) {
        city.push_back(building->BuildingName());
    }
    return city;
}

TEST(ExpertPlayer, PlansItsCraneCoverAndTheBuildAfterItTogether) {
    testing_support::ScriptedTable table;
    qlGame game(table, 2, 0, Random::SeededSource(61));
    ArrangeLastBuild(game);
    ASSERT_EQ(game.Player(1).Points(), 20);
    ExpertPlayer expert(1, 7, 400, 2);
    game.SetDecider(1, std::make_unique<ExpertDecider>(expert, table));
    GameTestAccess::Perform(game, 1, "Builder", true);
    const std::vector<std::string> city = CityOf(game, 1);
    EXPECT_EQ(city.size(), 11u);
    EXPECT_EQ(std::count(city.begin(), city.end(), "Hero"), 1);
    EXPECT_EQ(std::count(city.begin(), city.end(), "Coffee Roaster"), 1);
    EXPECT_EQ(game.Player(1).Points(), 23);
    ASSERT_EQ(game.Player(1).CardsInHand().Count(), 1);
    EXPECT_EQ(game.Player(1).CardsInHand().Item(1)->BuildingName(), "Palace");

    qlGame same(table, 2, 0, Random::SeededSource(61));
    ArrangeLastBuild(same);
    StrongPlayer strong(1, 7, 400, 2);
    same.SetDecider(1, std::make_unique<StrongDecider>(strong, table));
    GameTestAccess::Perform(same, 1, "Builder", true);
    const std::vector<std::string> unchanged = CityOf(same, 1);
    EXPECT_EQ(unchanged.size(), 11u);
    EXPECT_EQ(std::count(unchanged.begin(), unchanged.end(), "Coffee Roaster"), 2);
    EXPECT_EQ(same.Player(1).Points(), 20);
    EXPECT_EQ(same.Player(1).CardsInHand().Count(), 2);
}

}  // namespace
