#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "cards/Building.h"
#include "core/Types.h"

// What a card is: a building with its cost and points, money in a hand, or a good when it lies
// face down on a production building (the seat whose city holds the building knows which). The
// program's table of cards holds one for every card, read-only once made; a game names its
// cards by their place in that table (see Card).
class qlCard {
  public:
    constexpr qlCard() = default;
    // What a card of `building` is, outside any game: to show the building.
    explicit qlCard(const Building& building) : mBuilding(&building) {}
    qlCard(const qlCard&) = delete;
    qlCard& operator=(const qlCard&) = delete;

    // Average number of cards one good of this production building sells for; 0 for violet.
    double AvgTradeWorth() const;

    // Paths of the small and large pictures; empty for a card with a blank name. The window
    // loads them; nothing in the game does.
    std::filesystem::path Picture() const;
    std::filesystem::path BigPict() const;

    // The building this card is.
    const Building& GetBuilding() const { return *mBuilding; }
    BuildingId Id() const { return mBuilding->id; }
    Long BuildingType() const { return mBuilding->type; }
    const std::string& Description() const { return mBuilding->description; }
    const std::string& BuildingName() const { return mBuilding->name; }
    Integer VictoryPoints() const { return mBuilding->victoryPoints; }
    Integer Cost() const { return mBuilding->cost; }

  private:
    std::filesystem::path PicturePath(const char* size) const;

    friend class Card;
    const Building* mBuilding = nullptr;
};
