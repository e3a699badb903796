#include "cards/qlCard.h"

#include "core/DataFolder.h"

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
