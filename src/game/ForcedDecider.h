#pragma once

#include <optional>
#include <string>

#include "game/StandardDecider.h"

// The seat a copy of the game resumes with, in a strong player's look-ahead: its first role
// choice or build choice is the option being tried, and every later decision follows the
// standard rules.
class ForcedDecider : public StandardDecider {
  public:
    // The role index to take at the seat's next role choice.
    static ForcedDecider Role(int index);
    // The building to build (by name; "" for none) at the seat's next build choice.
    static ForcedDecider Build(std::string name);

    int PickRole(const qlGame& game, qlPlayer& seat) override;
    DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) override;

  private:
    std::optional<int> mRole;
    std::optional<std::string> mBuild;
};
