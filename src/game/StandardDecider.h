#pragma once

#include "game/SeatDecider.h"

// A computer seat deciding by the standard rules: the seat's own computer-player members.
class StandardDecider : public SeatDecider {
  public:
    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override;
    // After a role choice where it could build, after its build by card value, and after every
    // keep, gold-mine card and choice of goods.
    bool PausesAfter(const qlGame& game, const Decision& decision,
                     const Choice& choice) const override;
    bool PausesAfterMoves() const override { return true; }
};
