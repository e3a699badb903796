// The game refuses a choice the rules do not allow at the decision it waits for, and changes
// nothing when it does; once set up, a game of computer seats plays on without the heap.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "GameTestAccess.h"
#include "ScriptedTable.h"
#include "game/HeadlessTable.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

namespace {

// The heap allocations of this thread while they are being counted.
thread_local bool tCounting = false;
thread_local long tAllocations = 0;

// Every allocation of this test program passes here, so that a test can count its own. Each
// form of new and delete but the aligned ones is replaced, so that what one form makes another
// frees.
void* Allocate(std::size_t size) noexcept {
    if (tCounting) {
        ++tAllocations;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* memory = Allocate(size)) {
        return memory;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

namespace {

qlCards With(const qlCards& cards, const Card& more) {
    qlCards result;
    result.AddCards(cards);
    result.AddCard(more);
    return result;
}

qlCards WithoutLast(const qlCards& cards) {
    qlCards result;
    result.AddCards(cards);
    result.Remove(result.Count());
    return result;
}

// The choices the rules refuse at `decision`, made from the standard rules' own answer: a card
// from outside the offer, a card twice, one card too few or too many, a role taken or unknown.
std::vector<Choice> Refusable(const qlGame& game, const Decision& decision, const Choice& good) {
    std::vector<Choice> bad;
    if (decision.kind == DecisionKind::Role) {
        bad.push_back({.role = kRoleCount});
        bad.push_back({.role = -1});
        for (int role = 0; role < kRoleCount; ++role) {
            if (!game.RolesFree()[static_cast<std::size_t>(role)]) {
                bad.push_back({.role = role});
            }
        }
        return bad;
    }
    const Card stranger = testing_support::MakeCard("Palace");
    bad.push_back({.cards = With(good.cards, stranger), .givenUp = good.givenUp});
    if (!good.cards.Empty()) {
        bad.push_back({.cards = With(good.cards, good.cards.Item(1)), .givenUp = good.givenUp});
        if (decision.kind != DecisionKind::Chapel && decision.kind != DecisionKind::CraneCover &&
            decision.kind != DecisionKind::BlackMarket && decision.kind != DecisionKind::Build &&
            decision.kind != DecisionKind::Produce && decision.kind != DecisionKind::Trade) {
            bad.push_back({.cards = WithoutLast(good.cards), .givenUp = good.givenUp});
        }
    }
    if (!good.givenUp.Empty() && decision.kind != DecisionKind::GoldMine) {
        bad.push_back({.cards = good.cards, .givenUp = WithoutLast(good.givenUp)});
    }
    return bad;
}

// A seat deciding by the standard rules that first offers the game every refusable choice.
class Refused : public StandardDecider {
  public:
    explicit Refused(std::array<int, 12>& refusals) : mRefusals(refusals) {}

    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override {
        Random::Stream untouched = random;
        const Choice good = StandardDecider::Answer(game, decision, untouched);
        for (const Choice& choice : Refusable(game, decision, good)) {
            const std::string before = GameTestAccess::Layout(game);
            EXPECT_THROW(const_cast<qlGame&>(game).Apply(choice), std::invalid_argument)
                << "decision " << static_cast<int>(decision.kind);
            EXPECT_EQ(GameTestAccess::Layout(game), before);
            EXPECT_EQ(game.Pending().kind, decision.kind);
            ++mRefusals[static_cast<std::size_t>(decision.kind)];
        }
        return StandardDecider::Answer(game, decision, random);
    }

  private:
    std::array<int, 12>& mRefusals;
};

// Whole seeded games in which every decision is first offered choices the rules refuse: each is
// refused with the game unchanged, and the game then plays on exactly as it would have.
TEST(Apply, RefusesEveryIllegalChoiceAndChangesNothing) {
    std::array<int, 12> refusals{};
    for (const Integer players : {2, 4}) {
        HeadlessTable table;
        qlGame game(table, players, 0, Random::SeededSource(77));
        testing_support::SetEveryDecider(
            game, [&](Integer) { return std::make_unique<Refused>(refusals); });
        testing_support::ExpectLogsOfSeeded(testing_support::PlayLogged(game), players, 77);
        EXPECT_EQ(game.Pending().kind, DecisionKind::None);
        EXPECT_THROW(game.Apply({.role = 0}), std::invalid_argument);
    }
    std::vector<DecisionKind> kinds = testing_support::kEveryDecisionKind;
    std::erase(kinds, DecisionKind::CraneCover);
    testing_support::ExpectEachCounted(refusals, kinds);
}

// From the end of its set-up to its final scores a seeded game of standard computer seats at a
// silent table allocates nothing: every collection it needs has its room already.
TEST(Apply, AGameOfComputerSeatsPlaysOnFromItsSetUpWithoutTheHeap) {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        HeadlessTable table;
        qlGame game(table, 4, 0, Random::SeededSource(seed));
        GameTestAccess::SetUp(game);
        GameTestAccess::DealStartingHands(game);
        tAllocations = 0;
        tCounting = true;
        const qlGame::Outcome outcome = game.PlayOn();
        tCounting = false;
        ASSERT_EQ(outcome, qlGame::Outcome::Finished) << "seed " << seed;
        EXPECT_EQ(tAllocations, 0) << "seed " << seed;
    }
}

}  // namespace
