#pragma once

#include "game/SeatDecider.h"

// A computer seat deciding by the standard rules: the seat's own computer-player members.
class StandardDecider : public SeatDecider {
  public:
    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override;
    void PauseAfterMove(const qlPlayer& seat) override;
};
