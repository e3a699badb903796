#include "game/StrongDecider.h"

#include <exception>
#include <utility>

#include "game/HeadlessTable.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"

// A copy of the game thought about beside it, and whether the answer is still wanted.
struct StrongDecider::Thought {
    StoppableTable table;
    std::unique_ptr<qlGame> copy;
};

StrongDecider::StrongDecider(StrongPlayer& player, Table& table) : mPlayer(player), mTable(table) {}

StrongDecider::~StrongDecider() {
    Cancel();
}

bool StrongDecider::LooksAhead(const Decision& decision) {
    // With the Archive the whole hand is in the keep: too many ways to keep to weigh each.
    return decision.kind == DecisionKind::Role || decision.kind == DecisionKind::Build ||
           (decision.kind == DecisionKind::CouncilKeep && !decision.archive);
}

Choice StrongDecider::Think(const qlGame& game, const Decision& decision, Table& table) {
    const qlPlayer& seat = game.Player(decision.seat);
    switch (decision.kind) {
        case DecisionKind::Role:
            return {.role = mPlayer.PickRole(game, table)};
        case DecisionKind::Build:
            return {.cards = mPlayer.ChooseBuilding(game, table, seat, decision.savings)};
        default: {
            qlCards drawn = decision.offered;
            qlCards kept = mPlayer.ChooseCouncilKeep(game, table, seat, drawn, decision.keep);
            return {.cards = std::move(kept), .givenUp = std::move(drawn)};
        }
    }
}

Choice StrongDecider::Answer(const qlGame& game, const Decision& decision, Random::Stream& random) {
    if (LooksAhead(decision)) {
        return Think(game, decision, mTable);
    }
    return StandardDecider::Answer(game, decision, random);
}

bool StrongDecider::AnswersLater(const Decision& decision) const {
    return mTable.HasEventLoop() && !mTable.ExitRequested() && LooksAhead(decision);
}

void StrongDecider::Ask(const qlGame& game, const Decision& decision, Reply reply) {
    Cancel();
    auto thought = std::make_shared<Thought>();
    thought->copy = std::make_unique<qlGame>(game, thought->table);
    mThought = thought;
    mThread = std::thread([this, thought, decision, reply = std::move(reply)] {
        std::exception_ptr failure;
        Choice choice;
        try {
            choice = Think(*thought->copy, decision, thought->table);
        } catch (...) {
            failure = std::current_exception();
        }
        mTable.Post([thought, choice, failure, reply] {
            if (thought->table.stop) {
                return;  // given up
            }
            if (failure) {
                std::rethrow_exception(failure);
            }
            reply(choice);
        });
    });
}

void StrongDecider::Cancel() {
    if (mThought) {
        mThought->table.stop = true;
    }
    if (mThread.joinable()) {
        mThread.join();
    }
    mThought.reset();
}

bool StrongDecider::PausesAfter(const qlGame& game, const Decision& decision,
                                const Choice& choice) const {
    if (decision.kind == DecisionKind::Role || decision.kind == DecisionKind::Build) {
        return false;
    }
    return StandardDecider::PausesAfter(game, decision, choice);
}
