#pragma once

#include "game/ThinkingDecider.h"

class StrongPlayer;
class Table;

// A computer seat whose role choice, build choice and councillor's keep look ahead with a strong
// player (owned by whoever set up the game, and living as long as it); its other decisions, and
// its keep with the Archive, follow the standard rules.
class StrongDecider : public ThinkingDecider {
  public:
    StrongDecider(StrongPlayer& player, Table& table);

    // Whether the strong player looks ahead for `decision`.
    static bool LooksAhead(const Decision& decision);
};
