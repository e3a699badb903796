#include "cards/qlCard.h"

#include <utility>

#include "core/DataFolder.h"

qlCard::qlCard(Integer cost, Integer victoryPoints, std::string buildingName,
               std::string description, Long buildingType)
    : mBuildingType(buildingType),
      mDescription(std::move(description)),
      mBuildingName(std::move(buildingName)),
      mVictoryPoints(victoryPoints),
      mCost(cost),
      mNameKey(NameKey(mBuildingName)) {}

void qlCard::SetBuildingName(std::string name) {
    mBuildingName = std::move(name);
    mNameKey = NameKey(mBuildingName);
}

double qlCard::AvgTradeWorth() const {
    if (mBuildingType == 1) {
        return 0;
    }
    if (mBuildingName == "Indigo Plant") {
        return 1.0;
    }
    if (mBuildingName == "Sugar Mill") {
        return 1.4;
    }
    if (mBuildingName == "Tobacco Storage") {
        return 1.8;
    }
    if (mBuildingName == "Coffee Roaster") {
        return 2.2;
    }
    if (mBuildingName == "Silver Smelter") {
        return 2.6;
    }
    return 0;
}

void qlCard::SetGoodPresent(CardRef good) {
    mGoodPresent = good;
    GoodChanged.Raise(good);
}

std::filesystem::path qlCard::Picture() const {
    return PicturePath("Small");
}

std::filesystem::path qlCard::BigPict() const {
    return PicturePath("Large");
}

std::filesystem::path qlCard::PicturePath(const char* size) const {
    if (mBuildingName.find_first_not_of(' ') == std::string::npos) {
        return {};
    }
    return DataFolder() / "Images" / size / (mBuildingName + ".BMP");
}
