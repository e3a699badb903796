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
    explicit qlCard(const Building& building) { Assign(building); }
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
    BuildingId Id() const { return mId; }
    Long BuildingType() const { return mType; }
    const std::string& Description() const { return mBuilding->description; }
    const std::string& BuildingName() const { return mBuilding->name; }
    Integer VictoryPoints() const { return mVictoryPoints; }
    Integer Cost() const { return mCost; }

  private:
    std::filesystem::path PicturePath(const char* size) const;

    // The building's numbers are kept beside it, so that the rules and the computer player read
    // a card's id, type, cost and points without going on to the building.
    void Assign(const Building& building) {
        mBuilding = &building;
        mId = building.id;
        mType = building.type;
        mCost = building.cost;
        mVictoryPoints = building.victoryPoints;
    }

    friend class Card;
    const Building* mBuilding = nullptr;
    BuildingId mId = 0;
    Long mType = 0;
    Integer mCost = 0;
    Integer mVictoryPoints = 0;
};
