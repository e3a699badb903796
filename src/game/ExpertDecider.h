#pragma once

#include "game/ThinkingDecider.h"

class ExpertPlayer;
class Table;

// A computer seat whose every decision is thought about by an expert player (owned by whoever
// set up the game, and living as long as it).
class ExpertDecider : public ThinkingDecider {
  public:
    ExpertDecider(ExpertPlayer& player, Table& table);

    // Whether the expert player thinks about `decision`: every decision of its seat.
    static bool LooksAhead(const Decision& decision);
};
