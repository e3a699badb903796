#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/StandardDecider.h"

// The seat a copy of the game resumes with, in a strong player's look-ahead: its first role
// choice, build choice or councillor's keep is the option being tried, and every later decision
// follows the standard rules.
class ForcedDecider : public StandardDecider {
  public:
    using Names = std::vector<std::string>;

    // The role index to take at the seat's next role choice.
    static ForcedDecider Role(int index);
    // The building to build (by name; "" for none) at the seat's next build choice.
    static ForcedDecider Build(std::string name);
    // The cards to keep (by name) of the draw at the seat's next councillor choice.
    static ForcedDecider Keep(Names names);

    int PickRole(const qlGame& game, qlPlayer& seat) override;
    DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) override;
    DeckRef CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn, Integer keep,
                        bool archive) override;

  private:
    std::optional<int> mRole;
    std::optional<std::string> mBuild;
    std::optional<Names> mKeep;
};
