#include "cards/qlCard.h"

#include <utility>

#include "core/DataFolder.h"

qlCard::qlCard(Integer cost, Integer victoryPoints, std::string_view buildingName,
               std::string_view description, Long buildingType)
    : mBuilding(&Building::Find(cost, victoryPoints, buildingName, description, buildingType)) {}

void qlCard::Become(Integer cost, Integer victoryPoints, std::string_view name,
                    std::string_view description, Long type) {
    mBuilding = &Building::Find(cost, victoryPoints, name, description, type);
}

void qlCard::SetBuildingType(Long type) {
    Become(Cost(), VictoryPoints(), BuildingName(), Description(), type);
}

void qlCard::SetDescription(std::string_view text) {
    Become(Cost(), VictoryPoints(), BuildingName(), text, BuildingType());
}

void qlCard::SetBuildingName(std::string_view name) {
    Become(Cost(), VictoryPoints(), name, Description(), BuildingType());
}

void qlCard::SetVictoryPoints(Integer points) {
    Become(Cost(), points, BuildingName(), Description(), BuildingType());
}

void qlCard::SetCost(Integer cost) {
    Become(cost, VictoryPoints(), BuildingName(), Description(), BuildingType());
}

double qlCard::AvgTradeWorth() const {
    // The five goods are the first five ids, cheapest first.
    static_assert(buildings::Id("Indigo Plant") == 0 && buildings::Id("Silver Smelter") == 4);
    static constexpr double kWorth[] = {1.0, 1.4, 1.8, 2.2, 2.6};
    const BuildingId id = Id();
    return BuildingType() != 1 && id < 5 ? kWorth[id] : 0;
}

std::filesystem::path qlCard::Picture() const {
    return PicturePath("Small");
}

std::filesystem::path qlCard::BigPict() const {
    return PicturePath("Large");
}

std::filesystem::path qlCard::PicturePath(const char* size) const {
    if (BuildingName().find_first_not_of(' ') == std::string::npos) {
        return {};
    }
    return DataFolder() / "Images" / size / (BuildingName() + ".BMP");
}
