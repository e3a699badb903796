#include "game/ThinkingDecider.h"

#include <exception>
#include <utility>

#include "game/HeadlessTable.h"
#include "game/qlGame.h"

// A copy of the game thought about beside it, and whether the answer is still wanted.
struct ThinkingDecider::Thought {
    StoppableTable table;
    std::unique_ptr<qlGame> copy;
};

ThinkingDecider::ThinkingDecider(Table& table, LooksAhead looksAhead, Think think)
    : mTable(table), mLooksAhead(looksAhead), mThink(std::move(think)) {}

ThinkingDecider::~ThinkingDecider() {
    Cancel();
}

Choice ThinkingDecider::Answer(const qlGame& game, const Decision& decision,
                               Random::Stream& random) {
    if (mLooksAhead(decision)) {
        return mThink(game, decision, mTable);
    }
    return StandardDecider::Answer(game, decision, random);
}

bool ThinkingDecider::AnswersLater(const Decision& decision) const {
    return mTable.HasEventLoop() && !mTable.ExitRequested() && mLooksAhead(decision);
}

void ThinkingDecider::Ask(const qlGame& game, const Decision& decision, Reply reply) {
    Cancel();
    auto thought = std::make_shared<Thought>();
    thought->copy = std::make_unique<qlGame>(game, thought->table);
    mThought = thought;
    mThread = std::thread([this, thought, decision, reply = std::move(reply)] {
        std::exception_ptr failure;
        Choice choice;
        try {
            choice = mThink(*thought->copy, decision, thought->table);
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

void ThinkingDecider::Cancel() {
    if (mThought) {
        mThought->table.stop = true;
    }
    if (mThread.joinable()) {
        mThread.join();
    }
    mThought.reset();
}

bool ThinkingDecider::PausesAfter(const qlGame& game, const Decision& decision,
                                  const Choice& choice) const {
    if (decision.kind == DecisionKind::Role || decision.kind == DecisionKind::Build) {
        return false;
    }
    return StandardDecider::PausesAfter(game, decision, choice);
}
