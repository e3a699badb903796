#pragma once

#include <memory>
#include <thread>

#include "game/StandardDecider.h"

class StrongPlayer;
class Table;

// A computer seat whose role choice, build choice and councillor's keep look ahead with a strong
// player (owned by whoever set up the game, and living as long as it); its other decisions, and
// its keep with the Archive, follow the standard rules. At a table that shows the game it thinks
// on a thread of its own, about a copy of the game, and its answer comes later through the
// table's Post, so that the table keeps running meanwhile.
class StrongDecider : public StandardDecider {
  public:
    StrongDecider(StrongPlayer& player, Table& table);
    StrongDecider(const StrongDecider&) = delete;
    StrongDecider& operator=(const StrongDecider&) = delete;
    ~StrongDecider() override;  // stops the thinking under way and waits for it

    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override;
    bool AnswersLater(const Decision& decision) const override;
    void Ask(const qlGame& game, const Decision& decision, Reply reply) override;
    void Cancel() override;
    // Not after the choices it looked ahead for, but for the keep; otherwise as the standard
    // rules.
    bool PausesAfter(const qlGame& game, const Decision& decision,
                     const Choice& choice) const override;

  private:
    struct Thought;

    // Whether the strong player looks ahead for `decision`.
    static bool LooksAhead(const Decision& decision);
    // The strong player's answer to `decision`, one it looks ahead for, thinking until `table`
    // asks to leave.
    Choice Think(const qlGame& game, const Decision& decision, Table& table);

    StrongPlayer& mPlayer;
    Table& mTable;
    std::shared_ptr<Thought> mThought;  // the thinking under way, or the last
    std::thread mThread;
};
