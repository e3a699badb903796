#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "cards/Building.h"
#include "cards/CardRefs.h"
#include "core/Types.h"

// One card: a building with its cost and points, money in a hand, or a good when it lies face
// down on a production building (the seat whose city holds the building knows which).
class qlCard {
  public:
    explicit qlCard(const Building& building) : mBuilding(&building) {}
    qlCard(Integer cost, Integer victoryPoints, std::string_view buildingName,
           std::string_view description, Long buildingType);
    qlCard(const qlCard&) = delete;
    qlCard& operator=(const qlCard&) = delete;

    // Average number of cards one good of this production building sells for; 0 for violet.
    double AvgTradeWorth() const;

    // Paths of the small and large pictures; empty for a card with a blank name. The window
    // loads them; nothing in the game does.
    std::filesystem::path Picture() const;
    std::filesystem::path BigPict() const;

    // The building this card is; the setters make it another one.
    const Building& GetBuilding() const { return *mBuilding; }
    BuildingId Id() const { return mBuilding->id; }
    Long BuildingType() const { return mBuilding->type; }
    void SetBuildingType(Long type);
    const std::string& Description() const { return mBuilding->description; }
    void SetDescription(std::string_view text);
    const std::string& BuildingName() const { return mBuilding->name; }
    void SetBuildingName(std::string_view name);
    Integer VictoryPoints() const { return mBuilding->victoryPoints; }
    void SetVictoryPoints(Integer points);
    Integer Cost() const { return mBuilding->cost; }
    void SetCost(Integer cost);

  private:
    std::filesystem::path PicturePath(const char* size) const;
    void Become(Integer cost, Integer victoryPoints, std::string_view name,
                std::string_view description, Long type);

    const Building* mBuilding;
};
