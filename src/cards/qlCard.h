#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "cards/CardRefs.h"
#include "core/Event.h"
#include "core/Types.h"

// One card: a building with its cost and points, money in a hand, and a good when it lies face
// down on a production building.
class qlCard {
  public:
    qlCard(Integer cost, Integer victoryPoints, std::string buildingName, std::string description,
           Long buildingType);
    qlCard(const qlCard&) = delete;
    qlCard& operator=(const qlCard&) = delete;

    // Average number of cards one good of this production building sells for; 0 for violet.
    double AvgTradeWorth() const;

    const CardRef& GoodPresent() const { return mGoodPresent; }
    void SetGoodPresent(CardRef good);  // raises GoodChanged, also when the good is taken off

    // Paths of the small and large pictures; empty for a card with a blank name. The window
    // loads them; nothing in the game does.
    std::filesystem::path Picture() const;
    std::filesystem::path BigPict() const;

    Long BuildingType() const { return mBuildingType; }
    void SetBuildingType(Long type) { mBuildingType = type; }
    const std::string& Description() const { return mDescription; }
    void SetDescription(std::string text) { mDescription = std::move(text); }
    const std::string& BuildingName() const { return mBuildingName; }
    void SetBuildingName(std::string name);
    // A hash of the building name, so that a search by name compares whole names rarely.
    std::size_t NameKey() const { return mNameKey; }
    static constexpr std::size_t NameKey(std::string_view name) {
        std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a: folds for a literal name
        for (const char c : name) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
        return static_cast<std::size_t>(hash);
    }
    Integer VictoryPoints() const { return mVictoryPoints; }
    void SetVictoryPoints(Integer points) { mVictoryPoints = points; }
    Integer Cost() const { return mCost; }
    void SetCost(Integer cost) { mCost = cost; }

    // Worth of this card as a building to `player` at the present stage of the game; may be
    // negative. Defined with the computer player.
    double AIValue(const qlPlayer& player) const;

    Event<const CardRef&> GoodChanged;

  private:
    std::filesystem::path PicturePath(const char* size) const;

    CardRef mGoodPresent;
    Long mBuildingType;
    std::string mDescription;
    std::string mBuildingName;
    Integer mVictoryPoints;
    Integer mCost;
    std::size_t mNameKey;
};
