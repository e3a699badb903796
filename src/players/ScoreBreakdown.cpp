#include "players/ScoreBreakdown.h"

namespace {

// "1 monument", "3 monuments".
std::string Counted(int count, const char* thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

std::string WhatIsCounted(const ScoreBreakdown::Bonus& bonus) {
    if (bonus.building == "City Hall") {
        return Counted(bonus.counted, "violet building");
    }
    if (bonus.building == "Guild Hall") {
        return Counted(bonus.counted, "production building");
    }
    if (bonus.building == "Triumphal Arch") {
        return Counted(bonus.counted, "monument");
    }
    return "a quarter of " + std::to_string(bonus.counted);
}

}  // namespace

int ScoreBreakdown::Total() const {
    int total = buildings + chapel;
    for (const Bonus& bonus : bonuses) {
        total += bonus.points;
    }
    return total;
}

std::vector<std::string> ScoreBreakdown::Lines() const {
    std::vector<std::string> lines{Counted(buildingCount, "building") + ": " +
                                   std::to_string(buildings)};
    if (chapel > 0) {
        lines.push_back("Chapel, " + Counted(chapel, "card") + ": " + std::to_string(chapel));
    }
    for (const Bonus& bonus : bonuses) {
        lines.push_back(bonus.building + ", " + WhatIsCounted(bonus) + ": +" +
                        std::to_string(bonus.points));
    }
    lines.push_back("Total: " + std::to_string(Total()));
    return lines;
}
