#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "game/StandardDecider.h"

class Table;

// A computer seat that looks ahead for some of its decisions and follows the standard rules
// for the others. At a table that shows the game it thinks on a thread of its own, about a copy
// of the game, and its answer comes later through the table's Post, so that the table keeps
// running meanwhile.
class ThinkingDecider : public StandardDecider {
  public:
    // Whether the seat looks ahead for a decision.
    using LooksAhead = bool (*)(const Decision&);
    // The answer found by looking ahead, thinking until the table asks to leave.
    using Think = std::function<Choice(const qlGame& game, const Decision& decision, Table& table)>;

    ThinkingDecider(Table& table, LooksAhead looksAhead, Think think);
    ThinkingDecider(const ThinkingDecider&) = delete;
    ThinkingDecider& operator=(const ThinkingDecider&) = delete;
    ~ThinkingDecider() override;  // stops the thinking under way and waits for it

    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override;
    bool AnswersLater(const Decision& decision) const override;
    void Ask(const qlGame& game, const Decision& decision, Reply reply) override;
    void Cancel() override;
    // Not after its role and build choices, whose thinking made the table wait already;
    // otherwise as the standard rules.
    bool PausesAfter(const qlGame& game, const Decision& decision,
                     const Choice& choice) const override;

  private:
    struct Thought;

    Table& mTable;
    LooksAhead mLooksAhead;
    Think mThink;
    std::shared_ptr<Thought> mThought;  // the thinking under way, or the last
    std::thread mThread;
};
