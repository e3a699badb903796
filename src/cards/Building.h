#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/Types.h"

// Every building name has one id for the whole program, so that the engine finds a building by
// comparing numbers. The buildings the rules name come first, in this order, with ids known when
// the program is compiled; any other name read from a catalogue gets the next free id.
using BuildingId = std::uint32_t;

namespace buildings {

inline constexpr std::array<std::string_view, 29> kRuleNames{
    "Indigo Plant", "Sugar Mill", "Tobacco Storage", "Coffee Roaster", "Silver Smelter",
    "Smithy",       "Gold Mine",  "Archive",         "Poor House",     "Black Market",
    "Trading Post", "Well",       "Market Stand",    "Crane",          "Chapel",
    "Tower",        "Aqueduct",   "Carpenter",       "Prefecture",     "Market Hall",
    "Quarry",       "Library",    "Statue",          "Victory Column", "Hero",
    "Guild Hall",   "City Hall",  "Triumphal Arch",  "Palace"};

// The id of a building the rules name; a name the rules do not know does not compile.
consteval BuildingId Id(std::string_view name) {
    for (std::size_t i = 0; i < kRuleNames.size(); ++i) {
        if (kRuleNames[i] == name) {
            return static_cast<BuildingId>(i);
        }
    }
    throw std::invalid_argument("not a building the rules name");
}

// The id of any name, given one now if it has none yet.
BuildingId IdOf(std::string_view name);
// The id of a name that has one; the id no name has otherwise.
BuildingId FindId(std::string_view name);
inline constexpr BuildingId kNoId = ~BuildingId{0};

}  // namespace buildings

// A building the rules name, written as its name and found when the program is compiled:
// `seat.HasBuiltCard("Library")`.
class RuleBuilding {
  public:
    consteval RuleBuilding(const char* name) : mId(buildings::Id(name)) {}
    constexpr BuildingId Id() const { return mId; }

  private:
    BuildingId mId;
};

// One building as a catalogue describes it. Each distinct building is held once for the whole
// program, read-only, and shared by every card of it in every game and every copy of a game.
struct Building {
    std::string name;
    std::string description;
    Integer cost = 0;
    Integer victoryPoints = 0;
    Long type = 0;  // 0 production, 1 violet
    BuildingId id = 0;

    // The shared building with these values.
    static const Building& Find(Integer cost, Integer victoryPoints, std::string_view name,
                                std::string_view description, Long type);
};
